// The pure steps of a fetch: URL parts, request flags, identification, header block, response headers.
#include "net/web_fetch.h"

#include <gtest/gtest.h>

namespace {

using namespace net;

TEST(UrlParts, Cases) {
    struct Case {
        std::string url, host, hostWithPort;
        int port;
        std::string path;
    };
    const Case cases[] = {
        {"http://www.a.com/search?q=x", "www.a.com", "www.a.com", 80, "/search?q=x"},
        {"https://pan.a.com/s/1", "pan.a.com", "pan.a.com", 443, "/s/1"},
        {"HTTPS://Pan.A.com/S/1", "pan.a.com", "pan.a.com", 443, "/S/1"},  // path keeps its case
        {"http://127.0.0.1:8080/x", "127.0.0.1", "127.0.0.1:8080", 8080, "/x"},
        {"https://a.com:8443", "a.com", "a.com:8443", 8443, "/"},
        {"a.com/x?y=1", "a.com", "a.com", 80, "/x?y=1"},  // no scheme: http
        {"a.com:81", "a.com", "a.com:81", 81, "/"},
        {"http://a.com", "a.com", "a.com", 80, "/"},
        {"http://a.com:x/", "a.com", "a.com:x", 0, "/"},          // not a number: default
        {"http://a.com:70000/", "a.com", "a.com:70000", 0, "/"},  // no port has that number
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UrlHost(c.url), c.host) << c.url;
        EXPECT_EQ(UrlHost(c.url, false, true), c.hostWithPort) << c.url;
        EXPECT_EQ(UrlPort(c.url), c.port) << c.url;
        EXPECT_EQ(UrlPath(c.url), c.path) << c.url;
    }
}

TEST(UrlParts, LastTwoLabels) {
    EXPECT_EQ(UrlHost("http://x.pan.a.com:81/", true, false), "a.com");
    EXPECT_EQ(UrlHost("http://localhost/", true, false), "localhost");
}

TEST(RequestFlags, Cases) {
    struct Case {
        std::string url;
        bool cookies, noRedirect;
        std::uint32_t want;
    };
    const std::uint32_t base = kFlagReload | kFlagNeedFile;
    const Case cases[] = {
        {"http://a.com/", false, false, base | kFlagIgnoreRedirectToHttps},
        {"HtTpS://a.com/", false, false, base | kFlagSecure},
        {"a.com/", true, false, base | kFlagIgnoreRedirectToHttps | kFlagNoCookies},
        {"https://a.com/", true, true, base | kFlagSecure | kFlagNoCookies | kFlagNoAutoRedirect},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RequestFlags(c.url, c.cookies, c.noRedirect), c.want) << c.url;
    EXPECT_EQ(base, 0x80000010u);
}

TEST(UserAgentFor, Cases) {
    struct Case {
        std::string headers, want;
    };
    const Case cases[] = {
        {"", std::string(kDefaultUserAgent)},
        {"Accept: x", std::string(kDefaultUserAgent)},
        {"User-Agent:  Tester/1 \r\nAccept: x", "Tester/1"},
        {"Accept: x\r\nuser-agent: Last/2", "Last/2"},  // a last line, without CR LF after it
        {"User-Agent: \r\nAccept: x", std::string(kDefaultUserAgent)},
        {"user-agent: Only/3", "Only/3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UserAgentFor(c.headers), c.want) << c.headers;
}

TEST(CompleteHeaders, Cases) {
    const std::string url = "http://a.com/s?q=1";
    const std::string tail =
        "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded";
    struct Case {
        std::string headers, cookies, want;
    };
    const Case cases[] = {
        {"", "", "Referer: " + url + tail},
        {"X-A: 1", "", "X-A: 1\r\nReferer: " + url + tail},
        {"Accept: text/html", "",
         "Accept: text/html\r\nReferer: " + url +
             "\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded"},
        {"accept: text/html", "", "accept: text/html\r\nReferer: " + url + tail},  // small letters do not count
        {"Referer: r\r\nAccept-Language: en\r\nContent-Type: t/x", "",
         "Referer: r\r\nAccept-Language: en\r\nContent-Type: t/x\r\nAccept: */*"},
        {"", "a=1; b=2", "Referer: " + url + tail + "\r\nCookie: a=1; b=2"},
        {"Cookie: z=9", "a=1", "Cookie: z=9\r\nReferer: " + url + tail + "\r\nCookie: a=1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompleteHeaders(c.headers, url, c.cookies), c.want) << c.headers;
}

TEST(ReadResponseHeaders, Cases) {
    struct Case {
        std::string block, redirect, cookies;
    };
    const std::string plain = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n";
    const Case cases[] = {
        {plain, plain, ""},  // no Location: the whole block
        {"HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2; path=/\r\n\r\n",
         "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2; path=/\r\n\r\n", "a=1; b=2"},
        {"HTTP/1.1 302 Found\r\nLocation: http://a.com/1\r\nLocation: http://b.com:81/2\r\n\r\n", "http://b.com:81/2",
         ""},  // the last Location wins
        {"HTTP/1.1 200 OK\r\nSet-Cookie: solo=1\r\nSet-Cookie: b=2; path=/\r\n\r\n",
         "HTTP/1.1 200 OK\r\nSet-Cookie: solo=1\r\nSet-Cookie: b=2; path=/\r\n\r\n",
         "solo=1; b=2"},  // a cookie without attributes is kept
        {"", "", ""},
        {"\r\n", "\r\n", ""},
    };
    for (const Case& c : cases) {
        const ResponseFields f = ReadResponseHeaders(c.block);
        EXPECT_EQ(f.redirectAddress, c.redirect) << c.block;
        EXPECT_EQ(f.receivedCookies, c.cookies) << c.block;
    }
}

}  // namespace
