// GraphicsPath over GpPath (fill mode alternate).
#pragma once

#include "skin/graphics/gp_base.h"

namespace skin::gp {

struct PathFree {
    void operator()(GpPath* p) const noexcept { Gdiplus::DllExports::GdipDeletePath(p); }
};

class Path : public Owned<GpPath, PathFree> {
public:
    Path();
    bool Reset();
    bool AddLine(float x1, float y1, float x2, float y2);
    bool AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool AddRectangle(float x, float y, float width, float height);
    bool AddEllipse(float x, float y, float width, float height);
    bool CloseFigure();
    // For checks: the number of points and the bounding box.
    int PointCount();
    bool Bounds(RectF& out);
};

}  // namespace skin::gp
