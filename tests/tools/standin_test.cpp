// The stand-in search service: query parsing, pages the extraction reads, paging, misbehaviour.
#include "search_service.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/web_fetch.h"
#include "search/codepage.h"
#include "search/extraction.h"
#include "search/keyword_encoding.h"
#include "text/pattern_matcher.h"
#include "text/text_rules.h"

namespace {

using standin::Misbehaviour;
using standin::SearchService;
using standin::ServiceSettings;

// The address the worker asks for: first page without a first key, later pages with it.
std::string QueryUrl(int port, const std::string& domain, const std::string& keyword, int first) {
    std::string url = "http://127.0.0.1:" + std::to_string(port) + "/search?q=site%3A" + domain + "%20" +
                      search::EncodeKeyword(keyword, true, true);
    url += first == 1 ? "&go=%E6%8F%90%E4%BA%A4&qs=bs&form=QBRE"
                      : "&go=%E6%8F%90%E4%BA%A4&qs=bs&&first=" + std::to_string(first);
    return url;
}

struct Row {
    std::string name, address, count;
    bool operator==(const Row&) const = default;
};

TEST(StandinQuery, Cases) {
    struct Case {
        std::string request;
        bool valid;
        std::string site, keyword;
        int first;
    };
    const Case cases[] = {
        {"/search?q=site%3Apan.baidu.com%20%E7%94%B5%E5%BD%B1&go=x&qs=bs&form=QBRE", true, "pan.baidu.com",
         "\xE7\x94\xB5\xE5\xBD\xB1", 1},  // UTF-8 of the keyword
        {"GET /search?q=site%3Aa.com%20k+w&qs=bs&&first=21 HTTP/1.1\r\nHost: x\r\n\r\n", true, "a.com", "k w", 21},
        {"/search?q=site%3Aa.com", true, "a.com", "", 1},
        {"/search?q=plain&first=0", true, "", "plain", 1},
        {"/other?q=site%3Aa.com", false, "", "", 1},
        {"/search", false, "", "", 1},
    };
    for (const Case& c : cases) {
        const standin::SearchQuery q = standin::ParseSearchRequest(c.request);
        EXPECT_EQ(q.valid, c.valid) << c.request;
        EXPECT_EQ(q.site, c.site) << c.request;
        EXPECT_EQ(q.keyword, c.keyword) << c.request;
        EXPECT_EQ(q.first, c.first) << c.request;
    }
}

TEST(StandinService, PagesGiveTheExpectedRows) {
    ServiceSettings settings;
    settings.pagesPerSite = 3;
    SearchService service(settings);
    ASSERT_TRUE(service.Start());
    const std::string keyword = "电影";
    text::PatternMatcher matcher;
    int rowsSeen = 0, otherSite = 0, counted = 0;
    for (const int first : {1, 11, 21}) {
        const std::string url = QueryUrl(service.Port(), "pan.baidu.com", keyword, first);
        const std::string body = net::WebFetch(url);
        EXPECT_GT(body.size(), 20000u) << first;  // pages of tens of KB
        EXPECT_LT(body.size(), 200000u) << first;
        EXPECT_EQ(net::WebFetch(url), body) << "the same page for the same query";
        const std::string page = search::Utf8ToGbk(search::PageToText(body));
        EXPECT_EQ(text::Contains(page, "<div class=\"sw_next\">下一页</div>"), first < 21) << first;

        ASSERT_TRUE(matcher.Create(search::ResultPattern("pan.baidu.com"), page));
        std::vector<Row> rows;
        search::ExtractPage(matcher, true,
                            [&rows](const std::string& n, const std::string& a, const std::string& c) {
                                rows.push_back({n, a, c});
                            },
                            {});
        std::vector<Row> want;
        standin::SearchQuery q;
        q.valid = true;
        q.site = "pan.baidu.com";
        q.keyword = search::GbkToUtf8(keyword);
        q.first = first;
        for (const standin::ExpectedHit& h : standin::ExpectedHits(q, settings)) {
            otherSite += h.ofSite ? 0 : 1;
            if (!h.ofSite || h.excluded)
                continue;
            want.push_back({search::Utf8ToGbk(h.name), h.address, h.count});
            counted += h.count.empty() ? 0 : 1;
        }
        EXPECT_EQ(rows, want) << first;
        rowsSeen += static_cast<int>(rows.size());
        for (const Row& r : rows) {
            EXPECT_TRUE(text::Contains(r.name, keyword)) << r.name;
            EXPECT_FALSE(text::Contains(r.name, "<strong>")) << r.name;
            EXPECT_FALSE(text::Contains(r.address, "&amp;")) << r.address;
        }
    }
    EXPECT_GT(rowsSeen, 15);
    EXPECT_GT(otherSite, 0);  // the pages carry hits of another site now and then
    EXPECT_GT(counted, 0);    // and download counts

    const std::vector<std::string> log = service.Requests();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(
        log[0].rfind("GET /search?q=site%3Apan.baidu.com%20%E7%94%B5%E5%BD%B1&go=%E6%8F%90%E4%BA%A4&qs=bs&form=QBRE "
                     "HTTP/1.1\r\n",
                     0),
        0u)
        << log[0];
    EXPECT_NE(log[4].find("&first=21 HTTP/1.1"), std::string::npos) << log[4];
}

TEST(StandinService, OtherPathsAreNotFound) {
    SearchService service;
    ASSERT_TRUE(service.Start());
    net::FetchOptions options;
    EXPECT_EQ(net::WebFetch("http://127.0.0.1:" + std::to_string(service.Port()) + "/elsewhere", options), "not found");
    EXPECT_EQ(options.responseHeaders.rfind("HTTP/1.1 404", 0), 0u);
}

TEST(StandinService, Misbehaviour) {
    struct Case {
        Misbehaviour m;
        std::size_t minBody, maxBody;  // what a bounded fetch gets
    };
    const Case cases[] = {
        {Misbehaviour::Garbage, 1, 100000},
        {Misbehaviour::Truncated, 10000, 100000},  // half a page, then the connection closes
        {Misbehaviour::Empty, 0, 0},
        {Misbehaviour::Huge, 1u << 20, 1u << 20},  // cut at the fetch's cap
        {Misbehaviour::Endless, 20000, 1u << 20},  // what came before the time limit
        {Misbehaviour::Silent, 0, 0},
    };
    for (const Case& c : cases) {
        ServiceSettings settings;
        settings.misbehaviour = c.m;
        settings.hugeBytes = 3u << 20;
        SearchService service(settings);
        ASSERT_TRUE(service.Start());
        net::FetchOptions options;
        net::FetchLimits limits;
        limits.maxBody = 1u << 20;
        limits.totalMs = 2500;
        limits.receiveTimeoutMs = 2000;
        const std::string body = net::WebFetch(QueryUrl(service.Port(), "pan.baidu.com", "k", 1), options, limits);
        const std::string name(standin::MisbehaviourName(c.m));
        EXPECT_GE(body.size(), c.minBody) << name;
        EXPECT_LE(body.size(), c.maxBody) << name;
        if (c.m == Misbehaviour::Truncated) {
            EXPECT_FALSE(text::Contains(body, "</html>")) << name;
        }
    }
}

}  // namespace
