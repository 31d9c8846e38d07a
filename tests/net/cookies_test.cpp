// Cookie merging: received items first, deleted items dropped, duplicates collapsed, names with case.
#include "net/cookies.h"

#include <gtest/gtest.h>

namespace {

TEST(MergeCookies, Cases) {
    struct Case {
        std::string old, received, want;
    };
    const Case cases[] = {
        {"a=1; b=2", "b=3", "b=3; a=1"},  // the received value wins and comes first
        {"a=1", "a=deleted", ""},         // replaced, then dropped as deleted
        {"a=1; a=2", "", "a=1"},          // of two old items with one name the first survives
        {"", "a=1; a=1", "a=1"},          // exact duplicates collapse
        {"", "a=1; a=2", "a=1; a=2"},     // one name, different values: both stay
        {"A=1", "a=2", "a=2; A=1"},       // names compare with case
        {"x=hello world", "", "x=helloworld"},
        {"", "", ""},
        {"a=1;b=2", "c=3", "c=3; a=1; b=2"},  // ";" without a space separates too
        {"k=\xA1\xA1v", "", "k=v"},           // the full-width space goes as well
        {"a=1; b=deleted", "", "a=1"},        // an old deleted item is dropped too
        {"flag; a=1", "flag", "flag; a=1"},   // an item without "=" is its own name
    };
    for (const Case& c : cases) {
        std::string cookies = c.old;
        EXPECT_EQ(net::MergeCookies(cookies, c.received), c.want) << c.old << " + " << c.received;
        EXPECT_EQ(cookies, c.want);
    }
}

TEST(CookieName, Cases) {
    struct Case {
        std::string item, want;
    };
    const Case cases[] = {
        {"a=1", "a"},
        {" a =1", "a"},
        {"a", "a"},
        {"a=b=c", "a"},
        {"\xA1\xA1"
         "a=1",
         "a"},
        {"=1", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(net::CookieName(c.item), c.want) << c.item;
}

TEST(JoinUnique, Cases) {
    struct Case {
        std::string text, separator, want;
    };
    const Case cases[] = {
        {"a; b; a", "; ", "a; b"},
        {"a; a; ", "; ", "a"},  // the trailing empty piece is dropped
        {"", "; ", ""},
        {"x,,x,", ",", "x,"},  // an empty middle piece is a piece of its own
    };
    for (const Case& c : cases)
        EXPECT_EQ(net::JoinUnique(c.text, c.separator), c.want) << c.text;
}

}  // namespace
