// Export file bytes and name, the address rule, the extra-sites confirm rule and the fixed texts.
#include "app/app_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(ExportText, Bytes) {
    struct Case {
        const char* what;
        std::vector<app::ExportRow> results, filtered;
        std::string want;
    };
    const Case cases[] = {
        {"both empty", {}, {}, "筛选后：\r\n\r\n"},
        {"two results, one kept",
         {{"甲", "http://a/1"}, {"乙", "http://a/2"}},
         {{"乙", "http://a/2"}},
         "甲      http://a/1\r\n\r\n乙      http://a/2\r\n\r\n筛选后：\r\n\r\n乙      http://a/2\r\n\r\n"},
        {"empty cells", {{"", ""}}, {}, "      \r\n\r\n筛选后：\r\n\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(app::ExportText(c.results, c.filtered), c.want) << c.what;
}

TEST(ExportFileName, NameAndExplorerForm) {
    EXPECT_EQ(app::ExportFileName("Z:\\p", "电影"), "Z:\\p\\电影资源列表.txt");
    EXPECT_EQ(app::ExportFileName("Z:\\p", ""), "Z:\\p\\资源列表.txt");
    struct Case {
        std::string_view in, want;
    };
    const Case cases[] = {
        {"Z:\\p\\\\x资源列表.txt", "Z:\\p\\x资源列表.txt"},  // keyword starting with a backslash
        {"a\\\\\\\\b", "a\\\\b"},
        {"\x81\\\\", "\x81\\\\"},  // 81 5C is one character; the next backslash stands alone
        {"\x81\\\\\\", "\x81\\\\"},
        {"plain", "plain"},
    };
    for (const Case& c : cases) EXPECT_EQ(app::CollapseDoubleBackslashes(c.in), c.want) << c.in;
    EXPECT_EQ(app::ExplorerCommand("Z:\\p\\a.txt"), "explorer /n,/select,\"Z:\\p\\a.txt\"");
}

TEST(IsWebAddress, Schemes) {
    struct Case {
        std::string_view address;
        bool want;
    };
    const Case cases[] = {
        {"http://pan.baidu.com/s/1", true}, {"HTTPS://x", true}, {"HtTp://x", true},
        {"", false}, {"C:\\windows\\system32\\calc.exe", false}, {"file:///etc/passwd", false},
        {"javascript:alert(1)", false}, {" http://x", false}, {"httpx://x", false}, {"http:/x", false},
    };
    for (const Case& c : cases) EXPECT_EQ(app::IsWebAddress(c.address), c.want) << c.address;
}

TEST(NameMatchesFilter, ContainsRule) {
    struct Case {
        std::string_view name, filter;
        bool want;
    };
    const Case cases[] = {
        {"abc", "", true}, {"", "", false}, {"Movie", "movie", false}, {"电影abc", "abc", true},
        {"\x81" "a", "a", false},  // 'a' is a trail byte there
    };
    for (const Case& c : cases) EXPECT_EQ(app::NameMatchesFilter(c.name, c.filter), c.want) << c.name << "/" << c.filter;
}

TEST(JudgeExtraSites, ConfirmRules) {
    using V = app::ExtraSitesVerdict;
    struct Case {
        std::string_view text;
        V want;
    };
    const Case cases[] = {
        {"", V::Empty}, {"a.com;b.com;", V::EndsWithSemicolon}, {"a.com;b.com; ", V::Accept},
        {" ", V::Accept}, {"a.com\r\nb.com", V::Accept}, {";", V::EndsWithSemicolon},
    };
    for (const Case& c : cases) EXPECT_EQ(app::JudgeExtraSites(c.text), c.want) << c.text;
}

TEST(FixedTexts, AboutAndHelp) {
    EXPECT_EQ(app::AboutText(), "作者：墨渊工坊\r\n\r\nQQ群:458127603");
    EXPECT_EQ(app::ExtraSitesHelpText(),
              "只需写入网址 如：百度网盘的首页地址是：pan.baidu.com 在编辑框里面就是\r\n\r\npan.baidu.com\r\n\r\n"
              "支持多个网址 每个网址之间请用英文分号隔开\r\n\r\n如：pan.baidu.com;yunpan.cn");
}

}  // namespace
