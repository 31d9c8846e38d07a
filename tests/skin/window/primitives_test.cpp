// Painting primitives on real DCs: surfaces and their registry, outline paths, the two text styles,
// the embedded pictures, the average colour, the blended background, the child-excluding DC and
// the GDI object count after repeated painting.
#include "skin/graphics/gp_graphics.h"
#include "skin/window/colour.h"
#include "skin/window/dc_utils.h"
#include "skin/window/paths.h"
#include "skin/window/pictures.h"
#include "skin/window/surface.h"
#include "skin/window/text_effects.h"

#include "skin/graphics/gdiplus_environment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace skin {
namespace {

std::uint32_t Rgb(std::uint32_t pixel) { return pixel & 0xFFFFFF; }

void Fill(Surface& s, std::uint32_t argb) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) s.Pixel(x, y) = argb;
}

// A one-colour PNG of that size, made through the graphics layer.
std::vector<std::uint8_t> SolidPng(int w, int h, std::uint32_t colour) {
    gp::Bitmap b(w, h);
    {
        gp::Graphics g(b);
        g.Clear(ToArgb(colour));
    }
    return b.SaveToBytes(gp::kPngFormat);
}

TEST(Surface, CreateAndReleaseByDc) {
    struct Case { int w, h; bool made; };
    const Case cases[] = {{1, 1, true}, {640, 480, true}, {0, 10, false}, {10, 0, false}, {-3, 5, false}};
    const int baseline = RegisteredSurfaceCount();
    for (const Case& c : cases) {
        HDC dc = CreateSurface(c.w, c.h);
        EXPECT_EQ(dc != nullptr, c.made) << c.w << "x" << c.h;
        if (dc == nullptr) continue;
        const Surface* s = FindSurface(dc);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->width(), c.w);
        EXPECT_EQ(s->height(), c.h);
        EXPECT_EQ(ReleaseSurface(dc), 1);
        EXPECT_EQ(ReleaseSurface(dc), 0) << "released twice";
        EXPECT_EQ(FindSurface(dc), nullptr);
    }
    EXPECT_EQ(ReleaseSurface(nullptr), 0);
    EXPECT_EQ(RegisteredSurfaceCount(), baseline);
}

TEST(Surface, ForeignDcIsLeftAlone) {
    HDC foreign = CreateCompatibleDC(nullptr);
    EXPECT_EQ(ReleaseSurface(foreign), 0);
    EXPECT_NE(GetObjectType(foreign), 0u) << "an unknown DC must not be deleted";
    DeleteDC(foreign);
}

TEST(Surface, RegisteredTripleIsReleasedInOrder) {
    HDC dc = CreateCompatibleDC(nullptr);
    GdiOwned<HBITMAP> dib = MakeDib(8, 6);
    ASSERT_TRUE(dib);
    HBITMAP bitmap = dib.release();
    HBITMAP previous = static_cast<HBITMAP>(SelectObject(dc, bitmap));
    RegisterSurface(dc, bitmap, previous);
    Surface* s = FindSurface(dc);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->width(), 8);
    EXPECT_EQ(s->height(), 6);
    EXPECT_EQ(ReleaseSurface(dc), 1);
    EXPECT_EQ(GetObjectType(bitmap), 0u) << "the bitmap is deleted";
    EXPECT_EQ(GetObjectType(dc), 0u) << "the DC is deleted";
}

TEST(Surface, PixelCountsRowsFromTheTop) {
    Surface s(4, 3);
    ASSERT_TRUE(s);
    Fill(s, 0);
    SetPixelV(s.dc(), 1, 0, RGB(255, 0, 0));  // GDI: y = 0 is the top row
    SetPixelV(s.dc(), 2, 2, RGB(0, 0, 255));
    EXPECT_EQ(Rgb(s.Pixel(1, 0)), 0xFF0000u);
    EXPECT_EQ(Rgb(s.Pixel(2, 2)), 0x0000FFu);
    EXPECT_EQ(Rgb(s.Pixel(1, 2)), 0u);
    EXPECT_EQ(&s.Pixel(0, 2), s.bits()) << "bottom-up: the last row comes first in memory";
}

TEST(Surface, MovedSurfaceOwnsOnce) {
    Surface a(5, 5);
    HDC dc = a.dc();
    Surface b(std::move(a));
    EXPECT_EQ(a.dc(), nullptr);
    EXPECT_EQ(b.dc(), dc);
    Surface c;
    c = std::move(b);
    EXPECT_EQ(c.dc(), dc);
    EXPECT_TRUE(c);
}

struct PathShape {
    int points = 0;
    gp::RectF bounds;
};

PathShape RoundedShape(float arc) {
    gp::Path p;
    RoundedRectPath(p, 10, 20, 300, 200, arc);
    PathShape shape;
    shape.points = p.PointCount();
    p.Bounds(shape.bounds);
    return shape;
}

TEST(RoundedRectPath, ArcSizeIsClamped) {
    struct Case { float arc, likeArc; };
    const Case cases[] = {{0, 1}, {-20, 1}, {150, 100}, {1000, 100}};
    for (const Case& c : cases) {
        const PathShape got = RoundedShape(c.arc), want = RoundedShape(c.likeArc);
        EXPECT_EQ(got.points, want.points) << c.arc;
        EXPECT_FLOAT_EQ(got.bounds.x, want.bounds.x) << c.arc;
        EXPECT_FLOAT_EQ(got.bounds.width, want.bounds.width) << c.arc;
        EXPECT_FLOAT_EQ(got.bounds.height, want.bounds.height) << c.arc;
    }
    EXPECT_EQ(ClampArcSize(50), 50);
}

TEST(RoundedRectPath, BoundsAreTheRectangle) {
    for (float arc : {1.f, 6.f, 40.f, 100.f}) {
        const PathShape s = RoundedShape(arc);
        EXPECT_NEAR(s.bounds.x, 10, 0.01) << arc;
        EXPECT_NEAR(s.bounds.y, 20, 0.01) << arc;
        EXPECT_NEAR(s.bounds.width, 300, 0.01) << arc;
        EXPECT_NEAR(s.bounds.height, 200, 0.01) << arc;
    }
}

TEST(HalfRoundedPaths, OpenAtTheBottomAndRoundedOnTop) {
    Surface s(60, 30);
    Fill(s, 0xFFFFFFFF);
    {
        gp::Graphics g(s.dc());
        gp::Path top, topRight;
        TopRoundedPath(top, 0, 0, 28, 25, 12);
        TopRightRoundedPath(topRight, 30, 0, 28, 25, 12);
        g.FillPath(gp::SolidBrush(0xFF000000), top);
        g.FillPath(gp::SolidBrush(0xFF000000), topRight);
    }
    EXPECT_EQ(Rgb(s.Pixel(0, 0)), 0xFFFFFFu) << "top-left corner rounded";
    EXPECT_EQ(Rgb(s.Pixel(27, 0)), 0xFFFFFFu) << "top-right corner rounded";
    EXPECT_EQ(Rgb(s.Pixel(14, 12)), 0u);
    EXPECT_EQ(Rgb(s.Pixel(31, 1)), 0u) << "second shape: top-left corner square";
    EXPECT_EQ(Rgb(s.Pixel(57, 0)), 0xFFFFFFu) << "second shape: top-right corner rounded";
}

// Pixels that differ from white, inside and outside a rectangle.
struct Ink {
    int inside = 0, outside = 0;
};

Ink InkAround(const Surface& s, RECT r) {
    Ink ink;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            if (Rgb(s.Pixel(x, y)) == 0xFFFFFF) continue;
            const bool in = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            (in ? ink.inside : ink.outside)++;
        }
    return ink;
}

TEST(TextEffects, DrawInsideTheirRectangle) {
    struct Case { const char* name; bool glow; };
    for (const Case& c : {Case{"outlined", false}, Case{"glow", true}}) {
        Surface s(200, 60);
        Fill(s, 0xFFFFFFFF);
        {
            gp::Graphics g(s.dc());
            const gp::RectF r{40, 15, 120, 30};
            if (c.glow) GlowText(g, r, "岚汐寻踪", 0xFFFFFF, 0x000000);
            else OutlinedText(g, r, "岚汐寻踪", 0x000000, 0xFFFFFF);
        }
        // The outline and ring reach at most a few pixels past the layout rectangle.
        const Ink ink = InkAround(s, {37, 12, 164, 48});
        EXPECT_GT(ink.inside, 40) << c.name;
        EXPECT_EQ(ink.outside, 0) << c.name;
    }
}

TEST(TextEffects, GlowSpreadsBeyondTheStrokes) {
    // Dark background, white glow, dark text: the halo lightens pixels the text itself leaves.
    Surface plain(160, 40), glowing(160, 40);
    Fill(plain, 0xFF000000);
    Fill(glowing, 0xFF000000);
    const gp::RectF r{10, 5, 140, 30};
    {
        gp::Graphics g(plain.dc());
        g.DrawString("岚汐寻踪", gp::Font("宋体", 12), r, nullptr, gp::SolidBrush(0xFF202020));
    }
    {
        gp::Graphics g(glowing.dc());
        GlowText(g, r, "岚汐寻踪", 0xFFFFFF, 0x202020);
    }
    int lit = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 160; ++x)
            if ((glowing.Pixel(x, y) & 0xFF) > 0x40 && (plain.Pixel(x, y) & 0xFF) < 0x10) ++lit;
    EXPECT_GT(lit, 30);
}

TEST(Pictures, EveryPictureDecodesAtItsSize) {
    const Picture all[] = {Picture::kBackground, Picture::kHelp, Picture::kMainMenu, Picture::kMinimise,
                           Picture::kMaximise, Picture::kRestore, Picture::kClose, Picture::kDialogClose,
                           Picture::kCheckMark, Picture::kArrowUp, Picture::kArrowDown, Picture::kArrowLeft,
                           Picture::kArrowRight};
    for (Picture p : all) {
        gp::Bitmap b;
        ASSERT_TRUE(b.CreateFromBytes(PictureBytes(p))) << PictureResourceId(p);
        EXPECT_EQ(static_cast<int>(b.Width()), PictureSizeOf(p).width) << PictureResourceId(p);
        EXPECT_EQ(static_cast<int>(b.Height()), PictureSizeOf(p).height) << PictureResourceId(p);
    }
}

TEST(Pictures, TickPixels) {
    gp::Bitmap tick;
    ASSERT_TRUE(tick.CreateFromBytes(PictureBytes(Picture::kCheckMark)));
    struct Case { int x, y; gp::Argb want; };
    const Case cases[] = {
        {11, 0, 0xFFEAF1F0}, {12, 0, 0xFFD3E6AF}, {0, 5, 0xFFD3E6AF}, {4, 7, 0xFF5C9309},
        {5, 11, 0xFFA8C479}, {0, 0, 0x00FFFFFF}, {12, 11, 0x00FFFFFF}, {4, 6, 0x00FFFFFF},
    };
    for (const Case& c : cases) {
        gp::Argb got = 0;
        ASSERT_TRUE(tick.GetPixel(c.x, c.y, got));
        EXPECT_EQ(got, c.want) << c.x << "," << c.y;
    }
}

TEST(AverageColour, OneColourPictureGivesThatColour) {
    for (std::uint32_t colour : {0x00FF8800u, 0x00000000u, 0x00FFFFFFu, 0x00123456u}) {
        const auto png = SolidPng(37, 23, colour);
        EXPECT_EQ(AverageColour(png), colour) << std::hex << colour;
        EXPECT_EQ(AverageColour(png, 2000, 5, 5), colour) << std::hex << colour;
    }
    EXPECT_EQ(AverageColour({}), 0u) << "a picture that does not decode";
}

TEST(AverageColour, StripSamplesOnlyItsColumns) {
    // Left 30 columns red, right 10 blue: the right strip of 10 is pure blue.
    gp::Bitmap b(40, 20);
    {
        gp::Graphics g(b);
        g.Clear(ToArgb(0x0000FF));
        g.FillRectangle(gp::SolidBrush(ToArgb(0xFF0000)), {30, 0, 10, 20});
    }
    const auto png = b.SaveToBytes();
    EXPECT_EQ(AverageColour(png, 2000, 10, 0), 0xFF0000u);
    const std::uint32_t whole = AverageColour(png);
    EXPECT_GT(whole & 0xFF, 0x90u) << "mostly red";
    EXPECT_GT((whole >> 16) & 0xFF, 0x20u) << "some blue";
}

TEST(BlendedPicture, BandsFadeIntoTheBaseColour) {
    const auto red = SolidPng(100, 80, 0x0000FF);
    const std::uint32_t blue = 0xFF0000;
    struct Probe { int x, y; bool base; };
    struct Case { int variant; std::vector<Probe> probes; };
    const Case cases[] = {
        {0, {{0, 0, false}, {50, 20, false}, {99, 20, true}, {20, 79, true}, {10, 10, false}}},
        {1, {{99, 0, false}, {50, 20, false}, {0, 20, true}, {60, 79, true}}},
    };
    for (const Case& c : cases) {
        const auto png = BlendedPicture(red, blue, c.variant);
        gp::Bitmap b;
        ASSERT_TRUE(b.CreateFromBytes(png)) << c.variant;
        EXPECT_EQ(b.Width(), 100u);
        for (const Probe& p : c.probes) {
            gp::Argb px = 0;
            b.GetPixel(p.x, p.y, px);
            const int r = (px >> 16) & 0xFF, bl = px & 0xFF;
            if (p.base) EXPECT_TRUE(bl > 200 && r < 40) << c.variant << " at " << p.x << "," << p.y << std::hex << px;
            else EXPECT_EQ(px, 0xFFFF0000u) << c.variant << " at " << p.x << "," << p.y;
        }
    }
    EXPECT_TRUE(BlendedPicture({}, blue, 0).empty());
}

TEST(BlendedPicture, GivenBandWidth) {
    const auto red = SolidPng(100, 80, 0x0000FF);
    gp::Bitmap b;
    ASSERT_TRUE(b.CreateFromBytes(BlendedPicture(red, 0xFF0000, 0, 10)));
    gp::Argb inside = 0, outside = 0;
    b.GetPixel(99, 10, inside);
    b.GetPixel(85, 10, outside);
    EXPECT_GT(inside & 0xFF, 0xC0u);
    EXPECT_EQ(outside, 0xFFFF0000u);
}

// A shown popup with two children: a plain one at (20, 10) and a WS_EX_TRANSPARENT one at (120, 10).
class ChildWindows : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr);
        plain_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 20, 10, 40, 30, parent_, nullptr, nullptr,
                                 nullptr);
        clear_ = CreateWindowExA(WS_EX_TRANSPARENT, "STATIC", "", WS_CHILD | WS_VISIBLE, 120, 10, 40, 30, parent_,
                                 nullptr, nullptr, nullptr);
        hidden_ = CreateWindowExA(0, "STATIC", "", WS_CHILD, 20, 60, 40, 30, parent_, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        SetChildClipQueries(nullptr, nullptr);
        DestroyWindow(parent_);
    }
    // Paints the surface through the child-excluding DC and returns it.
    Surface PaintThrough() {
        Surface s(200, 100);
        Fill(s, 0);
        {
            SavedDc saved(s.dc());
            WindowDcWithoutChildren(parent_, s.dc());
            GdiOwned<HBRUSH> red(CreateSolidBrush(RGB(255, 0, 0)));
            RECT all{0, 0, 200, 100};
            FillRect(s.dc(), &all, red.get());
        }
        return s;
    }
    HWND parent_ = nullptr, plain_ = nullptr, clear_ = nullptr, hidden_ = nullptr;
};

TEST_F(ChildWindows, ChildOffsetIsInParentClientCoordinates) {
    const RECT r = ChildOffset(plain_);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right, 60);
    EXPECT_EQ(r.bottom, 40);
    EXPECT_FALSE(IsTransparentChild(plain_));
    EXPECT_TRUE(IsTransparentChild(clear_));
}

TEST_F(ChildWindows, VisibleOpaqueChildrenAreExcluded) {
    Surface s = PaintThrough();
    struct Case { int x, y; bool painted; const char* where; };
    const Case cases[] = {
        {5, 5, true, "parent"},        {30, 20, false, "plain child"},  {59, 39, false, "plain child corner"},
        {60, 40, true, "just outside"}, {130, 20, true, "transparent child"}, {30, 70, true, "hidden child"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rgb(s.Pixel(c.x, c.y)) == 0xFF0000, c.painted) << c.where;
}

TEST_F(ChildWindows, LimitAndSkinnedChildren) {
    // A limit of 40 x 30 trims the plain child's exclusion to (20, 10)-(40, 30).
    SetChildClipQueries([](HWND) { return std::optional<ClipLimit>(ClipLimit{40, 30}); }, nullptr);
    Surface limited = PaintThrough();
    EXPECT_NE(Rgb(limited.Pixel(30, 20)), 0xFF0000u);
    EXPECT_EQ(Rgb(limited.Pixel(50, 20)), 0xFF0000u);
    // A skinned window inside paints itself; it is not excluded.
    SetChildClipQueries(nullptr, [](HWND) { return true; });
    Surface skinned = PaintThrough();
    EXPECT_EQ(Rgb(skinned.Pixel(30, 20)), 0xFF0000u);
}

TEST_F(ChildWindows, WithoutDcItTakesTheWindowDc) {
    HDC dc = WindowDcWithoutChildren(parent_);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(ReleaseDC(parent_, dc), 1);
}

TEST(GdiObjects, BackToBaselineAfterRepeatedPainting) {
    auto count = [] { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); };
    auto paint = [] {
        HDC dc = CreateSurface(160, 60);
        {
            gp::Graphics g(dc);
            gp::Path p;
            RoundedRectPath(p, 0, 0, 159, 59, 6);
            g.FillPath(gp::SolidBrush(ToArgb(0xFF8800, 90)), p);
            OutlinedText(g, {4, 4, 150, 20}, "岚汐寻踪", 0, 0xFFFFFF);
            GlowText(g, {4, 30, 150, 20}, "给我搜", 0xFFFFFF, 0);
            gp::Image picture;
            picture.LoadFromBytes(PictureBytes(Picture::kClose));
            g.DrawImage(picture, 100, 2);
        }
        ReleaseSurface(dc);
    };
    paint();  // first use loads fonts and caches
    const DWORD before = count();
    for (int i = 0; i < 50; ++i) paint();
    if (before == 0) GTEST_SKIP() << "GetGuiResources does not count here";
    EXPECT_EQ(count(), before);
}

}  // namespace
}  // namespace skin
