// Code-page conversions over the platform's converter: GBK (936) is the program's text,
// UTF-8 (65001) what the search service speaks. Texts end at their first NUL.
#pragma once

#include <string>
#include <string_view>

namespace search {

inline constexpr unsigned kCodePageAnsi = 0;
inline constexpr unsigned kCodePageGbk = 936;
inline constexpr unsigned kCodePageUtf8 = 65001;

std::wstring ToWide(std::string_view text, unsigned codePage = kCodePageUtf8);
std::string FromWide(std::wstring_view text, unsigned codePage = kCodePageAnsi);
std::string GbkToUtf8(std::string_view text);
std::string Utf8ToGbk(std::string_view text);

// The keyword as the query string wants it; the worker passes true for both flags.
std::string EncodeKeyword(std::string_view text, bool keepUnreserved, bool convertToUtf8First);

}  // namespace search
