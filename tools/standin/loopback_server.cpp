#include "loopback_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <cstdlib>

namespace standin {
namespace {

constexpr std::size_t kMaxRequest = 1u << 20;
constexpr int kPollMs = 50;
constexpr int kRequestIdleMs = 10000;

// Waits up to ms for the socket to become readable (or writable); false on timeout or error.
bool WaitFor(SOCKET s, bool write, int ms) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval tv{ms / 1000, (ms % 1000) * 1000};
    const int r = write ? select(0, nullptr, &set, nullptr, &tv) : select(0, &set, nullptr, nullptr, &tv);
    return r == 1;
}

std::size_t ContentLength(const std::string& head) {
    std::string lower(head);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    const std::size_t p = lower.find("\r\ncontent-length:");
    if (p == std::string::npos)
        return 0;
    return static_cast<std::size_t>(std::strtoul(lower.c_str() + p + 17, nullptr, 10));
}

}  // namespace

struct LoopbackServer::Connection {
    std::thread thread;
    std::atomic<bool> done{false};
};

LoopbackServer::LoopbackServer(Handler handler, RequestObserver observer)
    : handler_(std::move(handler)), observer_(std::move(observer)), listener_(INVALID_SOCKET) {}

LoopbackServer::~LoopbackServer() {
    Stop();
}

bool LoopbackServer::Start(int port) {
    if (listener_ != INVALID_SOCKET)
        return true;
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return false;
    winsock_ = true;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return Stop(), false;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(static_cast<u_short>(port));
    int len = sizeof addr;
    if (bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(s, SOMAXCONN) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        closesocket(s);
        Stop();
        return false;
    }
    listener_ = s;
    port_ = ntohs(addr.sin_port);
    stopping_ = false;
    acceptThread_ = std::thread([this] { AcceptLoop(); });
    return true;
}

void LoopbackServer::Stop() {
    stopping_ = true;
    if (acceptThread_.joinable())
        acceptThread_.join();
    Reap(true);
    if (listener_ != INVALID_SOCKET)
        closesocket(static_cast<SOCKET>(listener_));
    listener_ = INVALID_SOCKET;
    if (winsock_)
        WSACleanup();
    winsock_ = false;
}

std::vector<std::string> LoopbackServer::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void LoopbackServer::Reap(bool all) {
    std::vector<std::unique_ptr<Connection>> finished;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto it = connections_.begin(); it != connections_.end();) {
            if (all || (*it)->done) {
                finished.push_back(std::move(*it));
                it = connections_.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (auto& c : finished)
        c->thread.join();
}

void LoopbackServer::AcceptLoop() {
    const SOCKET listener = static_cast<SOCKET>(listener_);
    while (!stopping_) {
        Reap(false);
        if (!WaitFor(listener, false, kPollMs))
            continue;
        const SOCKET client = accept(listener, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            continue;
        auto c = std::make_unique<Connection>();
        Connection* raw = c.get();
        std::lock_guard<std::mutex> lock(mutex_);
        c->thread = std::thread([this, client, raw] {
            Serve(client);
            raw->done = true;
        });
        connections_.push_back(std::move(c));
    }
}

void LoopbackServer::Serve(std::uintptr_t socketValue) {
    const SOCKET s = static_cast<SOCKET>(socketValue);
    std::string request;
    char buffer[4096];
    std::size_t headEnd = std::string::npos;
    std::size_t wanted = 0;
    int idleMs = 0;
    while (!stopping_ && request.size() < kMaxRequest) {
        if (headEnd != std::string::npos && request.size() >= wanted)
            break;
        if (!WaitFor(s, false, kPollMs)) {
            idleMs += kPollMs;
            if (idleMs >= kRequestIdleMs)
                break;
            continue;
        }
        idleMs = 0;
        const int n = recv(s, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        request.append(buffer, static_cast<std::size_t>(n));
        if (headEnd == std::string::npos) {
            headEnd = request.find("\r\n\r\n");
            if (headEnd != std::string::npos)
                wanted = headEnd + 4 + ContentLength(request.substr(0, headEnd + 2));
        }
    }
    if (headEnd == std::string::npos || stopping_) {
        closesocket(s);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request);
    }
    if (observer_)
        observer_(request);
    const Reply reply = handler_ ? handler_(request) : Reply{};

    const auto pause = [this](int ms) {
        for (int waited = 0; waited < ms && !stopping_; waited += 10)
            Sleep(static_cast<DWORD>(std::min(10, ms - waited)));
    };
    const auto sendAll = [this, s](const char* data, std::size_t size) {
        while (size > 0 && !stopping_) {
            if (!WaitFor(s, true, kPollMs))
                continue;
            const int n = send(s, data, static_cast<int>(std::min<std::size_t>(size, 65536)), 0);
            if (n <= 0)
                return false;
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return size == 0;
    };

    const auto hold = [this, s, &buffer] {
        while (!stopping_) {
            if (WaitFor(s, false, kPollMs) && recv(s, buffer, sizeof buffer, 0) <= 0)
                break;
        }
    };

    pause(reply.delayMs);
    bool open = true;
    if (reply.silent) {
        hold();
        open = false;
    } else if (reply.pieceBytes > 0) {
        const std::size_t step = static_cast<std::size_t>(reply.pieceBytes);
        for (std::size_t at = 0; open && at < reply.bytes.size() && !stopping_; at += step) {
            if (at > 0)
                pause(reply.pieceDelayMs);
            open = sendAll(reply.bytes.data() + at, std::min(step, reply.bytes.size() - at));
        }
    } else {
        open = sendAll(reply.bytes.data(), reply.bytes.size());
    }
    if (reply.endless) {
        const std::string filler(reply.pieceBytes > 0 ? static_cast<std::size_t>(reply.pieceBytes) : 4096, ' ');
        while (open && !stopping_) {
            pause(reply.pieceDelayMs);
            open = sendAll(filler.data(), filler.size());
        }
    }
    if (open && reply.holdOpen)
        hold();
    shutdown(s, SD_SEND);
    closesocket(s);
}

}  // namespace standin
