// Graphics over GpGraphics: drawing onto a DC or into a bitmap. Delete it (end its scope) before
// the DC is blitted or read.
#pragma once

#include "skin/graphics/gp_base.h"
#include "skin/graphics/gp_brush.h"
#include "skin/graphics/gp_image.h"
#include "skin/graphics/gp_path.h"
#include "skin/graphics/gp_text.h"

#include <string_view>

namespace skin::gp {

struct GraphicsFree {
    void operator()(GpGraphics* p) const noexcept { Gdiplus::DllExports::GdipDeleteGraphics(p); }
};

class Graphics : public Owned<GpGraphics, GraphicsFree> {
public:
    explicit Graphics(HDC dc);
    explicit Graphics(Image& image);

    bool SetSmoothingMode(Gdiplus::SmoothingMode mode = Gdiplus::SmoothingModeAntiAlias);
    bool SetInterpolationMode(Gdiplus::InterpolationMode mode);
    bool SetTextRenderingHint(Gdiplus::TextRenderingHint hint);
    bool Clear(Argb colour);
    bool FillRectangle(const Brush& brush, RectF r);
    bool FillPath(const Brush& brush, const Path& path);
    bool DrawPath(const Pen& pen, const Path& path);
    bool DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    bool DrawRectangle(const Pen& pen, RectF r);
    // At natural size.
    bool DrawImage(const Image& image, float x, float y);
    bool DrawImage(const Image& image, RectF destination);
    // The source rectangle of the image into the destination rectangle.
    bool DrawImage(const Image& image, RectF destination, RectF source);
    bool DrawString(std::string_view text, const Font& font, RectF layout, const StringFormat* format,
                    const Brush& brush);
    bool MeasureString(std::string_view text, const Font& font, RectF layout, const StringFormat* format,
                       RectF& bounds);
    // combine: Gdiplus::CombineModeReplace (0), CombineModeXor (3), ...
    bool SetClip(const Path& path, Gdiplus::CombineMode combine = Gdiplus::CombineModeReplace);
    bool SetClip(RectF r, Gdiplus::CombineMode combine = Gdiplus::CombineModeReplace);
    bool ResetClip();
};

}  // namespace skin::gp
