// The GBK text rules: positions, character boundaries, case, spaces, splitting.
#include "text/text_rules.h"

#include <gtest/gtest.h>

namespace {

using text::Find;

TEST(SourceCharset, LiteralsAreGbk) {
    // "提示" must reach the program as the GBK bytes CC E1 CA BE.
    EXPECT_EQ(std::string("提示"), std::string("\xCC\xE1\xCA\xBE"));
}

TEST(TextFind, Cases) {
    struct Case {
        std::string_view text, needle;
        int start;
        bool ignoreCase;
        int want;
    };
    const Case cases[] = {
        {"abcabc", "c", 1, false, 3},
        {"abcabc", "c", 4, false, 6},
        {"abcabc", "c", 7, false, -1},
        {"ABC", "b", 0, true, 2},             // a start below 1 counts as 1
        {"ABC", "b", -5, false, -1},          // exact by default
        {"abc", "", 1, false, 1},             // empty needle, non-empty text
        {"", "", 1, false, -1},               // empty needle, empty text
        {"", "a", 1, false, -1},
        {"\x81" "a", "a", 1, false, -1},      // 'a' is the trail byte of one GBK character
        {"\x81" "aa", "a", 1, false, 3},      // the next 'a' stands on its own
        {"\x81" "aa", "a", 2, false, 3},      // a start inside a character moves to the next boundary
        {"\xD6\xD0\xCE\xC4", "\xD0\xCE", 1, false, -1},  // never straddles two characters
        {"\xD6\xD0\xCE\xC4", "\xCE\xC4", 1, false, 3},
        {"\x81\x41", "\x81\x61", 1, true, -1},  // the trail byte is not a letter: no folding
        {"x\x81\x41", "A", 1, true, -1},
        {"HREF=\"", "href=\"", 1, true, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Find(c.text, c.needle, c.start, c.ignoreCase), c.want)
            << "text=" << c.text << " needle=" << c.needle << " start=" << c.start;
}

TEST(TextFindLast, Cases) {
    EXPECT_EQ(text::FindLast("a;b;c", ";"), 4);
    EXPECT_EQ(text::FindLast("abc", ";"), -1);
    EXPECT_EQ(text::FindLast("", ""), -1);
    EXPECT_EQ(text::FindLast("\x81" ";" ";", ";"), 3);  // 81 3B is one character
}

TEST(TextLeftRightMid, Limits) {
    EXPECT_EQ(text::Left("abc", 2), "ab");
    EXPECT_EQ(text::Left("abc", 0), "");
    EXPECT_EQ(text::Left("abc", -1), "");
    EXPECT_EQ(text::Left("abc", 9), "abc");
    EXPECT_EQ(text::Right("abc", 2), "bc");
    EXPECT_EQ(text::Right("abc", 0), "");
    EXPECT_EQ(text::Right("abc", 9), "abc");
    EXPECT_EQ(text::Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(text::Mid("abcdef", 5, 9), "ef");  // shortened at the end
    EXPECT_EQ(text::Mid("abcdef", 0, 2), "");
    EXPECT_EQ(text::Mid("abcdef", 7, 2), "");
    EXPECT_EQ(text::Mid("abcdef", 2, 0), "");
}

TEST(TextSpaces, TrimAndRemove) {
    struct Case {
        std::string_view in, trimmed, removed;
    };
    const Case cases[] = {
        {"  a b  ", "a b", "ab"},
        {"\xA1\xA1" "a\xA1\xA1", "a", "a"},              // full-width spaces
        {"\ta ", "\ta", "\ta"},                           // a tab is not a space
        {"a\r\n", "a\r\n", "a\r\n"},
        {"", "", ""},
        {"   ", "", ""},
        {"\xB0\xA1\xA1", "\xB0\xA1\xA1", "\xB0\xA1\xA1"},  // B0 A1 is a character; A1 alone is not a space
        {"x=hello world", "x=hello world", "x=helloworld"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::Trim(c.in), c.trimmed) << c.in;
        EXPECT_EQ(text::RemoveSpaces(c.in), c.removed) << c.in;
    }
}

TEST(TextReplaceAll, Cases) {
    EXPECT_EQ(text::ReplaceAll("a&amp;b&amp;c", "amp;", ""), "a&b&c");
    EXPECT_EQ(text::ReplaceAll("aaa", "aa", "b"), "ba");  // left to right, not overlapping
    EXPECT_EQ(text::ReplaceAll("Aa", "a", "x"), "Ax");    // case exact
    EXPECT_EQ(text::ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(text::ReplaceAll("href=#引号x", text::kQuoteMarker, "\""), "href=\"x");
}

TEST(TextSplit, Cases) {
    using V = std::vector<std::string>;
    struct Case {
        std::string_view text, sep;
        V want;
    };
    const Case cases[] = {
        {"a;b", ";", V{"a", "b"}},
        {"a;b;", ";", V{"a", "b"}},          // trailing empty piece dropped
        {"a;;b", ";", V{"a", "", "b"}},      // empty middle piece kept
        {";", ";", V{""}},                   // the separator alone gives one empty piece
        {";;", ";", V{"", ""}},
        {"", ";", V{}},                      // an empty text gives no pieces
        {"abc", ";", V{"abc"}},
        {"7.N.*", ".N.*", V{"7"}},
        {"24.N.*pan.example.com", ".N.*", V{"24", "pan.example.com"}},
        {"\x81;x", ";", V{"\x81;x"}},        // 81 3B is one character, not a separator
        {"a\r\nb\r\n", "\r\n", V{"a", "b"}},
    };
    for (const Case& c : cases) EXPECT_EQ(text::Split(c.text, c.sep), c.want) << c.text;
}

TEST(TextLowercase, OnlyAsciiLetters) {
    EXPECT_EQ(text::Lowercase("HTTPS://A.B"), "https://a.b");
    EXPECT_EQ(text::Lowercase("\x81\x41" "B"), "\x81\x41" "b");  // trail byte 'A' unchanged
    EXPECT_EQ(text::Lowercase("\xD6\xD0Z"), "\xD6\xD0z");
}

}  // namespace
