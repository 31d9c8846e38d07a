// The search worker against the stand-in search service: paging, the keyword per page, numbering
// across sites, a failed fetch and an outdated search.
#include "search/search_worker.h"

#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "search/search_state.h"
#include "search/site_catalogue.h"
#include "search_service.h"

namespace {

struct Row {
    std::string number, name, address, count;
};

// Records what a worker does to the window; readKeyword asks the test.
class RecordingSink final : public search::ResultSink {
public:
    std::function<std::string(int call)> keyword = [](int) { return std::string("网盘"); };
    std::function<void(int row)> onInsert = [](int) {};

    void clearResults() override {}
    std::string readKeyword() override {
        std::lock_guard<std::mutex> lock(mutex_);
        return keyword(keywordCalls_++);
    }
    int insertRow() override {
        int row;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            rows_.push_back({});
            row = static_cast<int>(rows_.size()) - 1;
        }
        onInsert(row);
        return row;
    }
    void setCell(int row, int column, std::string_view text) override {
        std::lock_guard<std::mutex> lock(mutex_);
        Row& r = rows_.at(static_cast<std::size_t>(row));
        (column == 0 ? r.number : column == 1 ? r.name : column == 2 ? r.address : r.count) = std::string(text);
    }
    void refreshResults() override {}
    int resultCount() override {
        std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<int>(rows_.size());
    }
    void setCounterText(std::string_view text) override {
        std::lock_guard<std::mutex> lock(mutex_);
        counterTexts_.emplace_back(text);
    }
    void setFilterEnabled(bool on) override {
        std::lock_guard<std::mutex> lock(mutex_);
        filterCalls_.push_back(on);
    }
    void pumpInput(bool) override {}

    std::vector<Row> rows() {
        std::lock_guard<std::mutex> lock(mutex_);
        return rows_;
    }
    std::vector<std::string> counterTexts() {
        std::lock_guard<std::mutex> lock(mutex_);
        return counterTexts_;
    }
    std::vector<bool> filterCalls() {
        std::lock_guard<std::mutex> lock(mutex_);
        return filterCalls_;
    }

private:
    std::mutex mutex_;
    int keywordCalls_ = 0;
    std::vector<Row> rows_;
    std::vector<std::string> counterTexts_;
    std::vector<bool> filterCalls_;
};

// Rows the stand-in's page for this query should give.
int ExpectedRows(const standin::SearchQuery& query, const standin::ServiceSettings& settings) {
    int n = 0;
    for (const standin::ExpectedHit& hit : standin::ExpectedHits(query, settings)) n += hit.ofSite && !hit.excluded;
    return n;
}

class SearchWorkerTest : public ::testing::Test {
protected:
    void StartService(standin::ServiceSettings settings) {
        service_ = std::make_unique<standin::SearchService>(settings);
        ASSERT_TRUE(service_->Start());
        search::SetSearchHost("127.0.0.1:" + std::to_string(service_->Port()));
    }
    std::uint32_t NewSearch() {
        const std::uint32_t generation = ++search::SearchGeneration();
        search::TheRowCounter().Reset(generation);
        return generation;
    }
    std::vector<standin::SearchQuery> Queries() const {
        std::vector<standin::SearchQuery> queries;
        for (const std::string& r : service_->Requests()) queries.push_back(standin::ParseSearchRequest(r));
        return queries;
    }
    std::unique_ptr<standin::SearchService> service_;
};

TEST_F(SearchWorkerTest, PagingStopsAtTenPagesOrAtTheFirstPageWithoutTheMarker) {
    struct Case {
        const char* what;
        int pagesPerSite;
        std::vector<int> wantFirsts;
    };
    const Case cases[] = {
        {"every page has the marker", 20, {1, 11, 21, 31, 41, 51, 61, 71, 81, 91}},
        {"first page without the marker", 1, {1}},
        {"three pages", 3, {1, 11, 21}},
    };
    for (const Case& c : cases) {
        standin::ServiceSettings settings;
        settings.pagesPerSite = c.pagesPerSite;
        settings.hitsPerPage = 3;
        StartService(settings);
        RecordingSink sink;
        search::SearchWorker("1.N.*", NewSearch(), sink);
        std::vector<int> firsts;
        int wantRows = 0;
        for (const standin::SearchQuery& q : Queries()) {
            firsts.push_back(q.first);
            EXPECT_EQ(q.site, "pan.baidu.com") << c.what;
            EXPECT_EQ(q.keyword, "\xE7\xBD\x91\xE7\x9B\x98") << c.what;  // 网盘 in UTF-8
            wantRows += ExpectedRows(q, settings);
        }
        EXPECT_EQ(firsts, c.wantFirsts) << c.what;
        const std::vector<Row> rows = sink.rows();
        ASSERT_EQ(static_cast<int>(rows.size()), wantRows) << c.what;
        for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].number, std::to_string(i + 1)) << c.what;
        ASSERT_FALSE(sink.counterTexts().empty());
        EXPECT_EQ(sink.counterTexts().back(), search::CounterText(wantRows)) << c.what;
        EXPECT_EQ(sink.filterCalls(), std::vector<bool>{true}) << c.what;
        service_->Stop();
    }
}

TEST_F(SearchWorkerTest, KeywordIsReadAgainForEveryPage) {
    standin::ServiceSettings settings;
    settings.pagesPerSite = 4;
    settings.hitsPerPage = 2;
    StartService(settings);
    RecordingSink sink;
    sink.keyword = [](int call) { return call < 2 ? std::string("ab") : call == 2 ? std::string("cd") : std::string(); };
    search::SearchWorker("24.N.*x.cn", NewSearch(), sink);
    std::vector<std::string> keywords;
    for (const standin::SearchQuery& q : Queries()) {
        EXPECT_EQ(q.site, "x.cn");
        keywords.push_back(q.keyword);
    }
    EXPECT_EQ(keywords, (std::vector<std::string>{"ab", "ab", "cd", ""}));
}

TEST_F(SearchWorkerTest, TwoSitesGiveContiguousRowsNumberedOn) {
    standin::ServiceSettings settings;
    settings.pagesPerSite = 2;
    settings.hitsPerPage = 4;
    StartService(settings);
    RecordingSink sink;
    const std::uint32_t generation = NewSearch();
    std::thread a([&] { search::SearchWorker("1.N.*", generation, sink); });
    std::thread b([&] { search::SearchWorker("12.N.*", generation, sink); });
    a.join();
    b.join();
    const std::vector<Row> rows = sink.rows();
    ASSERT_GT(rows.size(), 4u);
    // One site's rows, then the other's: the site changes once.
    int changes = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].number, std::to_string(i + 1));
        if (i > 0 && (rows[i].address.find("115") == std::string::npos) !=
                         (rows[i - 1].address.find("115") == std::string::npos))
            ++changes;
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sink.counterTexts().back(), search::CounterText(static_cast<int>(rows.size())));
    EXPECT_EQ(sink.filterCalls(), (std::vector<bool>{true, true}));
}

TEST_F(SearchWorkerTest, FailedFetchFinishesWithoutRows) {
    search::SetSearchHost("127.0.0.1:1");
    RecordingSink sink;
    search::SearchWorker("3.N.*", NewSearch(), sink);
    EXPECT_TRUE(sink.rows().empty());
    EXPECT_EQ(sink.counterTexts(), std::vector<std::string>{"资源数：0"});
    EXPECT_EQ(sink.filterCalls(), std::vector<bool>{true});
}

TEST_F(SearchWorkerTest, TaskWithoutAnyPieceDoesNothing) {
    search::SetSearchHost("127.0.0.1:1");
    RecordingSink sink;
    int keywordReads = 0;
    sink.keyword = [&](int) { ++keywordReads; return std::string("k"); };
    search::SearchWorker("", NewSearch(), sink);
    EXPECT_EQ(keywordReads, 0);
    EXPECT_TRUE(sink.filterCalls().empty());
}

TEST_F(SearchWorkerTest, OutdatedSearchPublishesAndFetchesNothingMore) {
    standin::ServiceSettings settings;
    settings.pagesPerSite = 20;
    settings.hitsPerPage = 5;
    StartService(settings);
    RecordingSink sink;
    const std::uint32_t generation = NewSearch();
    // A new search starts while the third row is being published.
    sink.onInsert = [](int row) {
        if (row == 2) ++search::SearchGeneration();
    };
    search::SearchWorker("1.N.*", generation, sink);
    EXPECT_EQ(service_->Requests().size(), 1u);
    EXPECT_EQ(sink.rows().size(), 3u);
    EXPECT_TRUE(sink.filterCalls().empty());
    EXPECT_EQ(sink.counterTexts().size(), 3u);  // up to the row being published at the switch
}

}  // namespace
