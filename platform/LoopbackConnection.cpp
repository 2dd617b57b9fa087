#include "platform/LoopbackConnection.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;
constexpr size_t kMaxHeader = 64 * 1024;

int MsLeft(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for events on fd until the deadline; false on a time-out or error.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        int n = ::poll(&p, 1, MsLeft(deadline));
        if (n > 0) return true;
        if (n == 0 || errno != EINTR) return false;
    }
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool Digits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}
} // namespace

TLoopbackConnection::~TLoopbackConnection() {
    Close();
}

void TLoopbackConnection::Close() {
    if (FSocket >= 0) ::close(FSocket);
    FSocket = -1;
}

bool TLoopbackConnection::Connect(int timeoutMs) {
    Close();
    if (FPort <= 0 || FPort > 65535) return false;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(FPort));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0;
    if (!ok && (errno == EINPROGRESS || errno == EINTR) && WaitFor(fd, POLLOUT, deadline)) {
        int err = 0;
        socklen_t len = sizeof err;
        ok = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) == 0 && err == 0;
    }
    if (!ok) {
        ::close(fd);
        return false;
    }
    FSocket = fd;
    return true;
}

std::optional<THttpResponse>
TLoopbackConnection::Exchange(const std::string& method, const std::string& target, int timeoutMs) {
    if (FSocket < 0) return std::nullopt;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const std::string request = method + " " + target +
                                " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(FPort) +
                                "\r\nConnection: close\r\n\r\n";
    size_t sent = 0;
    while (sent < request.size()) {
        ssize_t n = ::send(FSocket, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) &&
                   WaitFor(FSocket, POLLOUT, deadline)) {
            continue;
        } else {
            Close();
            return std::nullopt;
        }
    }

    std::string raw;
    THttpResponse response;
    char buffer[16384];
    THttpParse state = THttpParse::Incomplete;
    bool closed = false;
    while (state == THttpParse::Incomplete && !closed) {
        if (!WaitFor(FSocket, POLLIN, deadline)) break;
        ssize_t n = ::recv(FSocket, buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
        if (n <= 0)
            closed = true;
        else if (raw.size() + static_cast<size_t>(n) > kMaxResponse)
            break;
        else
            raw.append(buffer, static_cast<size_t>(n));
        state = ParseResponse(raw, closed, response);
    }
    Close();
    if (state != THttpParse::Complete) return std::nullopt;
    return response;
}

THttpParse TLoopbackConnection::ParseResponse(std::string_view raw, bool closed,
                                              THttpResponse& response) {
    const std::string_view http = "HTTP/1.";
    if (raw.substr(0, http.size()) != http.substr(0, std::min(raw.size(), http.size())))
        return THttpParse::Malformed;
    size_t headerEnd = raw.find("\r\n\r\n");
    if (headerEnd == std::string_view::npos) {
        if (closed || raw.size() > kMaxHeader) return THttpParse::Malformed;
        return THttpParse::Incomplete;
    }
    std::string_view head = raw.substr(0, headerEnd);
    size_t lineEnd = head.find("\r\n");
    std::string_view status = head.substr(0, lineEnd);
    // "HTTP/1.1 200 OK": the version, a blank, three digits, then a blank or nothing.
    if (status.size() < 12 || !Digits(status.substr(7, 1)) || status[8] != ' ' ||
        !Digits(status.substr(9, 3)) || (status.size() > 12 && status[12] != ' '))
        return THttpParse::Malformed;
    int code = std::stoi(std::string(status.substr(9, 3)));

    std::optional<size_t> length;
    while (lineEnd != std::string_view::npos) {
        size_t start = lineEnd + 2;
        lineEnd = head.find("\r\n", start);
        std::string_view line = head.substr(
            start, lineEnd == std::string_view::npos ? std::string_view::npos : lineEnd - start);
        size_t colon = line.find(':');
        if (colon == std::string_view::npos || colon == 0) return THttpParse::Malformed;
        std::string_view name = line.substr(0, colon);
        std::string_view value = Trimmed(line.substr(colon + 1));
        if (SameName(name, "Content-Length")) {
            if (!Digits(value) || value.size() > 9 || length) return THttpParse::Malformed;
            length = std::stoul(std::string(value));
            if (*length > kMaxResponse) return THttpParse::Malformed;
        } else if (SameName(name, "Transfer-Encoding") && !SameName(value, "identity")) {
            return THttpParse::Malformed;
        }
    }

    std::string_view body = raw.substr(headerEnd + 4);
    if (length) {
        if (body.size() < *length) return closed ? THttpParse::Malformed : THttpParse::Incomplete;
        body = body.substr(0, *length);
    } else if (!closed) {
        return THttpParse::Incomplete;
    }
    response.Status = code;
    response.Body = std::string(body);
    return THttpParse::Complete;
}
