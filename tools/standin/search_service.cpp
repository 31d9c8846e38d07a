// Built with UTF-8 literals: the pages are what the search engine sends, not the program's GBK.
#include "search_service.h"

#include <cstdint>
#include <cstdlib>

namespace standin {
namespace {

constexpr std::string_view kHitStart = "<li class=\"b_algo\">";
constexpr std::string_view kNextPage = "<div class=\"sw_next\">下一页</div>";
constexpr std::string_view kExcluded = "百度网盘为您提供";
constexpr std::string_view kOtherDomain = "tieba.baidu.com";

const char* const kWords[] = {"高清", "合集", "电子书", "教程", "全集", "无损音乐", "源码", "纪录片", "中字", "完整版"};
const char* const kKinds[] = {".zip", ".rar", ".pdf", ".mp4", ".7z", ".epub", ".mkv", ".flac"};
const char* const kFiller[] = {"分享", "文件", "资源", "更新", "目录", "大小", "格式", "时间",
                               "用户", "链接", "网盘", "下载", "在线", "预览", "保存", "提取"};

std::uint32_t Hash(std::string_view a, std::string_view b, int n) {
    std::uint32_t h = 2166136261u;
    const auto mix = [&h](unsigned char c) { h = (h ^ c) * 16777619u; };
    for (const char c : a)
        mix(static_cast<unsigned char>(c));
    mix(0);
    for (const char c : b)
        mix(static_cast<unsigned char>(c));
    mix(0);
    for (int i = 0; i < 4; ++i)
        mix(static_cast<unsigned char>(n >> (8 * i)));
    return h;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string PercentDecode(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && HexValue(s[i + 1]) >= 0 && HexValue(s[i + 2]) >= 0) {
            out.push_back(static_cast<char>(HexValue(s[i + 1]) * 16 + HexValue(s[i + 2])));
            i += 2;
        } else {
            out.push_back(s[i] == '+' ? ' ' : s[i]);
        }
    }
    return out;
}

std::string HtmlEscape(std::string_view s) {
    std::string out;
    for (const char c : s) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

std::string Token(std::uint32_t h, int length) {
    static constexpr char kAlphabet[] = "abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    std::string t;
    for (int i = 0; i < length; ++i) {
        t.push_back(kAlphabet[h % (sizeof kAlphabet - 1)]);
        h = h * 1103515245u + 12345u;
    }
    return t;
}

// Text of about `bytes` bytes that reads like a snippet, the same for the same seed.
std::string Filler(std::uint32_t seed, std::size_t bytes) {
    std::string out;
    while (out.size() < bytes) {
        seed = seed * 1103515245u + 12345u;
        out += kFiller[(seed >> 16) % (sizeof kFiller / sizeof kFiller[0])];
        if ((seed >> 8) % 5 == 0)
            out += "，";
    }
    return out;
}

struct Hit {
    ExpectedHit expected;
    std::string caption;  // as written into the page
    std::string title;
    std::string pageAddress;  // with &amp;
    std::string cited;
    std::uint32_t seed = 0;
};

Hit MakeHit(const SearchQuery& q, int number) {
    Hit hit;
    const std::uint32_t h = Hash(q.site, q.keyword, number);
    hit.seed = h;
    const std::string kw = HtmlEscape(q.keyword);
    const std::string word = kWords[h % 10];
    const std::string kind = kKinds[(h / 10) % 8];
    hit.expected.ofSite = (h / 100) % 7 != 3;
    hit.expected.excluded = hit.expected.ofSite && (h / 1000) % 11 == 5;
    hit.cited = hit.expected.ofSite ? q.site : std::string(kOtherDomain);
    const std::string code = Token(h, 22);
    const std::string pwd = Token(h ^ 0x5bd1e995u, 4);
    hit.pageAddress = "https://" + hit.cited + "/s/1" + code + "?pwd=" + pwd + "&amp;from=share";
    hit.expected.address = "https://" + hit.cited + "/s/1" + code + "?pwd=" + pwd + "&from=share";
    hit.title =
        "<strong>" + kw + "</strong>" + word + kind + "_免费高速下载|" + (hit.expected.ofSite ? "网盘" : "贴吧");
    const std::string stem = "<strong>" + kw + "</strong>" + word + " 第" + std::to_string(number) + "部" + kind + " ";
    if (hit.expected.excluded) {
        hit.caption = std::string(kExcluded) + "<strong>" + kw + "</strong>文件的分享与下载";
    } else if ((h / 7) % 3 == 0) {
        hit.expected.count = std::to_string((h >> 12) % 5000);
        hit.caption = stem + "下载次数:" + hit.expected.count + " .. 分享时间:2025-0" + std::to_string(1 + h % 9) +
                      "-1" + std::to_string(h % 10);
    } else {
        hit.caption = stem + "大小:" + std::to_string(1 + (h >> 8) % 900) + "MB";
    }
    if (!hit.expected.excluded) {
        std::string plain = hit.caption;
        for (const std::string_view tag : {std::string_view("<strong>"), std::string_view("</strong>")}) {
            for (std::size_t p; (p = plain.find(tag)) != std::string::npos;)
                plain.erase(p, tag.size());
        }
        hit.expected.name = hit.expected.count.empty() ? plain : plain.substr(0, plain.find("下载次数"));
    }
    return hit;
}

void WriteHit(std::string& page, const Hit& hit, int number) {
    page += kHitStart;
    page += "<h2><a href=\"" + hit.pageAddress + "\" h=\"ID=SERP," + std::to_string(5000 + number * 17) + ".1\">" +
            hit.title + "</a></h2><div class=\"b_caption\"><p>" + hit.caption +
            "</p></div><div class=\"b_attribution\" u=\"" + std::to_string(hit.seed) + "\"><cite><strong>" + hit.cited +
            "</strong>/s/" + Token(hit.seed, 8) + "</cite><span class=\"c_tlbxTrg\"></span></div>";
    // What real result items carry besides the parts that are read: fact rows, deep links, scripts.
    page += "<div class=\"b_factrow b_twofr\"><div class=\"b_vlist2col\"><ul><li><span>" + Filler(hit.seed, 600) +
            "</span></li><li><span>" + Filler(hit.seed + 1, 600) + "</span></li></ul></div></div>";
    page += "<div class=\"b_deeplinks_block\" data-id=\"" + Token(hit.seed + 2, 16) + "\">" +
            Filler(hit.seed + 3, 900) + "</div></li>";
}

std::string PageHead(const SearchQuery& q) {
    std::string page =
        "<!DOCTYPE html><html dir=\"ltr\" lang=\"zh\"><head><meta charset=\"utf-8\"><title>site:" + HtmlEscape(q.site) +
        " " + HtmlEscape(q.keyword) + " - 搜索</title><style>";
    for (int i = 0; i < 300; ++i)
        page += ".b_c" + std::to_string(i) + "{margin:0 " + std::to_string(i % 9) + "px;color:#70757a;line-height:1." +
                std::to_string(i % 7) + "}";
    page += "</style><script>var _G={ST:(new Date),Mkt:\"zh-CN\",IG:\"" + Token(Hash(q.site, q.keyword, 0), 32) +
            "\"};</script></head><body><div id=\"b_header\"><form action=\"/search\"><input name=\"q\" value=\"site:" +
            HtmlEscape(q.site) + " " + HtmlEscape(q.keyword) +
            "\"></form></div><div id=\"b_content\"><ol id=\"b_results\">";
    return page;
}

}  // namespace

SearchQuery ParseSearchRequest(std::string_view request) {
    SearchQuery q;
    std::string_view target = request;
    if (target.rfind("GET ", 0) == 0 || target.rfind("POST ", 0) == 0) {
        target.remove_prefix(target.find(' ') + 1);
        target = target.substr(0, target.find(' '));
    }
    const std::size_t mark = target.find('?');
    if (target.substr(0, mark) != "/search" || mark == std::string_view::npos)
        return q;
    std::string_view rest = target.substr(mark + 1);
    while (!rest.empty()) {
        const std::size_t amp = rest.find('&');
        const std::string_view pair = rest.substr(0, amp);
        rest = amp == std::string_view::npos ? std::string_view() : rest.substr(amp + 1);
        const std::size_t eq = pair.find('=');
        const std::string_view key = pair.substr(0, eq);
        const std::string value = eq == std::string_view::npos ? std::string() : PercentDecode(pair.substr(eq + 1));
        if (key == "q") {
            q.valid = true;
            std::string_view v = value;
            if (v.rfind("site:", 0) == 0) {
                v.remove_prefix(5);
                const std::size_t space = v.find(' ');
                q.site = std::string(v.substr(0, space));
                q.keyword = space == std::string_view::npos ? std::string() : std::string(v.substr(space + 1));
            } else {
                q.keyword = value;
            }
        } else if (key == "first") {
            const int first = std::atoi(value.c_str());
            q.first = first < 1 ? 1 : first;
        }
    }
    return q;
}

std::vector<ExpectedHit> ExpectedHits(const SearchQuery& query, const ServiceSettings& settings) {
    std::vector<ExpectedHit> hits;
    for (int i = 0; i < settings.hitsPerPage; ++i)
        hits.push_back(MakeHit(query, query.first + i).expected);
    return hits;
}

std::string ResultPage(const SearchQuery& query, const ServiceSettings& settings) {
    std::string page = PageHead(query);
    for (int i = 0; i < settings.hitsPerPage; ++i)
        WriteHit(page, MakeHit(query, query.first + i), query.first + i);
    const int pageNumber = (query.first - 1) / 10 + 1;
    page += "<li class=\"b_pag\"><nav role=\"navigation\"><ul class=\"sb_pagF\">";
    for (int n = 1; n <= settings.pagesPerSite; ++n)
        page += "<li><a class=\"b_widePag\" href=\"/search?first=" + std::to_string(10 * (n - 1) + 1) + "\">" +
                std::to_string(n) + "</a></li>";
    if (pageNumber < settings.pagesPerSite)
        page += std::string("<li>") + std::string(kNextPage) + "</li>";
    page += "</ul></nav></li></ol></div><div id=\"b_footer\">" + Filler(Hash(query.site, query.keyword, -1), 2000) +
            "</div></body></html>";
    return page;
}

std::string_view MisbehaviourName(Misbehaviour m) {
    switch (m) {
        case Misbehaviour::None:
            return "none";
        case Misbehaviour::Garbage:
            return "garbage";
        case Misbehaviour::Truncated:
            return "truncated";
        case Misbehaviour::Empty:
            return "empty";
        case Misbehaviour::Huge:
            return "huge";
        case Misbehaviour::Endless:
            return "endless";
        case Misbehaviour::Silent:
            return "silent";
    }
    return "none";
}

bool ParseMisbehaviour(std::string_view name, Misbehaviour& out) {
    for (const Misbehaviour m :
         {Misbehaviour::None, Misbehaviour::Garbage, Misbehaviour::Truncated, Misbehaviour::Empty, Misbehaviour::Huge,
          Misbehaviour::Endless, Misbehaviour::Silent}) {
        if (MisbehaviourName(m) == name) {
            out = m;
            return true;
        }
    }
    return false;
}

SearchService::SearchService(ServiceSettings settings, RequestObserver observer)
    : settings_(settings), server_([this](const std::string& r) { return Answer(r); }, std::move(observer)) {}

Reply SearchService::Answer(const std::string& request) const {
    Reply reply;
    reply.delayMs = settings_.latencyMs;
    const SearchQuery q = ParseSearchRequest(request);
    if (!q.valid) {
        reply.bytes =
            "HTTP/1.1 404 Not Found\r\nContent-Type: text/plain\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot "
            "found";
        return reply;
    }
    const auto head = [](std::size_t length) {
        return "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
               std::to_string(length) + "\r\nConnection: close\r\n\r\n";
    };
    std::string page = ResultPage(q, settings_);
    switch (settings_.misbehaviour) {
        case Misbehaviour::None:
            reply.bytes = head(page.size()) + page;
            break;
        case Misbehaviour::Garbage: {
            std::uint32_t h = Hash(q.site, q.keyword, q.first);
            for (int i = 0; i < 4096; ++i) {
                h = h * 1103515245u + 12345u;
                reply.bytes.push_back(static_cast<char>(h >> 16));
            }
            break;
        }
        case Misbehaviour::Truncated:
            reply.bytes = head(page.size()) + page.substr(0, page.size() / 2);
            break;
        case Misbehaviour::Empty:
            reply.bytes = head(0);
            break;
        case Misbehaviour::Huge: {
            const std::size_t cut = page.rfind("</body>");
            page.insert(cut, settings_.hugeBytes > page.size() ? settings_.hugeBytes - page.size() : 0, ' ');
            reply.bytes = head(page.size()) + page;
            break;
        }
        case Misbehaviour::Endless:
            reply.bytes = "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\n\r\n" +
                          page.substr(0, page.rfind("</body>"));
            reply.endless = true;
            reply.pieceBytes = 1024;
            reply.pieceDelayMs = 20;
            break;
        case Misbehaviour::Silent:
            reply.silent = true;
            break;
    }
    return reply;
}

}  // namespace standin
