// The rounded rectangle and the two half-rounded outline paths.
#include "skin/window/paths.h"

namespace skin {

gp::Path& RoundedRectPath(gp::Path& path, float x, float y, float w, float h, float arc) {
    const float e = ClampArcSize(arc);
    path.AddArc(x + w - e, y, e, e, 270, 90);
    // One pixel larger at the bottom right so the stroked outline meets the window's last pixel.
    path.AddArc(x + w - e - 1, y + h - e - 1, e + 1, e + 1, 0, 90);
    path.AddArc(x, y + h - e, e, e, 90, 90);
    path.AddArc(x, y, e, e, 180, 90);
    path.CloseFigure();
    return path;
}

gp::Path& TopRoundedPath(gp::Path& path, float x, float y, float w, float h, float e) {
    path.AddLine(x, y + h, x, y + e);
    path.AddArc(x, y, e, e, 180, 90);
    path.AddLine(x + e, y, x + w - e, y);
    path.AddArc(x + w - e, y, e, e, 270, 90);
    path.AddLine(x + w, y + e, x + w, y + h);
    return path;
}

gp::Path& TopRightRoundedPath(gp::Path& path, float x, float y, float w, float h, float e) {
    path.AddLine(x, y + h, x, y);
    path.AddLine(x, y, x + w - e, y);
    path.AddArc(x + w - e, y, e, e, 270, 90);
    path.AddLine(x + w, y + e, x + w, y + h);
    return path;
}

}  // namespace skin
