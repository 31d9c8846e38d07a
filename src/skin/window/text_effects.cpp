// Outlined and glowing text.
#include "skin/window/text_effects.h"

#include "skin/window/colour.h"

#include <algorithm>

namespace skin {

namespace {

gp::Font MakeFont(std::string_view family, float size, bool bold) {
    return gp::Font(family, size, bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
}

gp::StringFormat MakeFormat(const TextLayout& layout) {
    gp::StringFormat format(layout.flags, 0);
    format.SetAlignment(layout.alignment);
    format.SetLineAlignment(layout.lineAlignment);
    if (layout.trimming != 0) format.SetTrimming(layout.trimming);
    return format;
}

gp::RectF Moved(gp::RectF r, float dx, float dy) { return {r.x + dx, r.y + dy, r.width, r.height}; }

}  // namespace

void OutlinedText(gp::Graphics& g, gp::RectF r, std::string_view text, std::uint32_t colour, std::uint32_t outline,
                  int offset, std::string_view family, float size, bool bold, const TextLayout& layout) {
    const gp::Font font = MakeFont(family, size, bold);
    const gp::StringFormat format = MakeFormat(layout);
    const float d = static_cast<float>(offset);
    const gp::SolidBrush edge(ToArgb(outline, 150));
    for (const auto& [dx, dy] : {std::pair{d, 0.f}, {-d, 0.f}, {0.f, d}, {0.f, -d}})
        g.DrawString(text, font, Moved(r, dx, dy), &format, edge);
    g.DrawString(text, font, r, &format, gp::SolidBrush(ToArgb(colour)));
}

void GlowText(gp::Graphics& g, gp::RectF r, std::string_view text, std::uint32_t glow, std::uint32_t colour,
              float blur, std::string_view family, float size, bool bold, const TextLayout& layout) {
    const int w = std::max(1, static_cast<int>(r.width)), h = std::max(1, static_cast<int>(r.height));
    const float k = blur >= 1 ? blur : 1;
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    const gp::Font font = MakeFont(family, size, bold);
    const gp::StringFormat format = MakeFormat(layout);

    gp::Bitmap sharp(w, h);
    {
        gp::Graphics sg(sharp);
        sg.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
        sg.DrawString(text, font, {0, 0, fw, fh}, &format, gp::SolidBrush(ToArgb(glow)));
    }
    // The halo: scaled down and up again, which blurs it at a fraction of a filter's cost.
    gp::Bitmap small(std::max(1, static_cast<int>(fw / k)), std::max(1, static_cast<int>(fh / k)));
    {
        gp::Graphics smallG(small);
        smallG.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        smallG.DrawImage(sharp, {0, 0, static_cast<float>(small.Width()), static_cast<float>(small.Height())});
    }
    gp::Bitmap halo(w, h);
    {
        gp::Graphics haloG(halo);
        haloG.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        haloG.DrawImage(small, {1, 1, fw, fh});
    }
    g.DrawImage(halo, {r.x, r.y, fw, fh});

    const gp::SolidBrush ring(ToArgb(glow, 60));
    for (const auto& [dx, dy] : {std::pair{0.f, 1.f}, {2.f, 1.f}, {1.f, 0.f}, {1.f, 2.f}})
        g.DrawString(text, font, Moved(r, dx, dy), &format, ring);
    g.DrawString(text, font, Moved(r, 1, 1), &format, gp::SolidBrush(ToArgb(colour)));
}

}  // namespace skin
