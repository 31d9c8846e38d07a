// The byte steps of the keyword and page encodings, free of the platform's converter.
#pragma once

#include <string>
#include <string_view>

namespace search {

// Every byte as "%XX" (two upper-case hex digits), except - . 0-9 A-Z a-z when keepUnreserved.
std::string PercentEncode(std::string_view bytes, bool keepUnreserved);

// A fetched body taken as text: the bytes up to, not including, the first NUL.
std::string PageToText(std::string_view body);

}  // namespace search
