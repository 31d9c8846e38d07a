#include "search/extraction.h"

#include "text/slicing.h"
#include "text/text_rules.h"

namespace search {
namespace {

constexpr std::string_view kHitStart = "<li class=\"b_algo\">";
constexpr std::string_view kCaptionLeft = "<div class=\"b_caption\"><p>";
constexpr std::string_view kCaptionRight = "</p>";
constexpr std::string_view kAddressLeft = "href=\"";
constexpr std::string_view kAddressRight = "\" h=";
constexpr std::string_view kCountWord = "下载次数";
constexpr std::string_view kCountLeft = "下载次数:";
constexpr std::string_view kCountRight = " ..";
constexpr std::string_view kExcluded = "百度网盘为您提供";

}  // namespace

std::string ResultPattern(std::string_view domain) {
    // The group may not run over the start of another hit: a hit of another site then fails on its
    // own instead of swallowing the next hit's caption, and a page of many unfinished hits costs
    // linear time instead of quadratic. [^\n] keeps the rule that the group stays on one line.
    std::string p = "<li class=\"b_algo\"><h2>((?:(?!";
    p += kHitStart;
    p += ")[^\\n])*?)<cite><strong>";
    p += domain;
    p += "</strong>";
    return p;
}

std::optional<HitRow> SliceHit(std::string_view item) {
    std::string caption = text::TextBetween(item, kCaptionLeft, kCaptionRight);
    caption = text::ReplaceAll(caption, "<strong>", "");
    caption = text::ReplaceAll(caption, "</strong>", "");
    if (text::Contains(caption, kExcluded))
        return std::nullopt;
    HitRow row;
    if (text::Contains(caption, kCountWord)) {
        row.count = text::TextBetween(caption, kCountLeft, kCountRight, 1, true);
        caption = text::TextLeftOf(caption, kCountWord);
    }
    row.name = std::move(caption);
    row.address = text::ReplaceAll(text::TextBetween(item, kAddressLeft, kAddressRight), "amp;", "");
    return row;
}

void ExtractPage(const text::MatchSource& matcher,
                 bool yieldPerMatch,
                 const PublishRowFn& publishRow,
                 const PumpInputFn& pumpInput) {
    const int n = matcher.MatchCount();
    for (int i = 1; i <= n; ++i) {
        if (yieldPerMatch && pumpInput)
            pumpInput();
        const std::optional<HitRow> row = SliceHit(matcher.SubMatchText(i, 1));
        if (!row) {
            if (pumpInput)
                pumpInput();
            continue;
        }
        if (publishRow)
            publishRow(row->name, row->address, row->count);
    }
}

}  // namespace search
