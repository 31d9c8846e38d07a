// Brushes and the pen over the GDI+ flat API.
#pragma once

#include "skin/graphics/gp_base.h"
#include "skin/graphics/gp_path.h"

#include <span>

namespace skin::gp {

struct BrushFree {
    void operator()(GpBrush* p) const noexcept { Gdiplus::DllExports::GdipDeleteBrush(p); }
};

class Brush : public Owned<GpBrush, BrushFree> {
protected:
    Brush() = default;
};

class SolidBrush : public Brush {
public:
    explicit SolidBrush(Argb colour);
};

// A gradient along the line from (x1, y1) to (x2, y2).
class LinearGradientBrush : public Brush {
public:
    LinearGradientBrush(float x1, float y1, float x2, float y2, Argb from, Argb to);
    bool SetPresetBlend(std::span<const Argb> colours, std::span<const float> positions);
};

class PathGradientBrush : public Brush {
public:
    explicit PathGradientBrush(const Path& path);
    bool SetCentreColour(Argb colour);
    bool SetSurroundColours(std::span<const Argb> colours);
    bool SetFocusScales(float x, float y);
};

// Exists for completeness; the skin does not draw with it.
class TextureBrush : public Brush {};

struct PenFree {
    void operator()(GpPen* p) const noexcept { Gdiplus::DllExports::GdipDeletePen(p); }
};

class Pen : public Owned<GpPen, PenFree> {
public:
    Pen(Argb colour, float width);
    Pen(const Brush& brush, float width);
    bool SetWidth(float width);
};

}  // namespace skin::gp
