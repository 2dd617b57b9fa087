#pragma once

#include <optional>
#include <string>
#include <string_view>

// An HTTP answer: its status code and body.
struct THttpResponse {
    int Status = 0;
    std::string Body;
};

enum class THttpParse { Incomplete, Complete, Malformed };

// One HTTP/1.1 client connection to a port on 127.0.0.1, and never another
// address: the browser's remote-control endpoint listens there, and nothing
// we send may leave the machine. Every step has a time limit; the socket is
// closed with the object.
class TLoopbackConnection {
public:
    static constexpr size_t kMaxResponse = 16 * 1024 * 1024;

    explicit TLoopbackConnection(int port) : FPort(port) {}
    ~TLoopbackConnection();
    TLoopbackConnection(const TLoopbackConnection&) = delete;
    TLoopbackConnection& operator=(const TLoopbackConnection&) = delete;

    // True when the port accepted the connection within timeoutMs.
    bool Connect(int timeoutMs);
    bool Connected() const { return FSocket >= 0; }
    // Sends one request ("Connection: close") and reads its answer; nullopt
    // when the answer is incomplete, malformed, larger than kMaxResponse or
    // not all there within timeoutMs. The connection is spent afterwards.
    std::optional<THttpResponse> Exchange(const std::string& method, const std::string& target,
                                          int timeoutMs);
    void Close();

    // Reads an answer received so far (closed: the peer has closed, nothing
    // more comes): the status line, the headers, then a body of
    // Content-Length bytes, or up to the end without one. Complete fills
    // response. Bodies in chunks are not taken.
    static THttpParse ParseResponse(std::string_view raw, bool closed, THttpResponse& response);

private:
    int FPort;
    int FSocket = -1;
};
