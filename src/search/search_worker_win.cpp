#include "search/search_worker.h"

#include "net/web_fetch.h"
#include "search/codepage.h"
#include "search/extraction.h"
#include "search/keyword_encoding.h"
#include "search/search_state.h"
#include "search/site_catalogue.h"
#include "text/pattern_matcher.h"
#include "text/text_rules.h"

namespace search {

namespace {

std::string FetchPageText(const std::string& url) { return Utf8ToGbk(PageToText(net::WebFetch(url))); }

std::string CurrentKeyword(ResultSink& sink) { return EncodeKeyword(sink.readKeyword(), true, true); }

}  // namespace

bool PublishRow(ResultSink& sink, std::uint32_t generation, const std::string& name, const std::string& address,
                const std::string& count) {
    if (!IsCurrentSearch(generation)) return false;
    const std::optional<int> number = TheRowCounter().Next(generation);
    if (!number) return false;
    const int row = sink.insertRow();
    if (row < 0) return false;
    sink.setCell(row, 0, std::to_string(*number));
    sink.setCell(row, 1, name);
    sink.setCell(row, 2, address);
    sink.setCell(row, 3, count);
    sink.refreshResults();
    sink.setCounterText(CounterText(sink.resultCount()));
    return true;
}

void SearchWorker(std::string_view task, std::uint32_t generation, ResultSink& sink) {
    text::PatternMatcher matcher;
    const TaskSite site = ParseTask(task);
    if (!site.valid) return;
    const std::string host = SearchHost();
    const std::string pattern = ResultPattern(site.domain);

    std::string page = FetchPageText(FirstPageUrl(host, site.domain, CurrentKeyword(sink)));
    matcher.Create(pattern, page);

    ResultsLockGuard lock(TheResultsLock());
    if (!IsCurrentSearch(generation)) return;
    const PublishRowFn publish = [&](const std::string& name, const std::string& address, const std::string& count) {
        PublishRow(sink, generation, name, address, count);
    };
    const PumpInputFn pumpWhenInput = [&] { sink.pumpInput(true); };
    const PumpInputFn pumpAlways = [&] { sink.pumpInput(false); };
    ExtractPage(matcher, true, publish, pumpWhenInput);

    for (int first = 1; text::Contains(page, kNextPageMarker) && first < 90;) {
        if (!IsCurrentSearch(generation)) return;
        sink.pumpInput(true);
        first += 10;
        page = FetchPageText(NextPageUrl(host, site.domain, CurrentKeyword(sink), first));
        matcher.Create(pattern, page);
        if (!IsCurrentSearch(generation)) return;
        ExtractPage(matcher, false, publish, pumpAlways);
    }
    if (!IsCurrentSearch(generation)) return;
    sink.setCounterText(CounterText(sink.resultCount()));
    sink.setFilterEnabled(true);
}

}  // namespace search
