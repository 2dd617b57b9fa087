#include "support/LocalHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// Waits for input on fd in short steps, so that stopping is noticed.
bool Readable(int fd, const std::atomic<bool>& stop) {
    while (!stop) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 20) > 0) return true;
    }
    return false;
}
} // namespace

TLocalHttpServer::TLocalHttpServer() {
    FListen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (FListen < 0 || ::bind(FListen, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(FListen, 16) != 0 ||
        ::getsockname(FListen, reinterpret_cast<sockaddr*>(&a), &len) != 0)
        throw std::runtime_error("test server: no socket");
    FPort = ntohs(a.sin_port);
    FThread = std::thread([this] { Serve(); });
}

TLocalHttpServer::~TLocalHttpServer() {
    FStop = true;
    FThread.join();
    ::close(FListen);
}

void TLocalHttpServer::Push(Answer answer) {
    std::lock_guard<std::mutex> lock(FMutex);
    FAnswers.push_back(std::move(answer));
}

void TLocalHttpServer::PushOk(const std::string& body, const std::string& type) {
    Push({"HTTP/1.1 200 OK\r\nContent-Type:" + type +
              "\r\nContent-Length:" + std::to_string(body.size()) + "\r\n\r\n" + body,
          false, false});
}

std::vector<std::string> TLocalHttpServer::Requests() const {
    std::lock_guard<std::mutex> lock(FMutex);
    return FRequests;
}

void TLocalHttpServer::Serve() {
    while (Readable(FListen, FStop)) {
        int fd = ::accept4(FListen, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        ++FConnections;
        Handle(fd);
        ::close(fd);
    }
}

void TLocalHttpServer::Handle(int fd) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && Readable(fd, FStop)) {
        ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) return; // a client that only probed the port
        head.append(buffer, static_cast<size_t>(n));
    }
    Answer answer{"HTTP/1.1 404 Not Found\r\nContent-Length:0\r\n\r\n", false, false};
    {
        std::lock_guard<std::mutex> lock(FMutex);
        FRequests.push_back(head.substr(0, head.find("\r\n\r\n")));
        if (!FAnswers.empty()) {
            answer = FAnswers.front();
            FAnswers.pop_front();
        }
    }
    if (!answer.Silent) {
        size_t sent = 0;
        while (sent < answer.Raw.size()) {
            ssize_t n =
                ::send(fd, answer.Raw.data() + sent, answer.Raw.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) return;
            sent += static_cast<size_t>(n);
        }
    }
    if (answer.Silent || answer.Hang)
        while (Readable(fd, FStop) && ::recv(fd, buffer, sizeof buffer, 0) > 0) {
        }
}
