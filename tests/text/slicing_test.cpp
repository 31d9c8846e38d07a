// TextBetween, TextLeftOf and TextAfterColon as the extraction and the page fetch use them.
#include "text/slicing.h"

#include <gtest/gtest.h>

namespace {

TEST(TextBetween, Cases) {
    struct Case {
        std::string_view text, left, right;
        int start;
        bool caseSensitive;
        std::string_view want;
    };
    const Case cases[] = {
        {"x[a]y[b]", "[", "]", 1, false, "a"},            // first occurrence only
        {"x[a]y[b]", "[", "]", 4, false, "b"},
        {"xa]y", "[", "]", 1, false, ""},                 // left marker absent
        {"x[ay", "[", "]", 1, false, ""},                 // right marker absent
        {"x[]y", "[", "]", 1, false, ""},                 // markers adjacent
        {"<P>cap</P>", "<p>", "</p>", 1, false, "cap"},   // case folded by default
        {"<P>cap</P>", "<p>", "</p>", 1, true, ""},
        {"<a href=\"u\" h=\"x\">", "href=#引号", "#引号 h=", 1, false, "u"},  // quote marker
        {"]x[a]", "[", "]", 0, false, "a"},               // right marker searched after the left one
        {"Set-Cookie: a=1; path=/", "Set-Cookie:", ";", 1, false, " a=1"},
        {"ab[", "[", "]", 1, false, ""},                  // left marker at the very end
    };
    for (const Case& c : cases)
        EXPECT_EQ(text::TextBetween(c.text, c.left, c.right, c.start, c.caseSensitive), c.want) << c.text;
}

TEST(TextLeftOf, Cases) {
    EXPECT_EQ(text::TextLeftOf("文件名下载次数:12", "下载次数"), "文件名");
    EXPECT_EQ(text::TextLeftOf("文件名", "下载次数"), "");  // absent: empty, not the whole text
    EXPECT_EQ(text::TextLeftOf("abcABC", "B"), "abcA");    // exact by default
    EXPECT_EQ(text::TextLeftOf("abcABC", "B", 0, true), "a");
    EXPECT_EQ(text::TextLeftOf("abc", "a"), "");
}

TEST(TextAfterColon, Cases) {
    EXPECT_EQ(text::TextAfterColon("Location: http://a/b"), "http://a/b");
    EXPECT_EQ(text::TextAfterColon("Location:\xA1\xA1http://a/b "), "http://a/b");
    EXPECT_EQ(text::TextAfterColon("no colon"), "");
    EXPECT_EQ(text::TextAfterColon("a:b:c"), "b:c");
    EXPECT_EQ(text::TextAfterColon("x:"), "");
}

}  // namespace
