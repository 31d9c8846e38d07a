#include "text/text_rules.h"

#include <algorithm>

namespace text {
namespace {

// Compares character by character: only single-byte ASCII letters fold, never a trail byte.
bool EqualAt(std::string_view text, size_t at, std::string_view needle, bool ignoreCase) {
    if (at + needle.size() > text.size()) return false;
    for (size_t k = 0; k < needle.size(); ++k) {
        const char a = text[at + k], b = needle[k];
        if (IsLeadByte(static_cast<unsigned char>(a))) {
            if (a != b || (k + 1 < needle.size() && text[at + k + 1] != needle[k + 1])) return false;
            ++k;
            continue;
        }
        if (a == b) continue;
        if (!ignoreCase || FoldAscii(a) != FoldAscii(b)) return false;
    }
    return true;
}

// Index of the first character boundary at or after `from`: walking from the beginning is the only
// way to know whether a byte is a lead or a trail byte.
size_t BoundaryAtOrAfter(std::string_view text, size_t from) {
    size_t i = 0;
    while (i < from && i < text.size()) i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    return i;
}

size_t NextCharacter(std::string_view text, size_t i) {
    return i + (IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1);
}

// Length of the space starting at i (1 or 2), or 0.
size_t SpaceAt(std::string_view text, size_t i) {
    if (text[i] == ' ') return 1;
    if (i + 1 < text.size() && static_cast<unsigned char>(text[i]) == 0xA1 &&
        static_cast<unsigned char>(text[i + 1]) == 0xA1)
        return 2;
    return 0;
}

int FindIndex(std::string_view text, std::string_view needle, size_t from, bool ignoreCase) {
    for (size_t i = BoundaryAtOrAfter(text, from); i < text.size(); i = NextCharacter(text, i))
        if (EqualAt(text, i, needle, ignoreCase)) return static_cast<int>(i);
    return -1;
}

}  // namespace

int Find(std::string_view text, std::string_view needle, int start, bool ignoreCase) {
    if (text.empty()) return -1;
    if (start < 1) start = 1;
    if (static_cast<size_t>(start) > text.size()) return -1;
    const int i = FindIndex(text, needle, static_cast<size_t>(start - 1), ignoreCase);
    return i < 0 ? -1 : i + 1;
}

int FindLast(std::string_view text, std::string_view needle) {
    if (text.empty()) return -1;
    int last = -1;
    for (size_t i = 0; i < text.size(); i = NextCharacter(text, i))
        if (EqualAt(text, i, needle, false)) last = static_cast<int>(i) + 1;
    return last;
}

bool Contains(std::string_view text, std::string_view needle, bool ignoreCase) {
    return Find(text, needle, 1, ignoreCase) != -1;
}

std::string Left(std::string_view text, int n) {
    if (n <= 0) return {};
    return std::string(text.substr(0, static_cast<size_t>(n)));
}

std::string Right(std::string_view text, int n) {
    if (n <= 0) return {};
    const size_t k = std::min(text.size(), static_cast<size_t>(n));
    return std::string(text.substr(text.size() - k));
}

std::string Mid(std::string_view text, int position, int n) {
    if (n <= 0 || position < 1 || static_cast<size_t>(position) > text.size()) return {};
    return std::string(text.substr(static_cast<size_t>(position - 1), static_cast<size_t>(n)));
}

std::string Trim(std::string_view text) {
    size_t b = 0;
    while (b < text.size()) {
        const size_t k = SpaceAt(text, b);
        if (k == 0) break;
        b += k;
    }
    // Walk characters so that the right end is found on a character boundary, never inside one.
    size_t e = b;
    for (size_t i = b; i < text.size();) {
        const size_t k = SpaceAt(text, i);
        if (k != 0) {
            i += k;
            continue;
        }
        i = std::min(NextCharacter(text, i), text.size());
        e = i;
    }
    return std::string(text.substr(b, e - b));
}

std::string RemoveSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t k = SpaceAt(text, i);
        if (k != 0) {
            i += k;
            continue;
        }
        const size_t next = std::min(NextCharacter(text, i), text.size());
        out.append(text.substr(i, next - i));
        i = next;
    }
    return out;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string out;
    size_t i = 0;
    for (;;) {
        const int at = FindIndex(text, from, i, false);
        if (at < 0) break;
        out.append(text.substr(i, static_cast<size_t>(at) - i));
        out.append(to);
        i = static_cast<size_t>(at) + from.size();
    }
    out.append(text.substr(std::min(i, text.size())));
    return out;
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (separator.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    size_t i = 0;
    for (;;) {
        const int at = FindIndex(text, separator, i, false);
        if (at < 0) break;
        pieces.emplace_back(text.substr(i, static_cast<size_t>(at) - i));
        i = static_cast<size_t>(at) + separator.size();
    }
    if (i < text.size()) pieces.emplace_back(text.substr(i));
    return pieces;
}

std::string Lowercase(std::string_view text) {
    std::string out(text);
    for (size_t i = 0; i < out.size();) {
        if (IsLeadByte(static_cast<unsigned char>(out[i]))) {
            i += 2;
            continue;
        }
        out[i] = FoldAscii(out[i]);
        ++i;
    }
    return out;
}

}  // namespace text
