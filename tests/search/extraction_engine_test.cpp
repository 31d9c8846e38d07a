// The result pattern run by the real engine over fixture pages, then extraction.
#include <gtest/gtest.h>

#include <vector>

#include "search/extraction.h"
#include "search/extraction_fixture.h"
#include "text/pattern_matcher.h"

namespace {

std::vector<fixture::Row> RowsOf(const std::string& page, std::string_view domain) {
    text::PatternMatcher m;
    EXPECT_TRUE(m.Create(search::ResultPattern(domain), page));
    std::vector<fixture::Row> rows;
    search::ExtractPage(m, false,
                        [&rows](const std::string& n, const std::string& a, const std::string& c) {
                            rows.push_back({n, a, c});
                        },
                        {});
    return rows;
}

TEST(ExtractionEngine, FixturePages) {
    // One hit per line, and the same page on one line as real result pages often are: the hit of
    // another site gives no row there either, and the exclusion after it is still recognised.
    for (const std::string between : {"\n", "", "\r\n"}) {
        EXPECT_EQ(RowsOf(fixture::Page(between), "pan.baidu.com"), fixture::kRows)
            << "separator size " << between.size();
    }
}

TEST(ExtractionEngine, OtherSiteOnly) {
    const std::vector<fixture::Row> rows = RowsOf(fixture::Page(""), "tieba.baidu.com");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "贴吧帖子");
    EXPECT_EQ(rows[0].address, "https://tieba.baidu.com/p/2");
}

TEST(ExtractionEngine, HitsThatDoNotMatch) {
    const std::string hit = fixture::kHits[0];
    struct Case {
        std::string page;
        std::string domain;
        size_t rows;
    };
    const Case cases[] = {
        {hit, "pan.baidu.com", 1},
        {hit, "PAN.BAIDU.COM", 1},  // letters compare without case
        {hit, "pan.baidu.co", 0},   // "</strong>" must follow the domain
        {hit, "pan_baidu_com", 0},
        {"<li class=\"b_algo\"><h2>\n" + hit.substr(23), "pan.baidu.com", 0},  // the group stays on one line
        {"<li class=\"b_algo\"><h2>unfinished " + hit, "pan.baidu.com", 1},    // an unfinished hit before
        {"", "pan.baidu.com", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowsOf(c.page, c.domain).size(), c.rows) << c.domain << " " << c.page;
}

TEST(ExtractionEngine, DotInDomainMatchesAnyCharacter) {
    std::string hit = fixture::kHits[0];
    hit.replace(hit.find("<strong>pan.baidu.com"), 21, "<strong>pan-baidu-com");
    EXPECT_EQ(RowsOf(hit, "pan.baidu.com").size(), 1u);
}

}  // namespace
