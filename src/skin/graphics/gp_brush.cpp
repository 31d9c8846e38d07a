// Brushes and the pen over the GDI+ flat API.
#include "skin/graphics/gp_brush.h"

#include <vector>

namespace skin::gp {

using namespace Gdiplus::DllExports;

SolidBrush::SolidBrush(Argb colour) {
    Gdiplus::GpSolidFill* brush = nullptr;
    if (record(GdipCreateSolidFill(colour, &brush))) reset(brush);
}

LinearGradientBrush::LinearGradientBrush(float x1, float y1, float x2, float y2, Argb from, Argb to) {
    const Gdiplus::PointF p1(x1, y1), p2(x2, y2);
    Gdiplus::GpLineGradient* brush = nullptr;
    if (record(GdipCreateLineBrush(&p1, &p2, from, to, Gdiplus::WrapModeTile, &brush))) reset(brush);
}

bool LinearGradientBrush::SetPresetBlend(std::span<const Argb> colours, std::span<const float> positions) {
    if (native_ == nullptr || colours.size() != positions.size() || colours.size() < 2)
        return record(Gdiplus::InvalidParameter);
    std::vector<Gdiplus::ARGB> c(colours.begin(), colours.end());
    std::vector<Gdiplus::REAL> p(positions.begin(), positions.end());
    return record(GdipSetLinePresetBlend(static_cast<Gdiplus::GpLineGradient*>(native_), c.data(), p.data(),
                                         static_cast<INT>(c.size())));
}

PathGradientBrush::PathGradientBrush(const Path& path) {
    Gdiplus::GpPathGradient* brush = nullptr;
    if (path && record(GdipCreatePathGradientFromPath(path.native(), &brush))) reset(brush);
}

bool PathGradientBrush::SetCentreColour(Argb colour) {
    return native_ != nullptr &&
           record(GdipSetPathGradientCenterColor(static_cast<Gdiplus::GpPathGradient*>(native_), colour));
}

bool PathGradientBrush::SetSurroundColours(std::span<const Argb> colours) {
    if (native_ == nullptr || colours.empty()) return record(Gdiplus::InvalidParameter);
    std::vector<Gdiplus::ARGB> c(colours.begin(), colours.end());
    INT count = static_cast<INT>(c.size());
    return record(
        GdipSetPathGradientSurroundColorsWithCount(static_cast<Gdiplus::GpPathGradient*>(native_), c.data(), &count));
}

bool PathGradientBrush::SetFocusScales(float x, float y) {
    return native_ != nullptr &&
           record(GdipSetPathGradientFocusScales(static_cast<Gdiplus::GpPathGradient*>(native_), x, y));
}

Pen::Pen(Argb colour, float width) {
    GpPen* pen = nullptr;
    if (record(GdipCreatePen1(colour, width, Gdiplus::UnitWorld, &pen))) reset(pen);
}

Pen::Pen(const Brush& brush, float width) {
    GpPen* pen = nullptr;
    if (brush && record(GdipCreatePen2(brush.native(), width, Gdiplus::UnitWorld, &pen))) reset(pen);
}

bool Pen::SetWidth(float width) { return native_ != nullptr && record(GdipSetPenWidth(native_, width)); }

}  // namespace skin::gp
