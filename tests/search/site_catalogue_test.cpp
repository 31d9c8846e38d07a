// The catalogue numbering, the task texts of one request and the query addresses.
#include "search/site_catalogue.h"

#include <gtest/gtest.h>

namespace {

using Ticks = std::array<bool, search::kCatalogueSize>;

Ticks AllTicked() {
    Ticks t;
    t.fill(true);
    return t;
}

TEST(SearchTasks, Requests) {
    Ticks some{};
    some[6] = true;   // 7
    some[0] = true;   // 1
    some[21] = true;  // 22
    struct Case {
        const char* what;
        Ticks ticked;
        bool other;
        std::string_view extra;
        std::vector<std::string> want;
    };
    const Case cases[] = {
        {"nothing ticked", Ticks{}, false, "a.com;b.com", {}},
        {"catalogue ascending", some, false, "a.com", {"1.N.*", "7.N.*", "22.N.*"}},
        {"other, trailing separators", Ticks{}, true, "a.com;b.com;", {"24.N.*a.com", "25.N.*b.com"}},
        {"empty middle piece", Ticks{}, true, "a.com;;b.com", {"24.N.*a.com", "25.N.*", "26.N.*b.com"}},
        {"empty extra text", Ticks{}, true, "", {}},
        {"other unticked ignores extra", Ticks{}, false, "a.com", {}},
        {"piece kept untrimmed", Ticks{}, true, " a.com\r\nb.com", {"24.N.* a.com\r\nb.com"}},
    };
    for (const Case& c : cases) EXPECT_EQ(search::SearchTasks(c.ticked, c.other, c.extra), c.want) << c.what;
}

TEST(SearchTasks, AllSitesAndTwoExtraGiveTwentyFourInOrder) {
    const std::vector<std::string> tasks = search::SearchTasks(AllTicked(), true, "a.com;b.com");
    ASSERT_EQ(tasks.size(), 24u);
    for (int i = 0; i < 22; ++i) EXPECT_EQ(tasks[i], std::to_string(i + 1) + ".N.*");
    EXPECT_EQ(tasks[22], "24.N.*a.com");
    EXPECT_EQ(tasks[23], "25.N.*b.com");
}

TEST(ParseTask, Texts) {
    struct Case {
        std::string_view task;
        bool valid;
        int number;
        std::string domain;
    };
    const Case cases[] = {
        {"1.N.*", true, 1, "pan.baidu.com"},
        {"22.N.*", true, 22, "goodisk.com"},
        {"7", true, 7, std::string(search::CatalogueDomain(7))},  // no separator: one piece
        {"24.N.*a.com", true, 24, "a.com"},
        {"25.N.*", true, 25, ""},
        {"x.N.*a.com", true, 0, ""},  // not a number: 0, empty site term
        {"", false, 0, ""},
        {".N.*", true, 0, ""},         // empty first piece, then nothing
    };
    for (const Case& c : cases) {
        const search::TaskSite site = search::ParseTask(c.task);
        EXPECT_EQ(site.valid, c.valid) << c.task;
        EXPECT_EQ(site.number, c.number) << c.task;
        EXPECT_EQ(site.domain, c.domain) << c.task;
    }
}

TEST(SiteCatalogue, NumbersCaptionsDomains) {
    for (int i = 0; i < search::kCatalogueSize; ++i) {
        EXPECT_EQ(search::kSiteCatalogue[i].number, i + 1);
        EXPECT_FALSE(search::kSiteCatalogue[i].domain.empty());
    }
    EXPECT_EQ(search::kSiteCatalogue[0].caption, "百度网盘");
    EXPECT_EQ(search::kSiteCatalogue[21].caption, search::kSiteCatalogue[21].domain);
    EXPECT_EQ(search::CatalogueDomain(0), "");
    EXPECT_EQ(search::CatalogueDomain(23), "");
}

TEST(QueryAddress, FirstAndNextPages) {
    EXPECT_EQ(search::FirstPageUrl("127.0.0.1:8080", "pan.baidu.com", "%E7%BD%91"),
              "http://127.0.0.1:8080/search?q=site%3Apan.baidu.com%20%E7%BD%91&go=%E6%8F%90%E4%BA%A4&qs=bs&form=QBRE");
    EXPECT_EQ(search::NextPageUrl("h", "d.com", "k", 91), "http://h/search?q=site%3Ad.com%20k&go=%E6%8F%90%E4%BA%A4&qs=bs&&first=91");
    EXPECT_EQ(search::CounterText(12), "资源数：12");
}

}  // namespace
