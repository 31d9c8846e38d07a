// GDI+ objects of the frame painter over the flat API.
#include "skin/window/frame_gdip.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace skin::fgp {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

std::wstring Widen(const std::string& s) {
    if (s.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

Path::Path() { GdipCreatePath(FillModeAlternate, &p_); }
Path::~Path() {
    if (p_ != nullptr) GdipDeletePath(p_);
}
void Path::AddArc(float x, float y, float w, float h, float start, float sweep) {
    GdipAddPathArc(p_, x, y, w, h, start, sweep);
}
void Path::AddLine(float x1, float y1, float x2, float y2) { GdipAddPathLine(p_, x1, y1, x2, y2); }
void Path::AddRectangle(float x, float y, float w, float h) { GdipAddPathRectangle(p_, x, y, w, h); }
void Path::Close() { GdipClosePathFigure(p_); }

void RoundedRect(Path& p, float x, float y, float w, float h, float e) {
    if (e < 1) e = 1;
    if (e > 100) e = 100;
    p.AddArc(x + w - e, y, e, e, 270, 90);
    p.AddArc(x + w - e - 1, y + h - e - 1, e + 1, e + 1, 0, 90);
    p.AddArc(x, y + h - e, e, e, 90, 90);
    p.AddArc(x, y, e, e, 180, 90);
    p.Close();
}

void TopRounded(Path& p, float x, float y, float w, float h, float e) {
    p.AddLine(x, y + h, x, y + e);
    p.AddArc(x, y, e, e, 180, 90);
    p.AddLine(x + e, y, x + w - e, y);
    p.AddArc(x + w - e, y, e, e, 270, 90);
    p.AddLine(x + w, y + e, x + w, y + h);
}

void TopRightRounded(Path& p, float x, float y, float w, float h, float e) {
    p.AddLine(x, y + h, x, y);
    p.AddLine(x, y, x + w - e, y);
    p.AddArc(x + w - e, y, e, e, 270, 90);
    p.AddLine(x + w, y + e, x + w, y + h);
}

Brush Brush::Solid(std::uint32_t argb) {
    GpSolidFill* b = nullptr;
    GdipCreateSolidFill(argb, &b);
    return Brush(b);
}

Brush Brush::Vertical(PointF from, PointF to, std::uint32_t c1, std::uint32_t c2) {
    GpLineGradient* b = nullptr;
    const GpPointF p1{from.x, from.y}, p2{to.x, to.y};
    GdipCreateLineBrush(&p1, &p2, c1, c2, WrapModeTileFlipXY, &b);
    return Brush(b);
}

Brush::~Brush() {
    if (b_ != nullptr) GdipDeleteBrush(b_);
}

Pen::Pen(std::uint32_t argb, float width) { GdipCreatePen1(argb, width, UnitWorld, &p_); }
Pen::Pen(const Brush& brush, float width) { GdipCreatePen2(brush.get(), width, UnitWorld, &p_); }
Pen::~Pen() {
    if (p_ != nullptr) GdipDeletePen(p_);
}

Image::Image(const Bytes& bytes) {
    if (bytes.empty()) return;
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (mem == nullptr) return;
    void* p = GlobalLock(mem);
    std::memcpy(p, bytes.data(), bytes.size());
    GlobalUnlock(mem);
    if (CreateStreamOnHGlobal(mem, TRUE, &stream_) != S_OK) {
        GlobalFree(mem);
        stream_ = nullptr;
        return;
    }
    GpBitmap* bmp = nullptr;
    if (GdipCreateBitmapFromStream(stream_, &bmp) == Ok) img_ = bmp;
}

Image::~Image() {
    // The stream must outlive the image decoded from it.
    if (img_ != nullptr) GdipDisposeImage(img_);
    if (stream_ != nullptr) stream_->Release();
}

int Image::width() const {
    UINT w = 0;
    if (img_ != nullptr) GdipGetImageWidth(img_, &w);
    return static_cast<int>(w);
}

int Image::height() const {
    UINT h = 0;
    if (img_ != nullptr) GdipGetImageHeight(img_, &h);
    return static_cast<int>(h);
}

Colour Image::PixelColour(int x, int y) const {
    ARGB c = 0;
    if (img_ != nullptr) GdipBitmapGetPixel(static_cast<GpBitmap*>(img_), x, y, &c);
    return static_cast<Colour>(((c >> 16) & 0xFF) | (c & 0xFF00) | ((c & 0xFF) << 16));
}

Graphics::Graphics(HDC dc, bool antiAlias) {
    GdipCreateFromHDC(dc, &g_);
    if (g_ != nullptr && antiAlias) GdipSetSmoothingMode(g_, SmoothingModeAntiAlias);
}
Graphics::~Graphics() {
    if (g_ != nullptr) GdipDeleteGraphics(g_);
}
void Graphics::Clear(std::uint32_t argb) { GdipGraphicsClear(g_, argb); }
void Graphics::FillRect(const Brush& b, float x, float y, float w, float h) {
    GdipFillRectangle(g_, b.get(), x, y, w, h);
}
void Graphics::FillPath(const Brush& b, const Path& p) { GdipFillPath(g_, b.get(), p.get()); }
void Graphics::DrawPath(const Pen& pen, const Path& p) { GdipDrawPath(g_, pen.get(), p.get()); }
void Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
    GdipDrawLine(g_, pen.get(), x1, y1, x2, y2);
}
void Graphics::DrawImage(const Image& img, float x, float y, float w, float h) {
    if (img.get() != nullptr) GdipDrawImageRect(g_, img.get(), x, y, w, h);
}
void Graphics::DrawImageNatural(const Image& img, float x, float y) {
    if (img.get() != nullptr) GdipDrawImageRect(g_, img.get(), x, y, img.width(), img.height());
}

TextStyle::TextStyle(const std::string& family, float size, bool bold) {
    const std::wstring face = Widen(family);
    GpFontFamily* fam = nullptr;
    if (GdipCreateFontFamilyFromName(face.c_str(), nullptr, &fam) != Ok) GdipGetGenericFontFamilySansSerif(&fam);
    GdipCreateFont(fam, size, bold ? FontStyleBold : FontStyleRegular, UnitPixel, &font_);
    if (fam != nullptr) GdipDeleteFontFamily(fam);
    GdipCreateStringFormat(0, 0, &format_);
}

TextStyle::~TextStyle() {
    if (format_ != nullptr) GdipDeleteStringFormat(format_);
    if (font_ != nullptr) GdipDeleteFont(font_);
}

void Graphics::DrawText(const std::wstring& text, float x, float y, float w, float h, std::uint32_t argb,
                        const TextStyle& style) {
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(argb, &brush);
    const RectF r(x, y, w, h);
    GdipDrawString(g_, text.c_str(), static_cast<INT>(text.size()), style.font(), &r, style.format(), brush);
    GdipDeleteBrush(brush);
}

void OutlinedTitle(Graphics& g, const std::string& gbk, float x, float y, float w, float h, Colour colour,
                   Colour outline, const std::string& family, float size, bool bold) {
    const std::wstring text = Widen(gbk);
    const TextStyle style(family, size, bold);
    const std::uint32_t o = Argb(outline, 150);
    g.DrawText(text, x + 1, y, w, h, o, style);
    g.DrawText(text, x - 1, y, w, h, o, style);
    g.DrawText(text, x, y + 1, w, h, o, style);
    g.DrawText(text, x, y - 1, w, h, o, style);
    g.DrawText(text, x, y, w, h, Argb(colour), style);
}

}  // namespace skin::fgp

namespace skin {

Colour AverageColour(const Bytes& picture, int samples) {
    const fgp::Image img(picture);
    const int w = img.width(), h = img.height();
    if (w < 1 || h < 1 || samples < 1) return 0;
    unsigned seed = GetTickCount();
    unsigned long r = 0, g = 0, b = 0;
    for (int i = 0; i < samples; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = static_cast<int>((seed >> 8) % static_cast<unsigned>(w));
        seed = seed * 1103515245u + 12345u;
        const int y = static_cast<int>((seed >> 8) % static_cast<unsigned>(h));
        const Colour c = img.PixelColour(x, y);
        r += c & 0xFF;
        g += (c >> 8) & 0xFF;
        b += (c >> 16) & 0xFF;
    }
    return static_cast<Colour>((r / samples) | ((g / samples) << 8) | ((b / samples) << 16));
}

Bytes BlendedPicture(const Bytes& picture, Colour, int) { return picture; }

}  // namespace skin
