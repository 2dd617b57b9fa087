#pragma once

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A scripted HTTP server on 127.0.0.1 and a port of its own, for testing
// clients: each connection reads one request head and gets the next answer.
class TLocalHttpServer {
public:
    struct Answer {
        std::string Raw;     // sent as it stands
        bool Silent = false; // sends nothing and keeps the connection open
        bool Hang = false;   // after sending, keeps the connection open
    };

    TLocalHttpServer();
    ~TLocalHttpServer();
    TLocalHttpServer(const TLocalHttpServer&) = delete;
    TLocalHttpServer& operator=(const TLocalHttpServer&) = delete;

    int Port() const { return FPort; }
    void Push(Answer answer);
    // "200 OK" with a body of that content type.
    void PushOk(const std::string& body, const std::string& type = "application/json");
    // The request heads received so far (up to the blank line).
    std::vector<std::string> Requests() const;
    int Connections() const { return FConnections; }

private:
    void Serve();
    void Handle(int fd);

    int FListen = -1;
    int FPort = 0;
    std::atomic<bool> FStop{false};
    std::atomic<int> FConnections{0};
    mutable std::mutex FMutex;
    std::deque<Answer> FAnswers;
    std::vector<std::string> FRequests;
    std::thread FThread;
};
