// Conversions through the platform's converter: GBK, UTF-8, the default character, the NUL rule.
#include "search/codepage.h"

#include <gtest/gtest.h>

#include "search/keyword_encoding.h"

namespace {

using namespace std::string_view_literals;

TEST(Codepage, GbkUtf8RoundTrip) {
    EXPECT_EQ(search::GbkToUtf8("中"), "\xE4\xB8\xAD");
    EXPECT_EQ(search::Utf8ToGbk("\xE4\xB8\xAD"), "中");
    EXPECT_EQ(search::GbkToUtf8(""), "");
    EXPECT_EQ(search::Utf8ToGbk(""), "");
    const std::string mixed = "网盘 abc 资源列表.txt";
    EXPECT_EQ(search::Utf8ToGbk(search::GbkToUtf8(mixed)), mixed);
}

TEST(Codepage, CharacterGbkCannotHoldBecomesQuestionMark) {
    // U+263A (white smiling face) and U+1F600 (outside the BMP) have no GBK form.
    EXPECT_EQ(search::Utf8ToGbk("a\xE2\x98\xBA" "b"), "a?b");
    const std::string outside = search::Utf8ToGbk("a\xF0\x9F\x98\x80" "b");
    EXPECT_EQ(outside.front(), 'a');
    EXPECT_EQ(outside.back(), 'b');
    EXPECT_NE(outside.find('?'), std::string::npos);
}

TEST(Codepage, NulInPageBody) {
    const std::string body("\xE4\xB8\xAD\0\xE4\xB8\xAD", 7);
    EXPECT_EQ(search::Utf8ToGbk(search::PageToText(body)), "中");
    EXPECT_EQ(search::Utf8ToGbk(body), "中");  // a text ends at its first NUL anyway
}

TEST(Codepage, InvalidUtf8StaysReadable) {
    const std::string out = search::Utf8ToGbk("a\xFF" "b");
    EXPECT_EQ(out.front(), 'a');
    EXPECT_EQ(out.back(), 'b');
}

TEST(Codepage, WideDefaults) {
    EXPECT_EQ(search::ToWide("\xE4\xB8\xAD"), std::wstring(L"\x4E2D"));  // UTF-8 by default
    EXPECT_EQ(search::ToWide("中", search::kCodePageGbk), std::wstring(L"\x4E2D"));
    EXPECT_EQ(search::FromWide(L"\x4E2D"), "中");  // the ANSI code page (936 here) by default
    EXPECT_EQ(search::FromWide(L"\x4E2D", search::kCodePageUtf8), "\xE4\xB8\xAD");
}

TEST(EncodeKeyword, Cases) {
    struct Case {
        std::string_view in;
        bool keep, utf8;
        std::string_view want;
    };
    const Case cases[] = {
        {"", true, true, ""},
        {"中", true, true, "%E4%B8%AD"},
        {"中", true, false, "%D6%D0"},  // the GBK bytes themselves
        {"win 7/x_y", true, true, "win%207%2Fx%5Fy"},
        {"a.b-c", true, true, "a.b-c"},
        {"ab", false, true, "%61%62"},
    };
    for (const Case& c : cases) EXPECT_EQ(search::EncodeKeyword(c.in, c.keep, c.utf8), c.want) << c.in;
}

}  // namespace
