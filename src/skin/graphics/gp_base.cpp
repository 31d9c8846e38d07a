// Statuses, GBK/UTF-16 conversion and the GDI+ session of the object layer.
#include "skin/graphics/gp_base.h"

namespace skin::gp {

namespace {
Status gLastStatus = Gdiplus::Ok;
}

Status LastStatus() noexcept { return gLastStatus; }

bool Record(Status& own, Status s) noexcept {
    own = s;
    gLastStatus = s;
    return s == Gdiplus::Ok;
}

std::wstring Widen(std::string_view gbk) {
    if (gbk.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, gbk.data(), static_cast<int>(gbk.size()), out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

Session::Session() noexcept {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) token_ = token;
}

Session::~Session() {
    if (token_ != 0) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace skin::gp
