#include "search/codepage.h"

#include <windows.h>

#include <vector>

#include "search/keyword_encoding.h"

namespace search {
namespace {

std::string UpToNul(std::string_view s) {
    const size_t nul = s.find('\0');
    return std::string(nul == std::string_view::npos ? s : s.substr(0, nul));
}

}  // namespace

std::wstring ToWide(std::string_view text, unsigned codePage) {
    const std::string s = UpToNul(text);
    if (s.empty()) return {};
    // The buffer is sized by the ANSI reading of the bytes (NUL included), whatever the code page.
    int size = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> buffer(static_cast<size_t>(size), L'\0');
    int n = MultiByteToWideChar(codePage, 0, s.c_str(), -1, buffer.data(), size);
    if (n == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        // Only under another ANSI code page can that size be short; never cut the text then.
        size = MultiByteToWideChar(codePage, 0, s.c_str(), -1, nullptr, 0);
        buffer.assign(static_cast<size_t>(size), L'\0');
        MultiByteToWideChar(codePage, 0, s.c_str(), -1, buffer.data(), size);
    }
    return std::wstring(buffer.data());
}

std::string FromWide(std::wstring_view text, unsigned codePage) {
    const size_t nul = text.find(L'\0');
    const std::wstring w(nul == std::wstring_view::npos ? text : text.substr(0, nul));
    if (w.empty()) return {};
    int size = 2 * WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> buffer(static_cast<size_t>(size), ' ');
    int n = WideCharToMultiByte(codePage, 0, w.c_str(), -1, buffer.data(), size, nullptr, nullptr);
    if (n == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        size = WideCharToMultiByte(codePage, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
        buffer.assign(static_cast<size_t>(size), ' ');
        n = WideCharToMultiByte(codePage, 0, w.c_str(), -1, buffer.data(), size, nullptr, nullptr);
    }
    if (n == 0) return {};
    return UpToNul(std::string_view(buffer.data(), buffer.size()));
}

std::string GbkToUtf8(std::string_view text) { return FromWide(ToWide(text, kCodePageGbk), kCodePageUtf8); }

std::string Utf8ToGbk(std::string_view text) { return FromWide(ToWide(text, kCodePageUtf8), kCodePageGbk); }

std::string EncodeKeyword(std::string_view text, bool keepUnreserved, bool convertToUtf8First) {
    const std::string bytes = convertToUtf8First ? GbkToUtf8(text) : UpToNul(text);
    return PercentEncode(bytes, keepUnreserved);
}

}  // namespace search
