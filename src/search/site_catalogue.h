// The site catalogue (22 services, fixed numbers), the search task text and the query addresses.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace search {

inline constexpr int kCatalogueSize = 22;
inline constexpr int kFirstExtraSiteNumber = 24;  // extra site j gets 23 + j
inline constexpr std::string_view kTaskSeparator = ".N.*";
inline constexpr std::string_view kNextPageMarker = "<div class=\"sw_next\">下一页</div>";
inline constexpr std::string_view kCounterPrefix = "资源数：";
inline constexpr int kLastPageFirst = 91;  // ten pages: no first, then 11, 21, ..., 91

struct SiteEntry {
    int number;
    std::string_view caption;
    std::string_view domain;
};

// Entry i - 1 is catalogue number i; entry 22's caption is its domain.
extern const std::array<SiteEntry, kCatalogueSize> kSiteCatalogue;

// The domain of catalogue number 1..22, empty for anything else.
std::string_view CatalogueDomain(int number);

// The task texts of one request, in starting order: ticked catalogue numbers ascending, then one per
// ";"-piece of the extra sites when "其他" is ticked.
std::vector<std::string> SearchTasks(const std::array<bool, kCatalogueSize>& ticked, bool otherTicked,
                                     std::string_view extraSitesText);

struct TaskSite {
    bool valid = false;  // false when the text splits into no piece
    int number = 0;
    std::string domain;
};
TaskSite ParseTask(std::string_view task);

// host is a host or host:port.
std::string FirstPageUrl(std::string_view host, std::string_view domain, std::string_view encodedKeyword);
std::string NextPageUrl(std::string_view host, std::string_view domain, std::string_view encodedKeyword, int first);

std::string CounterText(int rows);

}  // namespace search
