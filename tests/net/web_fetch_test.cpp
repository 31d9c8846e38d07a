// WebFetch against a loopback server that records each raw request.
#include "net/web_fetch.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "loopback_server.h"

namespace {

using net::FetchLimits;
using net::FetchOptions;
using net::WebFetch;
using standin::LoopbackServer;
using standin::Reply;

Reply Ok(const std::string& body, const std::string& extraHeaders = "") {
    Reply r;
    r.bytes = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n" + extraHeaders +
              "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    return r;
}

std::string Base(const LoopbackServer& s) {
    return "http://127.0.0.1:" + std::to_string(s.Port());
}

std::string HeadOf(const std::string& request) {
    return request.substr(0, request.find("\r\n\r\n") + 4);
}

double Seconds(ULONGLONG since) {
    return static_cast<double>(GetTickCount64() - since) / 1000.0;
}

TEST(WebFetch, PlainGetSendsExactlyTheCompletedBlock) {
    LoopbackServer server([](const std::string&) { return Ok("hello body"); });
    ASSERT_TRUE(server.Start());
    const std::string url = Base(server) + "/echo?q=%E7%BD%91&first=1";
    FetchOptions options;
    EXPECT_EQ(WebFetch(url, options), "hello body");
    ASSERT_EQ(server.Requests().size(), 1u);
    const std::string block = "Referer: " + url +
                              "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\nContent-Type: "
                              "application/x-www-form-urlencoded";
    EXPECT_EQ(HeadOf(server.Requests()[0]),
              "GET /echo?q=%E7%BD%91&first=1 HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.Port()) +
                  "\r\nUser-Agent: " + std::string(net::kDefaultUserAgent) + "\r\n" + block + "\r\n\r\n");
    EXPECT_EQ(options.headers, block);
    EXPECT_EQ(options.responseHeaders.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
    EXPECT_EQ(options.redirectAddress, options.responseHeaders);  // no Location
    EXPECT_EQ(options.receivedCookies, "");
}

TEST(WebFetch, CallerHeaders) {
    LoopbackServer server([](const std::string&) { return Ok("x"); });
    ASSERT_TRUE(server.Start());
    const std::string url = Base(server) + "/h";
    struct Case {
        std::string headers, block;  // the caller's lines, the block handed to the platform
        std::string sentAfterAgent;  // the request's lines after Host and User-Agent
        std::string agent;
    };
    const std::string tail = "Accept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded";
    const Case cases[] = {
        {"Accept: text/html", "Accept: text/html\r\nReferer: " + url + "\r\n" + tail,
         "Accept: text/html\r\nReferer: " + url + "\r\n" + tail + "\r\n", ""},
        // The small "accept:" does not count, so a second line is appended; the platform then
        // merges header names without case and the later line replaces the earlier one.
        {"accept: text/html", "accept: text/html\r\nReferer: " + url + "\r\nAccept: */*\r\n" + tail,
         "Referer: " + url + "\r\nAccept: */*\r\n" + tail + "\r\n", ""},
        {"Referer: http://r/\r\nX-Mine: 1", "Referer: http://r/\r\nX-Mine: 1\r\nAccept: */*\r\n" + tail,
         "Referer: http://r/\r\nX-Mine: 1\r\nAccept: */*\r\n" + tail + "\r\n", ""},
        {"User-Agent: Tester/1.0\r\nX-A: 1",
         "User-Agent: Tester/1.0\r\nX-A: 1\r\nReferer: " + url + "\r\nAccept: */*\r\n" + tail,
         "X-A: 1\r\nReferer: " + url + "\r\nAccept: */*\r\n" + tail + "\r\n", "Tester/1.0"},
    };
    for (const Case& c : cases) {
        FetchOptions options;
        options.headers = c.headers;
        WebFetch(url, options);
        EXPECT_EQ(options.headers, c.block);
        const std::string head = HeadOf(server.Requests().back());
        const std::string agent = c.agent.empty() ? std::string(net::kDefaultUserAgent) : c.agent;
        EXPECT_EQ(head, "GET /h HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.Port()) +
                            "\r\nUser-Agent: " + agent + "\r\n" + c.sentAfterAgent + "\r\n")
            << c.headers;
    }
}

TEST(WebFetch, UrlWithoutSchemeAndPost) {
    LoopbackServer server([](const std::string&) { return Ok("posted"); });
    ASSERT_TRUE(server.Start());
    FetchOptions options;
    options.method = 1;
    options.postText = "a=1&b=2";
    EXPECT_EQ(WebFetch("127.0.0.1:" + std::to_string(server.Port()) + "/form?x=1", options), "posted");
    const std::string request = server.Requests().back();
    EXPECT_EQ(request.rfind("POST /form?x=1 HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nContent-Length: 7\r\n"), std::string::npos) << request;
    EXPECT_EQ(request.substr(request.size() - 7), "a=1&b=2");
}

TEST(WebFetch, CookiesAndLocation) {
    LoopbackServer server([](const std::string&) {
        Reply r;
        r.bytes =
            "HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:1/first\r\nSet-Cookie: a=1; path=/\r\n"
            "Set-Cookie: b=2; path=/\r\nLocation: http://127.0.0.1:1/last\r\nContent-Length: 5\r\n"
            "Connection: close\r\n\r\nmoved";
        return r;
    });
    ASSERT_TRUE(server.Start());
    FetchOptions options;
    options.cookies = "c=3; a=0";
    options.noRedirect = true;
    EXPECT_EQ(WebFetch(Base(server) + "/c", options), "moved");
    EXPECT_EQ(options.receivedCookies, "a=1; b=2");
    EXPECT_EQ(*options.cookies, "a=1; b=2; c=3");
    EXPECT_EQ(options.redirectAddress, "http://127.0.0.1:1/last");
    const std::string request = server.Requests().back();
    EXPECT_NE(request.find("\r\nCookie: c=3; a=0\r\n"), std::string::npos) << request;
}

TEST(WebFetch, RefusedPortGivesEmptyBody) {
    int port = 0;
    {
        LoopbackServer gone([](const std::string&) { return Ok("x"); });
        ASSERT_TRUE(gone.Start());
        port = gone.Port();
    }
    FetchOptions options;
    options.headers = "X-Keep: 1";
    EXPECT_EQ(WebFetch("http://127.0.0.1:" + std::to_string(port) + "/", options), "");
    EXPECT_EQ(options.receivedCookies, "");
    EXPECT_EQ(options.responseHeaders.find("HTTP/"), std::string::npos);
}

TEST(WebFetch, BodyIsCapped) {
    const std::string big(9u << 20, 'z');
    LoopbackServer server([&big](const std::string&) { return Ok(big); });
    ASSERT_TRUE(server.Start());
    struct Case {
        std::size_t cap, want;
    };
    const FetchLimits product;
    const Case cases[] = {{1u << 20, 1u << 20}, {product.maxBody, 8u << 20}, {big.size() + 1, big.size()}};
    for (const Case& c : cases) {
        FetchOptions options;
        FetchLimits limits;
        limits.maxBody = c.cap;
        EXPECT_EQ(WebFetch(Base(server) + "/big", options, limits).size(), c.want) << c.cap;
    }
}

TEST(WebFetch, TimeBounds) {
    // A server that trickles forever, one that never answers, and one that stops after a part.
    struct Case {
        const char* what;
        Reply reply;
        bool someBody;
        unsigned totalMs;
    };
    Reply trickle;
    trickle.bytes = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nstart";
    trickle.endless = true;
    trickle.pieceBytes = 10;
    trickle.pieceDelayMs = 50;
    Reply silent;
    silent.silent = true;
    Reply stalls;
    stalls.bytes = "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\npart";
    stalls.endless = true;  // the filler only after a minute
    stalls.pieceDelayMs = 60000;
    // Two seconds of bytes, then nothing. Wine keeps the receive timeout the request was sent with,
    // so the last wait may run one receive timeout past the total.
    Reply trickleThenStall;
    trickleThenStall.bytes = "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n" + std::string(100, 'x');
    trickleThenStall.pieceBytes = 5;
    trickleThenStall.pieceDelayMs = 100;
    trickleThenStall.holdOpen = true;
    const Case cases[] = {{"trickle", trickle, true, 1500},
                          {"silent", silent, false, 1500},
                          {"stalls", stalls, true, 1500},
                          {"trickle then stall", trickleThenStall, true, 3000}};
    for (const Case& c : cases) {
        LoopbackServer server([&c](const std::string&) { return c.reply; });
        ASSERT_TRUE(server.Start());
        FetchOptions options;
        FetchLimits limits;
        limits.totalMs = c.totalMs;
        limits.receiveTimeoutMs = 5000;
        const ULONGLONG start = GetTickCount64();
        const std::string body = WebFetch(Base(server) + "/slow", options, limits);
        const double took = Seconds(start);
        std::printf("%s: %.2f s, %zu bytes\n", c.what, took, body.size());
        EXPECT_LT(took, (limits.totalMs + limits.receiveTimeoutMs) / 1000.0 + 2.0) << c.what;
        EXPECT_EQ(!body.empty(), c.someBody) << c.what;
    }
}

}  // namespace
