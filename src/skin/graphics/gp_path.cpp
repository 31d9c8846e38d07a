// GraphicsPath over the GDI+ flat API.
#include "skin/graphics/gp_path.h"

namespace skin::gp {

using namespace Gdiplus::DllExports;

Path::Path() {
    GpPath* path = nullptr;
    if (record(GdipCreatePath(Gdiplus::FillModeAlternate, &path))) reset(path);
}

bool Path::Reset() { return native_ != nullptr && record(GdipResetPath(native_)); }

bool Path::AddLine(float x1, float y1, float x2, float y2) {
    return native_ != nullptr && record(GdipAddPathLine(native_, x1, y1, x2, y2));
}

bool Path::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
    return native_ != nullptr && record(GdipAddPathArc(native_, x, y, width, height, startAngle, sweepAngle));
}

bool Path::AddRectangle(float x, float y, float width, float height) {
    return native_ != nullptr && record(GdipAddPathRectangle(native_, x, y, width, height));
}

bool Path::AddEllipse(float x, float y, float width, float height) {
    return native_ != nullptr && record(GdipAddPathEllipse(native_, x, y, width, height));
}

bool Path::CloseFigure() { return native_ != nullptr && record(GdipClosePathFigure(native_)); }

int Path::PointCount() {
    INT n = 0;
    if (native_ != nullptr) record(GdipGetPointCount(native_, &n));
    return n;
}

bool Path::Bounds(RectF& out) {
    Gdiplus::RectF r;
    if (native_ == nullptr || !record(GdipGetPathWorldBounds(native_, &r, nullptr, nullptr))) return false;
    out = {r.X, r.Y, r.Width, r.Height};
    return true;
}

}  // namespace skin::gp
