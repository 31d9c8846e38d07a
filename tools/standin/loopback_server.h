// A small HTTP server on 127.0.0.1 for tests and the stand-in search service: it hands every raw
// request to a handler, records it, and sends the reply the handler asks for, well behaved or not.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace standin {

struct Reply {
    std::string bytes;      // sent as given: status line, headers and body
    int delayMs = 0;        // pause before the first byte
    int pieceBytes = 0;     // > 0: send in pieces of this size ...
    int pieceDelayMs = 0;   // ... with this pause between them
    bool endless = false;   // after bytes, send filler until the client leaves or the server stops
    bool silent = false;    // send nothing; hold the connection until the client leaves or the server stops
    bool holdOpen = false;  // after the bytes, hold the connection the same way instead of closing it
};

using Handler = std::function<Reply(const std::string& request)>;
using RequestObserver = std::function<void(const std::string& request)>;

class LoopbackServer {
  public:
    explicit LoopbackServer(Handler handler, RequestObserver observer = {});
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // Listens on 127.0.0.1:port; port 0 takes a free one. False when the port cannot be had.
    bool Start(int port = 0);
    void Stop();
    int Port() const { return port_; }
    // Every request received so far: its header block (up to the empty line) and body.
    std::vector<std::string> Requests() const;

  private:
    struct Connection;
    void AcceptLoop();
    void Serve(std::uintptr_t socket);
    void Reap(bool all);

    Handler handler_;
    RequestObserver observer_;
    std::uintptr_t listener_;
    int port_ = 0;
    bool winsock_ = false;
    std::atomic<bool> stopping_{false};
    std::thread acceptThread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::vector<std::unique_ptr<Connection>> connections_;
};

}  // namespace standin
