// A small result page with one hit of each kind the extraction must tell apart, and what it gives.
#pragma once

#include <string>
#include <vector>

namespace fixture {

inline const std::vector<std::string> kHits = {
    // count after the highlighted name; &amp; in the address
    "<li class=\"b_algo\"><h2><a href=\"https://pan.baidu.com/s/1a?x=1&amp;y=2\" h=\"ID=SERP,1.1\">标题一</a></h2>"
    "<div class=\"b_caption\"><p><strong>文件名</strong> 下载次数:12 ..</p></div>"
    "<cite><strong>pan.baidu.com</strong>/s/1a</cite></li>",
    // another site: no row, and it must not take the next hit's place
    "<li class=\"b_algo\"><h2><a href=\"https://tieba.baidu.com/p/2\" h=\"ID=SERP,2.1\">标题二</a></h2>"
    "<div class=\"b_caption\"><p>贴吧帖子</p></div><cite><strong>tieba.baidu.com</strong>/p/2</cite></li>",
    // the exclusion phrase
    "<li class=\"b_algo\"><h2><a href=\"https://pan.baidu.com/s/3\" h=\"ID=SERP,3.1\">标题三</a></h2>"
    "<div class=\"b_caption\"><p>百度网盘为您提供文件的分享</p></div>"
    "<cite><strong>pan.baidu.com</strong>/s/3</cite></li>",
    // the count word without " .." after it
    "<li class=\"b_algo\"><h2><a href=\"https://pan.baidu.com/s/4\" h=\"ID=SERP,4.1\">标题四</a></h2>"
    "<div class=\"b_caption\"><p>报告 下载次数:7 完</p></div><cite><strong>pan.baidu.com</strong>/s/4</cite></li>",
    // other markup and entities stay; markers compare without case
    "<li class=\"b_algo\"><h2><a HREF=\"https://pan.baidu.com/s/5?a=1&amp;b=2&amp;c=3\" h=\"ID=SERP,5.1\">五</a></h2>"
    "<DIV class=\"b_caption\"><P><strong>教程</strong>合集 &lt;新&gt; <b>x</b></p></div>"
    "<cite><strong>pan.baidu.com</strong>/s/5</cite></li>",
    // no caption paragraph: a row with an empty name
    "<li class=\"b_algo\"><h2><a href=\"https://pan.baidu.com/s/6\" h=\"ID=SERP,6.1\">六</a></h2>"
    "<cite><strong>pan.baidu.com</strong>/s/6</cite></li>",
};

struct Row {
    std::string name, address, count;
    bool operator==(const Row&) const = default;
};

inline const std::vector<Row> kRows = {
    {"文件名 ", "https://pan.baidu.com/s/1a?x=1&y=2", "12"},
    {"报告 ", "https://pan.baidu.com/s/4", ""},
    {"教程合集 &lt;新&gt; <b>x</b>", "https://pan.baidu.com/s/5?a=1&b=2&c=3", ""},
    {"", "https://pan.baidu.com/s/6", ""},
};

inline std::string Page(const std::string& between) {
    std::string page = "<html><body><ol id=\"b_results\">" + between;
    for (const std::string& hit : kHits)
        page += hit + between;
    return page + "</ol><div class=\"sw_next\">下一页</div></body></html>";
}

}  // namespace fixture
