// Font, FontFamily and StringFormat over the GDI+ flat API. Names cross as GBK text.
#pragma once

#include "skin/graphics/gp_base.h"

#include <string>
#include <string_view>

namespace skin::gp {

struct FamilyFree {
    void operator()(GpFontFamily* p) const noexcept { Gdiplus::DllExports::GdipDeleteFontFamily(p); }
};

class FontFamily : public Owned<GpFontFamily, FamilyFree> {
public:
    FontFamily() = default;
    explicit FontFamily(std::string_view name);
    std::string Name();
    // Takes ownership of a family GDI+ handed out (a clone).
    static FontFamily Adopt(GpFontFamily* family);
};

struct FontFree {
    void operator()(GpFont* p) const noexcept { Gdiplus::DllExports::GdipDeleteFont(p); }
};

class Font : public Owned<GpFont, FontFree> {
public:
    Font() = default;
    // style: Gdiplus::FontStyleRegular (0), FontStyleBold (1), ...
    Font(std::string_view family, float emSize, int style = Gdiplus::FontStyleRegular,
         Gdiplus::Unit unit = Gdiplus::UnitPixel);
    // Through the LOGFONT of the font handle, or of the DC's current font when there is none.
    static Font FromDc(HDC dc, HFONT font = nullptr);
    float Size();
    int Style();
    FontFamily Family();
};

struct FormatFree {
    void operator()(GpStringFormat* p) const noexcept { Gdiplus::DllExports::GdipDeleteStringFormat(p); }
};

class StringFormat : public Owned<GpStringFormat, FormatFree> {
public:
    explicit StringFormat(int flags = 0, LANGID language = 0);
    // 0 near, 1 centre, 2 far.
    bool SetAlignment(int alignment);
    bool SetLineAlignment(int alignment);
    // 3: ellipsis character.
    bool SetTrimming(int trimming);
};

// Exists for completeness; the skin does not use it.
class FontCollection {};

}  // namespace skin::gp
