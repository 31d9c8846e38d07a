// PatternMatcher over "VBScript.RegExp": options, quote marker, numbering, failures.
#include "text/pattern_matcher.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

using text::PatternMatcher;

TEST(PatternMatcher, DefaultsIgnoreCase) {
    PatternMatcher m;
    ASSERT_TRUE(m.Create("a(b)", "aBab"));
    EXPECT_EQ(m.MatchCount(), 2);
    EXPECT_EQ(m.SubMatchText(1, 1), "B");
    EXPECT_EQ(m.SubMatchText(2, 1), "b");
    EXPECT_EQ(m.MatchText(1), "aB");
    EXPECT_EQ(m.SubMatchCount(), 1);
    EXPECT_EQ(m.GetPattern(), "a(b)");
}

TEST(PatternMatcher, CaseSensitive) {
    PatternMatcher m;
    ASSERT_TRUE(m.Create("a(b)", "aBab", true));
    EXPECT_EQ(m.MatchCount(), 1);
    EXPECT_EQ(m.SubMatchText(1, 1), "b");
}

TEST(PatternMatcher, QuoteMarker) {
    PatternMatcher m;
    ASSERT_TRUE(m.Create("href=#引号(\\w+)", "<a href=\"x1\">", false, true, true, true));
    EXPECT_EQ(m.MatchCount(), 1);
    EXPECT_EQ(m.SubMatchText(1, 1), "x1");
    ASSERT_TRUE(m.Create("href=#引号", "<a href=\"x1\">", false, true, true, false));
    EXPECT_EQ(m.MatchCount(), 0);
    ASSERT_TRUE(m.Create("href=#引号", "href=#引号", false, true, true, false));
    EXPECT_EQ(m.MatchCount(), 1);  // without the flag the marker is matched as text
}

TEST(PatternMatcher, DotStopsAtLineFeed) {
    struct Options {
        bool caseSensitive, multiline, global;
    };
    for (const Options o : {Options{false, true, true}, Options{true, false, true}, Options{false, false, false}}) {
        PatternMatcher m;
        ASSERT_TRUE(m.Create("a.b", "a\nb", o.caseSensitive, o.multiline, o.global));
        EXPECT_EQ(m.MatchCount(), 0);
    }
}

TEST(PatternMatcher, MultilineAndGlobal) {
    PatternMatcher m;
    ASSERT_TRUE(m.Create("^x", "x\nx"));
    EXPECT_EQ(m.MatchCount(), 2);
    ASSERT_TRUE(m.Create("^x", "x\nx", false, false));
    EXPECT_EQ(m.MatchCount(), 1);
    ASSERT_TRUE(m.Create("x", "xxx", false, true, false));
    EXPECT_EQ(m.MatchCount(), 1);
}

TEST(PatternMatcher, OutOfRangeIsEmpty) {
    PatternMatcher m;
    ASSERT_TRUE(m.Create("a(b)(c)?", "ab"));
    EXPECT_EQ(m.MatchText(0), "");
    EXPECT_EQ(m.MatchText(2), "");
    EXPECT_EQ(m.SubMatchText(1, 0), "");
    EXPECT_EQ(m.SubMatchText(1, 2), "");  // a group that did not take part
    EXPECT_EQ(m.SubMatchText(1, 3), "");
    EXPECT_EQ(m.SubMatchText(-1, 1), "");
}

TEST(PatternMatcher, InvalidPattern) {
    PatternMatcher m;
    ASSERT_TRUE(m.Create("a", "a"));
    EXPECT_FALSE(m.Create("a(b", "ab"));
    EXPECT_EQ(m.MatchCount(), 0);
    EXPECT_EQ(m.MatchText(1), "");
    EXPECT_EQ(m.SubMatchText(1, 1), "");
    EXPECT_EQ(m.SubMatchCount(), 0);
}

TEST(PatternMatcher, GbkTextAndPositions) {
    PatternMatcher m;
    // A lazy group across Chinese text; the position counts GBK bytes.
    ASSERT_TRUE(m.Create("<h2>(.*?)</h2>", "中文<h2>网盘资源</h2>"));
    ASSERT_EQ(m.MatchCount(), 1);
    int matchAt = -2, groupAt = -2;
    EXPECT_EQ(m.MatchText(1, &matchAt), "<h2>网盘资源</h2>");
    EXPECT_EQ(m.SubMatchText(1, 1, &groupAt), "网盘资源");
    EXPECT_EQ(matchAt, 4);
    EXPECT_EQ(groupAt, 8);
}

TEST(PatternMatcher, ReplaceMatches) {
    PatternMatcher m;
    ASSERT_TRUE(m.Create("a(\\d)", "a1 a2"));
    EXPECT_EQ(m.ReplaceMatches("<$1>"), "<1> <2>");
    ASSERT_TRUE(m.Create("a(\\d)", "a1 a2", false, true, false));
    EXPECT_EQ(m.ReplaceMatches("x"), "x a2");
}

TEST(PatternMatcher, OneMatcherPerThread) {
    // Each worker thread owns a matcher and its COM apartment; they run side by side.
    std::vector<int> counts(4, -1);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t, &counts] {
            PatternMatcher m;
            std::string subject;
            for (int k = 0; k <= t; ++k) subject += "<h2>x</h2>";
            for (int round = 0; round < 20; ++round) m.Create("<h2>(.*?)</h2>", subject);
            counts[static_cast<size_t>(t)] = m.MatchCount();
        });
    for (std::thread& th : threads) th.join();
    EXPECT_EQ(counts, (std::vector<int>{1, 2, 3, 4}));
}

}  // namespace
