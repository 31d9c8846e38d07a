// Outline paths: the rounded rectangle and the two half-rounded shapes of caption buttons.
#pragma once

#include "skin/graphics/gp_path.h"

namespace skin {

// The arc size (side of an arc's bounding square) is kept within 1..100.
constexpr float ClampArcSize(float e) { return e < 1 ? 1 : (e > 100 ? 100 : e); }

gp::Path& RoundedRectPath(gp::Path& path, float x, float y, float width, float height, float arc);
// Open at the bottom; rounded top corners.
gp::Path& TopRoundedPath(gp::Path& path, float x, float y, float width, float height, float arc);
// Open at the bottom; only the top-right corner rounded.
gp::Path& TopRightRoundedPath(gp::Path& path, float x, float y, float width, float height, float arc);

}  // namespace skin
