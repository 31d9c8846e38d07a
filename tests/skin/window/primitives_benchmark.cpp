// Costs of the painting primitives a full repaint is made of, as medians over repeated runs:
// decoding and stretching the background, the two text styles, a surface's life.
#include "skin/graphics/gp_graphics.h"
#include "skin/window/colour.h"
#include "skin/window/paths.h"
#include "skin/window/pictures.h"
#include "skin/window/surface.h"
#include "skin/window/text_effects.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// <chrono> does not compile with a GBK execution character set; the counter is enough here.
double NowMs() {
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double MedianMs(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    work();  // warm caches (font, codec) once
    for (int i = 0; i < runs; ++i) {
        const double t0 = NowMs();
        work();
        ms.push_back(NowMs() - t0);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main() {
    using namespace skin;
    gp::Session session;
    Surface target(690, 547);
    const auto background = PictureBytes(Picture::kBackground);
    gp::Image decoded;
    decoded.LoadFromBytes(background);

    struct Row { const char* name; std::function<void()> work; };
    const Row rows[] = {
        {"decode background JPEG 640x480", [&] { gp::Image i; i.LoadFromBytes(background); i.Width(); }},
        {"stretch background to 690x547, bicubic HQ", [&] {
             gp::Graphics g(target.dc());
             g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
             g.DrawImage(decoded, {0, 0, 690, 547});
         }},
        {"stretch background to 690x547, default", [&] {
             gp::Graphics g(target.dc());
             g.DrawImage(decoded, {0, 0, 690, 547});
         }},
        {"decode + stretch (HQ)", [&] {
             gp::Image i;
             i.LoadFromBytes(background);
             gp::Graphics g(target.dc());
             g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
             g.DrawImage(i, {0, 0, 690, 547});
         }},
        {"OutlinedText title 200x25", [&] {
             gp::Graphics g(target.dc());
             OutlinedText(g, {30, 5, 200, 25}, "岚汐寻踪", 0xFFFFFF, 0x000000);
         }},
        {"GlowText 200x30", [&] {
             gp::Graphics g(target.dc());
             GlowText(g, {30, 40, 200, 30}, "岚汐寻踪 给我搜", 0xFFFFFF, 0x000000);
         }},
        {"RoundedRectPath frame lines", [&] {
             gp::Graphics g(target.dc());
             g.SetSmoothingMode();
             gp::Path p;
             RoundedRectPath(p, 0, 0, 689, 546, 6);
             g.DrawPath(gp::Pen(ToArgb(0x000000, 200), 1), p);
         }},
        {"Graphics on the 690x547 surface DC, nothing drawn", [&] { gp::Graphics g(target.dc()); }},
        {"surface 690x547 create + release", [] { ReleaseSurface(CreateSurface(690, 547)); }},
    };
    std::printf("primitive costs, median of 30 runs (ms)\n");
    for (const Row& r : rows) std::printf("%8.3f  %s\n", MedianMs(30, r.work), r.name);
    return 0;
}
