#include "search/site_catalogue.h"

#include <cstdlib>

#include "text/text_rules.h"

namespace search {

const std::array<SiteEntry, kCatalogueSize> kSiteCatalogue = {{
    {1, "百度网盘", "pan.baidu.com"},
    {2, "华为网盘", "dl.dbank.com"},
    {3, "迅雷快传", "kuai.xunlei.com"},
    {4, "QQ旋风", "fenxiang.qq.com"},
    {5, "360云盘", "yunpan.cn"},
    {6, "千易网盘", "1000eb.com"},
    {7, "盛大网盘", "everbox.com"},
    {8, "爱问共享", "ishare.iask.sina.com.cn"},
    {9, "CSDN", "download.csdn.net"},
    {10, "金山快盘", "kuaipan.cn"},
    {11, "千脑网盘", "qiannao.com"},
    {12, "115网盘", "115.com"},
    {13, "城通网盘", "ctdisk.com"},
    {14, "vdisk威盘", "vdisk.cn"},
    {15, "一木禾网盘", "yimuhe.com"},
    {16, "163网盘", "163disk.com"},
    {17, "126disk网盘", "126disk.com"},
    {18, "纳米盘", "namipan.com"},
    {19, "400disk网盘", "400gb.com"},
    {20, "迅载网盘", "xunzai.com"},
    {21, "GXP网盘", "gxp.cc"},
    {22, "goodisk.com", "goodisk.com"},
}};

namespace {
constexpr std::string_view kQueryStart = "/search?q=site%3A";
constexpr std::string_view kKeywordSeparator = "%20";
constexpr std::string_view kFirstPageTail = "&go=%E6%8F%90%E4%BA%A4&qs=bs&form=QBRE";
constexpr std::string_view kPagingTail = "&go=%E6%8F%90%E4%BA%A4&qs=bs&&first=";

std::string QueryStart(std::string_view host, std::string_view domain, std::string_view keyword) {
    std::string url = "http://";
    url.append(host).append(kQueryStart).append(domain).append(kKeywordSeparator).append(keyword);
    return url;
}
}  // namespace

std::string_view CatalogueDomain(int number) {
    if (number < 1 || number > kCatalogueSize) return {};
    return kSiteCatalogue[number - 1].domain;
}

std::vector<std::string> SearchTasks(const std::array<bool, kCatalogueSize>& ticked, bool otherTicked,
                                     std::string_view extraSitesText) {
    std::vector<std::string> tasks;
    for (int number = 1; number <= kCatalogueSize; ++number)
        if (ticked[number - 1]) tasks.push_back(std::to_string(number).append(kTaskSeparator));
    if (otherTicked) {
        int j = 0;
        for (const std::string& site : text::Split(extraSitesText, ";")) {
            ++j;
            tasks.push_back(std::to_string(23 + j).append(kTaskSeparator).append(site));
        }
    }
    return tasks;
}

TaskSite ParseTask(std::string_view task) {
    const std::vector<std::string> pieces = text::Split(task, kTaskSeparator);
    TaskSite site;
    if (pieces.empty()) return site;
    site.valid = true;
    // The integer part of the piece's numeric value; a piece that is no number gives 0.
    const double value = std::strtod(pieces[0].c_str(), nullptr);
    site.number = (value >= 1e9 || value <= -1e9) ? 0 : static_cast<int>(value);
    if (site.number >= 1 && site.number <= kCatalogueSize)
        site.domain = CatalogueDomain(site.number);
    else if (site.number >= 23 && pieces.size() >= 2)
        site.domain = pieces[1];
    return site;
}

std::string FirstPageUrl(std::string_view host, std::string_view domain, std::string_view encodedKeyword) {
    return QueryStart(host, domain, encodedKeyword).append(kFirstPageTail);
}

std::string NextPageUrl(std::string_view host, std::string_view domain, std::string_view encodedKeyword, int first) {
    return QueryStart(host, domain, encodedKeyword).append(kPagingTail).append(std::to_string(first));
}

std::string CounterText(int rows) { return std::string(kCounterPrefix).append(std::to_string(rows)); }

}  // namespace search
