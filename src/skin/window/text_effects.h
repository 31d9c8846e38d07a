// The two decorated text styles: text with an outline, and text with a soft glow behind it.
#pragma once

#include "skin/graphics/gp_graphics.h"

#include <cstdint>
#include <string_view>

namespace skin {

struct TextLayout {
    int alignment = 0;      // 0 near, 1 centre, 2 far
    int lineAlignment = 0;  // the same, vertically
    int flags = 0;          // StringFormat flags
    int trimming = 0;       // 3: ellipsis character
};

inline constexpr std::string_view kDefaultFamily = "宋体";

// Colours are Windows colours. Draws the text four times in the outline colour (alpha 150) moved by
// +-offset each way, then once in the text colour.
void OutlinedText(gp::Graphics& g, gp::RectF r, std::string_view text, std::uint32_t colour,
                  std::uint32_t outline, int offset = 1, std::string_view family = kDefaultFamily, float size = 13,
                  bool bold = false, const TextLayout& layout = {});

// A halo made by scaling the text down by `blur` and up again, a faint ring, then the text.
void GlowText(gp::Graphics& g, gp::RectF r, std::string_view text, std::uint32_t glow, std::uint32_t colour,
              float blur = 4, std::string_view family = kDefaultFamily, float size = 12, bool bold = false,
              const TextLayout& layout = {});

}  // namespace skin
