// Graphics over the GDI+ flat API.
#include "skin/graphics/gp_graphics.h"

namespace skin::gp {

using namespace Gdiplus::DllExports;

namespace {
Gdiplus::RectF ToGp(RectF r) { return Gdiplus::RectF(r.x, r.y, r.width, r.height); }
}  // namespace

Graphics::Graphics(HDC dc) {
    GpGraphics* g = nullptr;
    if (dc != nullptr && record(GdipCreateFromHDC(dc, &g))) reset(g);
}

Graphics::Graphics(Image& image) {
    GpGraphics* g = nullptr;
    if (image && record(GdipGetImageGraphicsContext(image.native(), &g))) reset(g);
}

bool Graphics::SetSmoothingMode(Gdiplus::SmoothingMode mode) {
    return native_ != nullptr && record(GdipSetSmoothingMode(native_, mode));
}

bool Graphics::SetInterpolationMode(Gdiplus::InterpolationMode mode) {
    return native_ != nullptr && record(GdipSetInterpolationMode(native_, mode));
}

bool Graphics::SetTextRenderingHint(Gdiplus::TextRenderingHint hint) {
    return native_ != nullptr && record(GdipSetTextRenderingHint(native_, hint));
}

bool Graphics::Clear(Argb colour) { return native_ != nullptr && record(GdipGraphicsClear(native_, colour)); }

bool Graphics::FillRectangle(const Brush& brush, RectF r) {
    return native_ != nullptr && brush && record(GdipFillRectangle(native_, brush.native(), r.x, r.y, r.width, r.height));
}

bool Graphics::FillPath(const Brush& brush, const Path& path) {
    return native_ != nullptr && brush && path && record(GdipFillPath(native_, brush.native(), path.native()));
}

bool Graphics::DrawPath(const Pen& pen, const Path& path) {
    return native_ != nullptr && pen && path && record(GdipDrawPath(native_, pen.native(), path.native()));
}

bool Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
    return native_ != nullptr && pen && record(GdipDrawLine(native_, pen.native(), x1, y1, x2, y2));
}

bool Graphics::DrawRectangle(const Pen& pen, RectF r) {
    return native_ != nullptr && pen && record(GdipDrawRectangle(native_, pen.native(), r.x, r.y, r.width, r.height));
}

bool Graphics::DrawImage(const Image& image, float x, float y) {
    return native_ != nullptr && image && record(GdipDrawImage(native_, image.native(), x, y));
}

bool Graphics::DrawImage(const Image& image, RectF d) {
    return native_ != nullptr && image &&
           record(GdipDrawImageRect(native_, image.native(), d.x, d.y, d.width, d.height));
}

bool Graphics::DrawImage(const Image& image, RectF d, RectF s) {
    return native_ != nullptr && image &&
           record(GdipDrawImageRectRect(native_, image.native(), d.x, d.y, d.width, d.height, s.x, s.y, s.width,
                                        s.height, Gdiplus::UnitPixel, nullptr, nullptr, nullptr));
}

bool Graphics::DrawString(std::string_view text, const Font& font, RectF layout, const StringFormat* format,
                          const Brush& brush) {
    if (native_ == nullptr || !font || !brush) return false;
    const std::wstring wide = Widen(text);
    const Gdiplus::RectF r = ToGp(layout);
    return record(GdipDrawString(native_, wide.c_str(), static_cast<INT>(wide.size()), font.native(), &r,
                                 format != nullptr ? format->native() : nullptr, brush.native()));
}

bool Graphics::MeasureString(std::string_view text, const Font& font, RectF layout, const StringFormat* format,
                             RectF& bounds) {
    if (native_ == nullptr || !font) return false;
    const std::wstring wide = Widen(text);
    const Gdiplus::RectF r = ToGp(layout);
    Gdiplus::RectF out;
    if (!record(GdipMeasureString(native_, wide.c_str(), static_cast<INT>(wide.size()), font.native(), &r,
                                  format != nullptr ? format->native() : nullptr, &out, nullptr, nullptr)))
        return false;
    bounds = {out.X, out.Y, out.Width, out.Height};
    return true;
}

bool Graphics::SetClip(const Path& path, Gdiplus::CombineMode combine) {
    return native_ != nullptr && path && record(GdipSetClipPath(native_, path.native(), combine));
}

bool Graphics::SetClip(RectF r, Gdiplus::CombineMode combine) {
    return native_ != nullptr && record(GdipSetClipRect(native_, r.x, r.y, r.width, r.height, combine));
}

bool Graphics::ResetClip() { return native_ != nullptr && record(GdipResetClip(native_)); }

}  // namespace skin::gp
