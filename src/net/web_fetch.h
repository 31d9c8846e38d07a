// Page fetch over HTTP with the system's internet client, and the pure steps it is made of:
// URL parts, request flags, header completion and reading the response header block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace net {

inline constexpr std::string_view kDefaultUserAgent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; K2DX9; .NET CLR 2.0.50727; .NET CLR 3.0.04506.648; "
    ".NET CLR 3.5.21022)";

// Optional inputs and outputs of one fetch; a left-out text is empty, a left-out flag false.
struct FetchOptions {
    int method = 0;                      // 1 = POST, else GET; a body is sent for every value but 0
    std::string postText;                // body when postBytes is empty
    std::optional<std::string> cookies;  // in/out: supplied means the platform's cookie store is off
    std::string receivedCookies;         // out: name=value of every Set-Cookie, joined by "; "
    std::string headers;                 // in/out: extra lines (CR LF); on return the block sent
    std::string redirectAddress;         // out: last Location, else a copy of responseHeaders
    bool noRedirect = false;
    std::string postBytes;
    std::optional<std::string> proxy;  // proxy for HTTP requests
    std::string responseHeaders;       // out: raw response header block
};

// Bounds of one fetch, so that a server that never ends or trickles its answer cannot hold the
// caller (a worker holding the results lock) forever nor fill memory. Times in milliseconds.
struct FetchLimits {
    std::size_t maxBody = 8u << 20;
    unsigned connectTimeoutMs = 10000;
    unsigned sendTimeoutMs = 10000;
    unsigned receiveTimeoutMs = 10000;  // per wait for bytes, cut to what is left of the total (Wine
                                        // keeps the value the request was sent with)
    unsigned totalMs = 30000;           // what was read by then is returned
};

// The body of the response, empty when the request could not be made. Never reports an error.
std::string WebFetch(std::string_view url, FetchOptions& options);
std::string WebFetch(std::string_view url);
std::string WebFetch(std::string_view url, FetchOptions& options, const FetchLimits& limits);

// URL parts as the request needs them.
std::string UrlHost(std::string_view url, bool lastTwoLabels = false, bool keepPort = false);
int UrlPort(std::string_view url);  // 0 lets the platform choose the service's default
std::string UrlPath(std::string_view url);

// Request flags (WinINet values, spelled out here so the rule is testable without the platform).
inline constexpr std::uint32_t kFlagReload = 0x80000000u;
inline constexpr std::uint32_t kFlagNeedFile = 0x00000010u;
inline constexpr std::uint32_t kFlagNoCookies = 0x00080000u;
inline constexpr std::uint32_t kFlagNoAutoRedirect = 0x00200000u;
inline constexpr std::uint32_t kFlagSecure = 0x00800000u;
inline constexpr std::uint32_t kFlagIgnoreRedirectToHttps = 0x00004000u;
std::uint32_t RequestFlags(std::string_view url, bool cookiesSupplied, bool noRedirect);

// The browser identification: the caller's User-Agent line if there is one, else the default.
std::string UserAgentFor(std::string_view headers);

// The header block sent: the caller's lines plus Referer, Accept, Accept-Language and Content-Type
// where missing (exact-case search), then the cookie text when it is not empty.
std::string CompleteHeaders(std::string_view headers, std::string_view url, std::string_view cookieText);

struct ResponseFields {
    std::string redirectAddress;
    std::string receivedCookies;
};
ResponseFields ReadResponseHeaders(std::string_view responseHeaders);

}  // namespace net
