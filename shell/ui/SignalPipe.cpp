#include "shell/ui/SignalPipe.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t gWriteFd = -1;

void OnSignal(int sig) {
    int saved = errno;
    unsigned char byte = static_cast<unsigned char>(sig);
    if (gWriteFd >= 0) (void)!::write(gWriteFd, &byte, 1);
    errno = saved;
}
} // namespace

TSignalPipe::TSignalPipe(std::initializer_list<int> sigs, QObject* parent)
    : QObject(parent), FSignals(sigs) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, FFds) != 0) return;
    gWriteFd = FFds[0];
    FNotifier = new QSocketNotifier(FFds[1], QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, &TSignalPipe::Read);
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : sigs)
        ::sigaction(s, &sa, nullptr);
}

TSignalPipe::~TSignalPipe() {
    // Signals after this take their default action again.
    for (int s : FSignals)
        ::signal(s, SIG_DFL);
    gWriteFd = -1;
    for (int fd : FFds)
        if (fd >= 0) ::close(fd);
}

void TSignalPipe::Read() {
    unsigned char byte = 0;
    while (::read(FFds[1], &byte, 1) == 1)
        emit Raised(byte);
}
