// The primitive GBK text operations: 1-based byte positions, -1 for not found, searches that
// never start inside a double-byte character, ASCII-only case folding, the space and split rules.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace text {

// "#引号": stands for a double quote inside slicing markers and, on request, inside patterns.
inline constexpr std::string_view kQuoteMarker = "#引号";

// A byte of 0x80 or above starts a two-byte GBK character.
constexpr bool IsLeadByte(unsigned char c) { return c >= 0x80; }

constexpr char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Position of the first occurrence at or after start, or -1. A start below 1 counts as 1;
// an empty needle gives 1 for a non-empty text (the start, if inside it) and -1 for an empty one.
int Find(std::string_view text, std::string_view needle, int start = 1, bool ignoreCase = false);
int FindLast(std::string_view text, std::string_view needle);
bool Contains(std::string_view text, std::string_view needle, bool ignoreCase = false);

std::string Left(std::string_view text, int n);
std::string Right(std::string_view text, int n);
std::string Mid(std::string_view text, int position, int n);

// A space is the ASCII space or the full-width space A1 A1; tab, CR and LF are not.
std::string Trim(std::string_view text);
std::string RemoveSpaces(std::string_view text);
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Empty middle pieces stay, an empty last piece is dropped, an empty text gives no pieces.
std::vector<std::string> Split(std::string_view text, std::string_view separator);
std::string Lowercase(std::string_view text);

}  // namespace text
