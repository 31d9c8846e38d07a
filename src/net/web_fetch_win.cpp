// WebFetch over WinINet: one internet handle, connection and request per call, each closed by its owner.
#include "net/web_fetch.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>

#include "net/cookies.h"

namespace net {
namespace {

class InternetHandle {
  public:
    explicit InternetHandle(HINTERNET h = nullptr) : h_(h) {}
    ~InternetHandle() {
        if (h_ != nullptr)
            InternetCloseHandle(h_);
    }
    InternetHandle(InternetHandle&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
    InternetHandle& operator=(InternetHandle&& o) noexcept {
        std::swap(h_, o.h_);
        return *this;
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    HINTERNET get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

  private:
    HINTERNET h_;
};

// <chrono> cannot be compiled with a GBK execution character set; the tick count serves.
using Ticks = ULONGLONG;

void SetTimeout(HINTERNET h, DWORD option, unsigned ms) {
    DWORD value = ms == 0 ? 1 : ms;  // 0 would mean "no limit"
    InternetSetOptionA(h, option, &value, sizeof value);
}

unsigned MsLeft(Ticks deadline) {
    const Ticks now = GetTickCount64();
    return now >= deadline ? 0u : static_cast<unsigned>(deadline - now);
}

std::string RawResponseHeaders(HINTERNET request) {
    std::string block(5000, '\0');
    DWORD size = static_cast<DWORD>(block.size());
    if (!HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, block.data(), &size, nullptr)) {
        // A block longer than the first buffer is read whole rather than dropped.
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size > (1u << 20))
            return {};
        block.assign(size + 1, '\0');
        size = static_cast<DWORD>(block.size());
        if (!HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, block.data(), &size, nullptr))
            return {};
    }
    block.resize(std::min<std::size_t>(size, block.size()));
    return block;
}

}  // namespace

std::string WebFetch(std::string_view url) {
    FetchOptions options;
    return WebFetch(url, options);
}

std::string WebFetch(std::string_view url, FetchOptions& options) {
    return WebFetch(url, options, FetchLimits{});
}

std::string WebFetch(std::string_view url, FetchOptions& options, const FetchLimits& limits) {
    const Ticks deadline = GetTickCount64() + limits.totalMs;
    const std::string urlText(url);
    const char* verb = options.method == 1 ? "POST" : "GET";
    const std::string agent = UserAgentFor(options.headers);

    InternetHandle session;
    if (options.proxy) {
        const std::string proxyList = "http=" + *options.proxy;
        session = InternetHandle(InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_PROXY, proxyList.c_str(), "", 0));
    } else {
        session = InternetHandle(InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_DIRECT, "", "", 0));
    }
    if (!session)
        return {};

    const std::string host = UrlHost(url);
    InternetHandle connection(InternetConnectA(session.get(), host.c_str(), static_cast<INTERNET_PORT>(UrlPort(url)),
                                               "", "", INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection)
        return {};

    const std::string path = UrlPath(url);
    const DWORD flags = RequestFlags(url, options.cookies.has_value(), options.noRedirect);
    InternetHandle request(HttpOpenRequestA(connection.get(), verb, path.c_str(), "HTTP/1.1", "", nullptr, flags, 0));
    if (!request)
        return {};

    // Timeouts go on the request handle: Wine ignores a receive timeout set on the session. Wine
    // also keeps the receive timeout the request was sent with, and closing the request from
    // another thread does not end a blocked wait there, so the total may run one receive timeout over.
    SetTimeout(request.get(), INTERNET_OPTION_CONNECT_TIMEOUT, std::min(limits.connectTimeoutMs, MsLeft(deadline)));
    SetTimeout(request.get(), INTERNET_OPTION_SEND_TIMEOUT, std::min(limits.sendTimeoutMs, MsLeft(deadline)));
    SetTimeout(request.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, std::min(limits.receiveTimeoutMs, MsLeft(deadline)));

    const std::string cookieText = options.cookies.value_or(std::string());
    options.headers = CompleteHeaders(options.headers, url, cookieText);

    std::string body;
    if (options.method == 0) {
        HttpSendRequestA(request.get(), options.headers.c_str(), static_cast<DWORD>(options.headers.size()), nullptr,
                         0);
    } else {
        std::string& payload = options.postBytes.empty() ? options.postText : options.postBytes;
        HttpSendRequestA(request.get(), options.headers.c_str(), static_cast<DWORD>(options.headers.size()),
                         payload.data(), static_cast<DWORD>(payload.size()));
    }

    char piece[1024];
    while (body.size() < limits.maxBody) {
        const unsigned left = MsLeft(deadline);
        if (left == 0)
            break;
        SetTimeout(request.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, std::min(limits.receiveTimeoutMs, left));
        // A read waits until its buffer is full, however slowly the bytes come; asking what is
        // there first makes every wait end with the receive timeout or with the bytes received.
        DWORD available = 0;
        if (!InternetQueryDataAvailable(request.get(), &available, 0, 0) || available == 0)
            break;
        const DWORD want = static_cast<DWORD>(
            std::min<std::size_t>({sizeof piece, limits.maxBody - body.size(), static_cast<std::size_t>(available)}));
        DWORD read = 0;
        if (!InternetReadFile(request.get(), piece, want, &read) || read == 0)
            break;
        body.append(piece, read);
    }

    options.responseHeaders = RawResponseHeaders(request.get());
    request = InternetHandle();
    connection = InternetHandle();
    session = InternetHandle();

    ResponseFields fields = ReadResponseHeaders(options.responseHeaders);
    options.receivedCookies = std::move(fields.receivedCookies);
    options.redirectAddress = std::move(fields.redirectAddress);
    if (options.cookies)
        MergeCookies(*options.cookies, options.receivedCookies);
    return body;
}

}  // namespace net
