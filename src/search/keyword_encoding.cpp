#include "search/keyword_encoding.h"

namespace search {
namespace {

bool Unreserved(unsigned char b) {
    return b == '-' || b == '.' || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

}  // namespace

std::string PercentEncode(std::string_view bytes, bool keepUnreserved) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (keepUnreserved && Unreserved(b)) {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(kHex[b >> 4]);
            out.push_back(kHex[b & 0xF]);
        }
    }
    return out;
}

std::string PageToText(std::string_view body) {
    const size_t nul = body.find('\0');
    return std::string(nul == std::string_view::npos ? body : body.substr(0, nul));
}

}  // namespace search
