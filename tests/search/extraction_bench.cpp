// Extraction speed: realistic result pages (pattern run plus slicing) and a pathological one-line
// page of many unfinished hits, with the plain lazy pattern and the one that stops at the next hit.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "search/codepage.h"
#include "search/extraction.h"
#include "search_service.h"
#include "text/pattern_matcher.h"

namespace {

constexpr const char* kDomain = "pan.baidu.com";

std::string PlainPattern(const std::string& domain) {
    return "<li class=\"b_algo\"><h2>(.*?)<cite><strong>" + domain + "</strong>";
}

double Now() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Seconds for one pattern run plus extraction; rows counts what was published.
double ExtractOnce(text::PatternMatcher& m, const std::string& pattern, const std::string& page, int& rows) {
    const double t0 = Now();
    m.Create(pattern, page);
    rows = 0;
    search::ExtractPage(m, false, [&rows](const std::string&, const std::string&, const std::string&) { ++rows; }, {});
    return Now() - t0;
}

std::string Pathological(std::size_t bytes) {
    const std::string start = "<li class=\"b_algo\"><h2>";
    const std::string item = start +
                             "<a href=\"https://pan.baidu.com/s/1abc?x=1&amp;y=2\" h=\"ID=SERP,1.1\">标题"
                             "</a></h2><div class=\"b_caption\"><p><strong>文件名</strong>资源分享下载 "
                             "下载次数:12 ..</p></div><div class=\"b_attribution\">没有引用的域名";
    std::string filler;
    while (item.size() + filler.size() < 512)
        filler += "文件资源";
    std::string page;
    while (page.size() < bytes)
        page += item + filler;
    return page;
}

}  // namespace

int main() {
    text::PatternMatcher matcher;
    const std::string plain = PlainPattern(kDomain);
    const std::string bounded = search::ResultPattern(kDomain);

    std::vector<std::string> pages;
    standin::ServiceSettings settings;
    for (int first = 1; first <= 91; first += 10) {
        standin::SearchQuery q;
        q.valid = true;
        q.site = kDomain;
        q.keyword = search::GbkToUtf8("电影");
        q.first = first;
        pages.push_back(search::Utf8ToGbk(standin::ResultPage(q, settings)));
    }
    std::size_t total = 0;
    for (const std::string& p : pages)
        total += p.size();
    std::printf("realistic pages: %zu pages, %.1f KB each on average, 10 hits per page\n", pages.size(),
                static_cast<double>(total) / pages.size() / 1024.0);
    for (const auto& [label, pattern] :
         {std::pair{"plain lazy pattern", plain}, std::pair{"bounded pattern", bounded}}) {
        int rows = 0, allRows = 0;
        double seconds = 0;
        constexpr int kRounds = 5;
        for (int r = 0; r < kRounds; ++r) {
            for (const std::string& p : pages) {
                seconds += ExtractOnce(matcher, pattern, p, rows);
                allRows += rows;
            }
        }
        const double n = static_cast<double>(pages.size() * kRounds);
        std::printf("  %-20s %7.1f pages/s  %6.2f MB/s  %.2f ms/page  rows/page %.1f\n", label, n / seconds,
                    static_cast<double>(total) * kRounds / seconds / 1e6, seconds / n * 1000.0, allRows / n);
    }

    std::printf("pathological one-line page, hit starts every 512 bytes, no cited domain:\n");
    std::printf("  %8s %7s %14s %14s\n", "KB", "starts", "plain (s)", "bounded (s)");
    double lastPlain = 0;
    for (const std::size_t kb : {125u, 250u, 500u, 1000u}) {
        const std::string page = Pathological(kb * 1024);
        int rows = 0;
        const double b = ExtractOnce(matcher, bounded, page, rows);
        char plainText[32] = "skipped";
        // The plain pattern is quadratic here; a run expected to pass a minute is left out.
        if (lastPlain * 4.5 < 60.0) {
            lastPlain = ExtractOnce(matcher, plain, page, rows);
            std::snprintf(plainText, sizeof plainText, "%.3f", lastPlain);
        } else {
            lastPlain *= 4;
        }
        std::printf("  %8zu %7zu %14s %14.3f\n", kb, page.size() / 512, plainText, b);
        std::fflush(stdout);
    }
    return 0;
}
