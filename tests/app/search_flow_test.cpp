// Searches from the main window against the in-process stand-in service: rows, numbering, labels,
// the filter switch, a second search during a slow first one, closing while workers run.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app_fixture.h"
#include "search/codepage.h"
#include "search_service.h"

namespace apptest {
namespace {

class SearchFlowTest : public MainWindowTest {
protected:
    void StartService(int pages, int hits, int latencyMs) {
        standin::ServiceSettings settings;
        settings.pagesPerSite = pages;
        settings.hitsPerPage = hits;
        settings.latencyMs = latencyMs;
        service_ = std::make_unique<standin::SearchService>(settings);
        ASSERT_TRUE(service_->Start());
        search::SetSearchHost("127.0.0.1:" + std::to_string(service_->Port()));
    }
    bool WaitForWorkers() {
        return PumpUntil([] { return search::RunningWorkers().load() == 0; }, 60000);
    }
    void Tick(int id) { SendMessageA(Control(id), BM_SETCHECK, BST_CHECKED, 0); }
    std::vector<std::string> RequestedSites() const {
        std::vector<std::string> sites;
        for (const std::string& r : service_->Requests()) sites.push_back(standin::ParseSearchRequest(r).site);
        return sites;
    }
    std::unique_ptr<standin::SearchService> service_;
};

TEST_F(SearchFlowTest, TwoSitesFillTheListNumberedOn) {
    StartService(2, 4, 0);
    Tick(app::kIdSiteBoxBase + 1);
    Tick(app::kIdSiteBoxBase + 12);
    SetText(app::kIdKeywordEdit, "电影");
    Click(app::kIdSearchButton);
    EXPECT_FALSE(IsWindowEnabled(Control(app::kIdFilterEdit)));
    EXPECT_FALSE(IsWindowVisible(Control(app::kIdFilterButton)));
    ASSERT_TRUE(WaitForWorkers());
    const auto rows = Rows(app::kIdResultList);
    ASSERT_GT(rows.size(), 4u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], std::to_string(i + 1));
        EXPECT_EQ(rows[i][1].rfind("电影", 0), 0u) << rows[i][1];
        EXPECT_EQ(rows[i][2].rfind("https://", 0), 0u) << rows[i][2];
    }
    EXPECT_EQ(WindowText(Control(app::kIdCounterLabel)), search::CounterText(static_cast<int>(rows.size())));
    EXPECT_TRUE(IsWindowEnabled(Control(app::kIdFilterEdit)));
    EXPECT_TRUE(IsWindowVisible(Control(app::kIdFilterButton)));
    EXPECT_EQ(service_->Requests().size(), 4u);
}

TEST_F(SearchFlowTest, ExtraSitesAreSearchedAfterTheCatalogueOnes) {
    StartService(1, 1, 0);
    app::ExtraSitesText() = "x.cn;;y.cn";
    Tick(app::kIdSiteBoxBase + 2);
    Tick(app::kIdOtherSites);  // set directly: no extra-sites window
    SetText(app::kIdKeywordEdit, "k");
    Click(app::kIdSearchButton);
    ASSERT_TRUE(WaitForWorkers());
    std::vector<std::string> sites = RequestedSites();
    std::sort(sites.begin(), sites.end());
    EXPECT_EQ(sites, (std::vector<std::string>{"", "dl.dbank.com", "x.cn", "y.cn"}));
}

TEST_F(SearchFlowTest, SecondSearchDuringASlowFirstShowsOnlyItsOwnRows) {
    StartService(6, 3, 60);
    Tick(app::kIdSiteBoxBase + 1);
    Tick(app::kIdSiteBoxBase + 5);
    SetText(app::kIdKeywordEdit, "aaa");
    Click(app::kIdSearchButton);
    ASSERT_TRUE(PumpUntil([this] { return app::ListRowCount(Control(app::kIdResultList)) > 0; }));
    SetText(app::kIdKeywordEdit, "bbb");
    Click(app::kIdSearchButton);
    ASSERT_TRUE(WaitForWorkers());
    const auto rows = Rows(app::kIdResultList);
    ASSERT_FALSE(rows.empty());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], std::to_string(i + 1));
        EXPECT_EQ(rows[i][1].rfind("bbb", 0), 0u) << rows[i][1];
    }
    EXPECT_EQ(WindowText(Control(app::kIdCounterLabel)), search::CounterText(static_cast<int>(rows.size())));
    EXPECT_TRUE(IsWindowEnabled(Control(app::kIdFilterEdit)));
    // The outdated workers fetched no page after the second search started: of each site, pages
    // for "aaa" stop short of the six pages a finished site asks for.
    int aaaPages = 0;
    for (const std::string& r : service_->Requests()) aaaPages += standin::ParseSearchRequest(r).keyword == "aaa";
    EXPECT_LT(aaaPages, 12);
}

TEST_F(SearchFlowTest, ClosingTheWindowWhileWorkersRunEndsThem) {
    StartService(10, 3, 80);
    for (int n = 1; n <= 4; ++n) Tick(app::kIdSiteBoxBase + n);
    SetText(app::kIdKeywordEdit, "k");
    Click(app::kIdSearchButton);
    ASSERT_TRUE(PumpUntil([this] { return app::ListRowCount(Control(app::kIdResultList)) > 0; }));
    DestroyWindow(main_);
    EXPECT_TRUE(WaitForWorkers());
    EXPECT_LT(service_->Requests().size(), 40u);
}

}  // namespace
}  // namespace apptest
