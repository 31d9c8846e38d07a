// Colour conversion for GDI+, the sampled area and the averaging of the average colour, and the
// working-set tool's decision whether to write, run or leave the file alone.
#include "skin/window/colour.h"

#include "skin/assets/working_set_tool.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(ToArgb, Cases) {
    struct Case { std::uint32_t colour; int alpha; std::uint32_t want; };
    const Case cases[] = {
        {0x00FF8800, 150, 0x960088FF},
        {0x00FF8800, -1, 0xFF0088FF},  // no alpha given: opaque
        {0x00000000, 0, 0x00000000},
        {0x00FFFFFF, 255, 0xFFFFFFFF},
        {0x00123456, 1, 0x01563412},
        {0xAB123456, 255, 0xFF563412},  // a stray top byte of the colour is not an alpha
    };
    for (const Case& c : cases) {
        const std::uint32_t got = c.alpha < 0 ? ToArgb(c.colour) : ToArgb(c.colour, static_cast<std::uint8_t>(c.alpha));
        EXPECT_EQ(got, c.want) << std::hex << c.colour << " alpha " << std::dec << c.alpha;
    }
}

TEST(FromArgb, IsTheInverseOfToArgb) {
    struct Case { std::uint32_t argb; ColourAlpha want; };
    const Case cases[] = {
        {0x960088FF, {0x00FF8800, 150}},
        {0xFF0088FF, {0x00FF8800, 255}},
        {0x00000000, {0, 0}},
        {0x01563412, {0x00123456, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FromArgb(c.argb), c.want) << std::hex << c.argb;
        EXPECT_EQ(ToArgb(c.want.colour, c.want.alpha), c.argb) << std::hex << c.argb;
    }
}

TEST(AverageSampleArea, StripsNarrowTheArea) {
    struct Case { int w, h, right, bottom; SampleArea want; };
    const Case cases[] = {
        {640, 480, 0, 0, {0, 0, 640, 480}},
        {640, 480, 10, 0, {630, 0, 10, 480}},
        {640, 480, 0, 20, {0, 460, 640, 20}},
        {640, 480, 10, 20, {630, 460, 10, 20}},
        {640, 480, 640, 0, {0, 0, 640, 480}},  // a strip as wide as the picture is the picture
        {640, 480, 900, 900, {0, 0, 640, 480}},
        {640, 480, -5, 0, {0, 0, 640, 480}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AverageSampleArea(c.w, c.h, c.right, c.bottom), c.want) << c.right << "," << c.bottom;
}

TEST(AverageColourOf, MeansOfTheSampledPixels) {
    // One colour: exactly that colour.
    EXPECT_EQ(AverageColourOf({0, 0, 40, 30}, 2000, [](int, int) { return 0x00336699u; }), 0x00336699u);
    // Left half black, right half white: the mean of each channel lands near the middle.
    const std::uint32_t half = AverageColourOf({0, 0, 100, 10}, 2000, [](int x, int) {
        return x < 50 ? 0x000000u : 0xFFFFFFu;
    });
    for (int shift : {0, 8, 16}) {
        const int channel = static_cast<int>((half >> shift) & 0xFF);
        EXPECT_GT(channel, 100);
        EXPECT_LT(channel, 155);
    }
    // Samples stay inside the area.
    bool outside = false;
    AverageColourOf({630, 460, 10, 20}, 500, [&](int x, int y) {
        outside |= x < 630 || x >= 640 || y < 460 || y >= 480;
        return 0u;
    });
    EXPECT_FALSE(outside);
    EXPECT_EQ(AverageColourOf({0, 0, 0, 10}, 2000, [](int, int) { return 0xFFu; }), 0u);
    EXPECT_EQ(AverageColourOf({0, 0, 10, 10}, 0, [](int, int) { return 0xFFu; }), 0u);
}

TEST(DecideToolStep, OnlyOurOwnBytesRun) {
    using Bytes = std::vector<std::uint8_t>;
    const Bytes tool{'M', 'Z', 1, 2, 3};
    struct Case { const char* name; std::optional<Bytes> onDisk; ToolStep want; };
    const Case cases[] = {
        {"missing", std::nullopt, ToolStep::kWriteAndRun},
        {"same bytes", tool, ToolStep::kRun},
        {"another program", Bytes{'M', 'Z', 9, 9, 9}, ToolStep::kSkip},
        {"our bytes plus more", Bytes{'M', 'Z', 1, 2, 3, 4}, ToolStep::kSkip},
        {"a prefix of ours", Bytes{'M', 'Z', 1}, ToolStep::kSkip},
        {"empty file", Bytes{}, ToolStep::kSkip},
    };
    for (const Case& c : cases) EXPECT_EQ(DecideToolStep(c.onDisk, tool), c.want) << c.name;
    EXPECT_EQ(DecideToolStep(std::nullopt, {}), ToolStep::kSkip) << "nothing embedded";
}

}  // namespace
}  // namespace skin
