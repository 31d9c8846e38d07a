// Slicing result pages and header lines with plain text markers.
#pragma once

#include <string>
#include <string_view>

namespace text {

// The text between the first left marker (at or after start) and the next right marker. "#引号" in
// either marker stands for a double quote. Letters compare without case unless caseSensitive.
std::string TextBetween(std::string_view text, std::string_view left, std::string_view right, int start = 1,
                        bool caseSensitive = false);

// The text before the first occurrence of the marker (exact unless ignoreCase); empty when absent.
std::string TextLeftOf(std::string_view text, std::string_view marker, int start = 1, bool ignoreCase = false);

// The trimmed text after the first ":", or empty when there is none.
std::string TextAfterColon(std::string_view text);

}  // namespace text
