#include "text/slicing.h"

#include "text/text_rules.h"

namespace text {

std::string TextBetween(std::string_view text, std::string_view left, std::string_view right, int start,
                        bool caseSensitive) {
    const std::string l = ReplaceAll(left, kQuoteMarker, "\"");
    const std::string r = ReplaceAll(right, kQuoteMarker, "\"");
    int p1 = Find(text, l, start, !caseSensitive);
    if (p1 == -1) return {};
    p1 += static_cast<int>(l.size());
    const int p2 = Find(text, r, p1, !caseSensitive);
    if (p2 == -1) return {};
    return Mid(text, p1, p2 - p1);
}

std::string TextLeftOf(std::string_view text, std::string_view marker, int start, bool ignoreCase) {
    const int p = Find(text, marker, start < 1 ? 1 : start, ignoreCase);
    if (p == -1) return {};
    return Left(text, p - 1);
}

std::string TextAfterColon(std::string_view text) {
    const int p = Find(text, ":");
    if (p == -1) return {};
    return Trim(text.substr(static_cast<size_t>(p)));
}

}  // namespace text
