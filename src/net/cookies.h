// Cookie text merging: a cookie jar held as one text of name=value items separated by ";".
#pragma once

#include <string>
#include <string_view>

namespace net {

// Folds the received cookies into the caller's text: received items first, then the old items the
// response did not set again; "=deleted" items are dropped, spaces removed. Stores and returns it.
std::string MergeCookies(std::string& cookies, std::string_view received);

// The text left of the item's first "=" (the whole item without one), outer spaces trimmed.
std::string CookieName(std::string_view item);

// The distinct pieces of the text, in their first order, joined by the separator.
std::string JoinUnique(std::string_view text, std::string_view separator);

}  // namespace net
