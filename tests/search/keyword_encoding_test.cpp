// The byte half of the keyword encoding and the page-to-text rule.
#include "search/keyword_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(PercentEncode, Cases) {
    struct Case {
        std::string_view in;
        bool keep;
        std::string_view want;
    };
    const Case cases[] = {
        {"", true, ""},
        {"Az09-.", true, "Az09-."},
        {"a b", true, "a%20b"},
        {"a/b", true, "a%2Fb"},       // '/' lies between '.' and '0' but is encoded
        {"a_b", true, "a%5Fb"},
        {"\n", true, "%0A"},          // two digits, leading zero
        {"~*'()", true, "%7E%2A%27%28%29"},
        {"\xE4\xB8\xAD", true, "%E4%B8%AD"},
        {"a-1", false, "%61%2D%31"},  // without keepUnreserved every byte is encoded
    };
    for (const Case& c : cases) EXPECT_EQ(search::PercentEncode(c.in, c.keep), c.want) << c.in;
}

TEST(PageToText, StopsAtFirstNul) {
    using namespace std::string_view_literals;
    EXPECT_EQ(search::PageToText("abc"sv), "abc");
    EXPECT_EQ(search::PageToText("ab\0cd"sv), "ab");
    EXPECT_EQ(search::PageToText("\0x"sv), "");
    EXPECT_EQ(search::PageToText(""sv), "");
}

}  // namespace
