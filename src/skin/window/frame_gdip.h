// The few GDI+ objects the frame painter draws with, each owning one flat-API object.
// Texts arrive as GBK and are widened at the call.
#pragma once

#include "skin/window/skin_settings.h"

#include <windows.h>

#include <cstdint>
#include <string>

struct IStream;

namespace Gdiplus {
class GpGraphics;
class GpPath;
class GpBrush;
class GpPen;
class GpImage;
class GpFont;
class GpStringFormat;
}  // namespace Gdiplus

namespace skin::fgp {

// 0x00BBGGRR and an alpha to 0xAARRGGBB.
constexpr std::uint32_t Argb(Colour c, int alpha = 255) {
    const auto v = static_cast<std::uint32_t>(c);
    return (static_cast<std::uint32_t>(alpha & 0xFF) << 24) | ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

struct PointF { float x, y; };

class Path {
public:
    Path();
    ~Path();
    Path(const Path&) = delete;
    Path& operator=(const Path&) = delete;
    Gdiplus::GpPath* get() const { return p_; }
    void AddArc(float x, float y, float w, float h, float start, float sweep);
    void AddLine(float x1, float y1, float x2, float y2);
    void AddRectangle(float x, float y, float w, float h);
    void Close();

private:
    Gdiplus::GpPath* p_ = nullptr;
};

void RoundedRect(Path& p, float x, float y, float w, float h, float arc);
void TopRounded(Path& p, float x, float y, float w, float h, float arc);
void TopRightRounded(Path& p, float x, float y, float w, float h, float arc);

class Brush {
public:
    static Brush Solid(std::uint32_t argb);
    static Brush Vertical(PointF from, PointF to, std::uint32_t c1, std::uint32_t c2);
    Brush(Brush&& o) noexcept : b_(o.b_) { o.b_ = nullptr; }
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;
    ~Brush();
    Gdiplus::GpBrush* get() const { return b_; }

private:
    explicit Brush(Gdiplus::GpBrush* b) : b_(b) {}
    Gdiplus::GpBrush* b_ = nullptr;
};

class Pen {
public:
    Pen(std::uint32_t argb, float width);
    Pen(const Brush& brush, float width);
    ~Pen();
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;
    Gdiplus::GpPen* get() const { return p_; }

private:
    Gdiplus::GpPen* p_ = nullptr;
};

// A picture decoded from bytes; the stream lives as long as the image.
class Image {
public:
    explicit Image(const Bytes& bytes);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    Gdiplus::GpImage* get() const { return img_; }
    int width() const;
    int height() const;
    Colour PixelColour(int x, int y) const;

private:
    IStream* stream_ = nullptr;
    Gdiplus::GpImage* img_ = nullptr;
};

// A font and the default string format, made once for several strings.
class TextStyle {
public:
    TextStyle(const std::string& family, float size, bool bold);
    ~TextStyle();
    TextStyle(const TextStyle&) = delete;
    TextStyle& operator=(const TextStyle&) = delete;
    Gdiplus::GpFont* font() const { return font_; }
    Gdiplus::GpStringFormat* format() const { return format_; }

private:
    Gdiplus::GpFont* font_ = nullptr;
    Gdiplus::GpStringFormat* format_ = nullptr;
};

std::wstring Widen(const std::string& gbk);

class Graphics {
public:
    explicit Graphics(HDC dc, bool antiAlias = true);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;
    void Clear(std::uint32_t argb);
    void FillRect(const Brush& b, float x, float y, float w, float h);
    void FillPath(const Brush& b, const Path& p);
    void DrawPath(const Pen& pen, const Path& p);
    void DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    void DrawImage(const Image& img, float x, float y, float w, float h);
    void DrawImageNatural(const Image& img, float x, float y);
    void DrawText(const std::wstring& text, float x, float y, float w, float h, std::uint32_t argb,
                  const TextStyle& style);

private:
    Gdiplus::GpGraphics* g_ = nullptr;
};

// Text drawn four times in the outline colour around itself, then once on top.
void OutlinedTitle(Graphics& g, const std::string& text, float x, float y, float w, float h, Colour colour,
                   Colour outline, const std::string& family, float size, bool bold);

}  // namespace skin::fgp

namespace skin {
// Mean colour of n pseudo-random pixels.
Colour AverageColour(const Bytes& picture, int samples);
// Background modes 0 and 1 fade bands of the picture into the base colour; here it is kept as it is.
Bytes BlendedPicture(const Bytes& picture, Colour base, int mode);
}  // namespace skin
