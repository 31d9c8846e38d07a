#include "net/cookies.h"

#include <vector>

#include "text/text_rules.h"

namespace net {
namespace {

constexpr std::string_view kDeleted = "=deleted";

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

}  // namespace

std::string CookieName(std::string_view item) {
    const int p = text::Find(item, "=");
    if (p == -1)
        return text::Trim(item);
    return text::Trim(text::Left(item, p - 1));
}

std::string JoinUnique(std::string_view text, std::string_view separator) {
    std::vector<std::string> kept;
    for (std::string& piece : text::Split(text, separator)) {
        bool seen = false;
        for (const std::string& k : kept)
            seen = seen || k == piece;
        if (!seen)
            kept.push_back(std::move(piece));
    }
    std::string out;
    for (const std::string& k : kept) {
        out += k;
        out += separator;
    }
    out.resize(out.size() >= separator.size() ? out.size() - separator.size() : 0);
    return out;
}

std::string MergeCookies(std::string& cookies, std::string_view received) {
    std::vector<std::string> list = text::Split(text::RemoveSpaces(received), ";");
    for (std::string& old : text::Split(text::RemoveSpaces(cookies), ";")) {
        const std::string name = CookieName(old);
        bool known = false;
        for (const std::string& item : list)
            known = known || CookieName(item) == name;
        if (!known)
            list.push_back(std::move(old));
    }
    std::string merged;
    for (const std::string& item : list) {
        if (EndsWith(item, kDeleted))
            continue;
        merged += item;
        merged += "; ";
    }
    merged.resize(merged.size() >= 2 ? merged.size() - 2 : 0);
    cookies = JoinUnique(merged, "; ");
    return cookies;
}

}  // namespace net
