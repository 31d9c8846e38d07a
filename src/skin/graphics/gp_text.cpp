// Font, FontFamily and StringFormat over the GDI+ flat API.
#include "skin/graphics/gp_text.h"

namespace skin::gp {

using namespace Gdiplus::DllExports;

FontFamily::FontFamily(std::string_view name) {
    const std::wstring wide = Widen(name);
    GpFontFamily* family = nullptr;
    if (record(GdipCreateFontFamilyFromName(wide.c_str(), nullptr, &family))) reset(family);
}

FontFamily FontFamily::Adopt(GpFontFamily* family) {
    FontFamily f;
    f.reset(family);
    return f;
}

std::string FontFamily::Name() {
    WCHAR name[LF_FACESIZE] = {};
    if (native_ == nullptr || !record(GdipGetFamilyName(native_, name, 0))) return {};
    return Narrow(name);
}

Font::Font(std::string_view family, float emSize, int style, Gdiplus::Unit unit) {
    FontFamily f(family);
    if (!f) {
        record(f.status());
        return;
    }
    GpFont* font = nullptr;
    if (record(GdipCreateFont(f.native(), emSize, style, unit, &font))) reset(font);
}

Font Font::FromDc(HDC dc, HFONT font) {
    Font f;
    HFONT source = font != nullptr ? font : static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
    LOGFONTA lf{};
    if (source == nullptr || GetObjectA(source, sizeof lf, &lf) == 0) {
        f.record(Gdiplus::InvalidParameter);
        return f;
    }
    GpFont* created = nullptr;
    if (f.record(GdipCreateFontFromLogfontA(dc, &lf, &created))) f.reset(created);
    return f;
}

float Font::Size() {
    Gdiplus::REAL size = 0;
    if (native_ != nullptr) record(GdipGetFontSize(native_, &size));
    return size;
}

int Font::Style() {
    INT style = 0;
    if (native_ != nullptr) record(GdipGetFontStyle(native_, &style));
    return style;
}

FontFamily Font::Family() {
    GpFontFamily* family = nullptr;
    if (native_ == nullptr || !record(GdipGetFamily(native_, &family))) return {};
    return FontFamily::Adopt(family);
}

StringFormat::StringFormat(int flags, LANGID language) {
    GpStringFormat* format = nullptr;
    if (record(GdipCreateStringFormat(flags, language, &format))) reset(format);
}

bool StringFormat::SetAlignment(int alignment) {
    return native_ != nullptr &&
           record(GdipSetStringFormatAlign(native_, static_cast<Gdiplus::StringAlignment>(alignment)));
}

bool StringFormat::SetLineAlignment(int alignment) {
    return native_ != nullptr &&
           record(GdipSetStringFormatLineAlign(native_, static_cast<Gdiplus::StringAlignment>(alignment)));
}

bool StringFormat::SetTrimming(int trimming) {
    return native_ != nullptr &&
           record(GdipSetStringFormatTrimming(native_, static_cast<Gdiplus::StringTrimming>(trimming)));
}

}  // namespace skin::gp
