// Colour values: Windows colours 0x00BBGGRR become GDI+ ARGB 0xAARRGGBB only at a GDI+ call, and the
// average colour of a picture from random samples. Pure arithmetic, no window needed.
#pragma once

#include <cstdint>
#include <random>

namespace skin {

constexpr std::uint32_t ToArgb(std::uint32_t colour, std::uint8_t alpha = 255) {
    const std::uint32_t r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    return (std::uint32_t{alpha} << 24) | (r << 16) | (g << 8) | b;
}

struct ColourAlpha {
    std::uint32_t colour = 0;
    std::uint8_t alpha = 0;
    friend constexpr bool operator==(const ColourAlpha&, const ColourAlpha&) = default;
};

constexpr ColourAlpha FromArgb(std::uint32_t argb) {
    const std::uint32_t r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    return {r | (g << 8) | (b << 16), static_cast<std::uint8_t>(argb >> 24)};
}

struct SampleArea {
    int x = 0, y = 0, width = 0, height = 0;
    friend constexpr bool operator==(const SampleArea&, const SampleArea&) = default;
};

// The whole picture, or only its right strip columns and/or its bottom strip rows (a strip wider
// than the picture is the whole picture).
constexpr SampleArea AverageSampleArea(int width, int height, int rightStrip, int bottomStrip) {
    SampleArea a{0, 0, width, height};
    if (rightStrip >= 1 && rightStrip < width) a = {width - rightStrip, a.y, rightStrip, a.height};
    if (bottomStrip >= 1 && bottomStrip < height) a = {a.x, height - bottomStrip, a.width, bottomStrip};
    return a;
}

// Mean red, green and blue of `samples` pseudo-random pixels of the area, truncated; colourAt(x, y)
// returns a Windows colour. Fixed seed: the same picture always gives the same colour.
template <class ColourAt>
std::uint32_t AverageColourOf(SampleArea area, int samples, ColourAt&& colourAt) {
    if (samples < 1 || area.width < 1 || area.height < 1) return 0;
    std::minstd_rand generator(0x5EED);
    std::uniform_int_distribution<int> column(area.x, area.x + area.width - 1);
    std::uniform_int_distribution<int> row(area.y, area.y + area.height - 1);
    std::uint64_t r = 0, g = 0, b = 0;
    for (int i = 0; i < samples; ++i) {
        const int x = column(generator);
        const int y = row(generator);
        const std::uint32_t c = colourAt(x, y);
        r += c & 0xFF;
        g += (c >> 8) & 0xFF;
        b += (c >> 16) & 0xFF;
    }
    const auto n = static_cast<std::uint64_t>(samples);
    return static_cast<std::uint32_t>((r / n) | ((g / n) << 8) | ((b / n) << 16));
}

}  // namespace skin
