// The GDI+ object layer: images from and to memory, pixels, brushes and pens, fonts and formats,
// clipping, statuses, and the tooltip companion.
#include "skin/graphics/gp_graphics.h"
#include "skin/graphics/tooltip.h"
#include "skin/graphics/gdiplus_environment.h"

#include <gtest/gtest.h>

#include <memory>

namespace skin::gp {
namespace {

Argb PixelOf(Bitmap& b, int x, int y) {
    Argb v = 0;
    b.GetPixel(x, y, v);
    return v;
}

TEST(Image, BytesThatDoNotDecodeGiveNoImage) {
    struct Case { const char* name; std::vector<std::uint8_t> bytes; };
    const Case cases[] = {
        {"empty", {}},
        {"garbage", {1, 2, 3, 4, 5, 6, 7, 8}},
        {"truncated PNG signature", {0x89, 'P', 'N', 'G'}},
    };
    for (const Case& c : cases) {
        Image image;
        EXPECT_FALSE(image.LoadFromBytes(c.bytes)) << c.name;
        EXPECT_FALSE(image) << c.name;
        EXPECT_NE(image.status(), Gdiplus::Ok) << c.name;
        EXPECT_NE(LastStatus(), Gdiplus::Ok) << c.name;
        EXPECT_EQ(image.Width(), 0u) << c.name;
        EXPECT_TRUE(image.SaveToBytes().empty()) << c.name;
        Bitmap bitmap;
        EXPECT_FALSE(bitmap.CreateFromBytes(c.bytes)) << c.name;
    }
}

TEST(Image, AnEmptyImageDrawsNothing) {
    Bitmap target(10, 10);
    {
        Graphics g(target);
        g.Clear(0xFF336699);
        Image empty;
        empty.LoadFromBytes({});
        EXPECT_FALSE(g.DrawImage(empty, 0, 0));
        EXPECT_FALSE(g.DrawImage(empty, RectF{0, 0, 10, 10}));
    }
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(PixelOf(target, x, y), 0xFF336699u);
}

TEST(Bitmap, PngSavedAndLoadedKeepsItsPixels) {
    struct Px { int x, y; Argb colour; };
    const Px pixels[] = {
        {0, 0, 0xFF000000}, {1, 0, 0xFFFFFFFF}, {2, 0, 0xFF0088FF}, {3, 1, 0x80FF0000},  // half-transparent red
        {4, 3, 0x00000000}, {0, 3, 0x01020304}, {2, 2, 0xFE7F7F7F},
    };
    Bitmap b(5, 4);
    ASSERT_TRUE(b);
    for (const Px& p : pixels) ASSERT_TRUE(b.SetPixel(p.x, p.y, p.colour));
    const std::vector<std::uint8_t> png = b.SaveToBytes(kPngFormat);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png[1], 'P');
    Bitmap back;
    ASSERT_TRUE(back.CreateFromBytes(png));
    EXPECT_EQ(back.Width(), 5u);
    EXPECT_EQ(back.Height(), 4u);
    for (const Px& p : pixels) {
        const Argb got = PixelOf(back, p.x, p.y);
        // A fully transparent pixel's colour carries no meaning.
        if (p.colour >> 24 == 0) EXPECT_EQ(got >> 24, 0u) << p.x << "," << p.y;
        else EXPECT_EQ(got, p.colour) << p.x << "," << p.y;
    }
    // Saved again in its own raw format (PNG): the same bytes decode the same.
    const auto raw = back.SaveToBytes("");
    ASSERT_FALSE(raw.empty());
    EXPECT_EQ(raw[1], 'P');
}

TEST(Bitmap, UnknownFormatSavesNothing) {
    Bitmap b(2, 2);
    EXPECT_TRUE(b.SaveToBytes("{00000000-0000-0000-0000-000000000000}").empty());
    EXPECT_TRUE(b.SaveToBytes("not a format").empty());
}

TEST(Bitmap, FromIconAndToGdi) {
    Bitmap icon;
    ASSERT_TRUE(icon.CreateFromIcon(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION))));
    EXPECT_GT(icon.Width(), 0u);

    Bitmap b(3, 2);
    b.SetPixel(0, 0, 0xFFFF0000);
    GdiOwned<HBITMAP> gdi = b.MakeGdiBitmap(0xFF00FF00);
    ASSERT_TRUE(gdi);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(gdi.get(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmBitsPixel, 32);
}

TEST(Graphics, BrushesAndPensPaint) {
    Bitmap b(40, 20);
    {
        Graphics g(b);
        g.Clear(0xFFFFFFFF);
        EXPECT_TRUE(g.FillRectangle(SolidBrush(0xFF0000FF), {0, 0, 10, 10}));
        LinearGradientBrush gradient(10, 0, 30, 0, 0xFF000000, 0xFFFFFFFF);
        const Argb colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
        const float positions[] = {0, 0.5f, 1};
        EXPECT_TRUE(gradient.SetPresetBlend(colours, positions));
        EXPECT_FALSE(gradient.SetPresetBlend(colours, std::span<const float>(positions, 2))) << "sizes differ";
        EXPECT_TRUE(g.FillRectangle(gradient, {10, 0, 20, 10}));
        EXPECT_TRUE(g.DrawLine(Pen(0xFF000000, 1), 0, 15, 40, 15));
    }
    EXPECT_EQ(PixelOf(b, 5, 5), 0xFF0000FFu);
    EXPECT_EQ(PixelOf(b, 10, 5) & 0xFFFFFF, 0xFF0000u & 0xFFFFFF) << "blend starts red";
    EXPECT_GT((PixelOf(b, 20, 5) >> 8) & 0xFF, 0xC0u) << "green in the middle";
    EXPECT_EQ(PixelOf(b, 20, 15), 0xFF000000u);
    EXPECT_EQ(PixelOf(b, 20, 18), 0xFFFFFFFFu);
}

TEST(Graphics, PathGradientAndXorClip) {
    Bitmap b(40, 40);
    {
        Graphics g(b);
        g.Clear(0xFFFFFFFF);
        Path ellipse;
        ellipse.AddEllipse(0, 0, 40, 40);
        PathGradientBrush brush(ellipse);
        EXPECT_TRUE(brush.SetCentreColour(0xFF000000));
        const Argb surround[] = {0xFFFFFFFF};
        EXPECT_TRUE(brush.SetSurroundColours(surround));
        EXPECT_TRUE(brush.SetFocusScales(0.4f, 0.4f));
        // Clip to the ring between a 10-pixel square in the middle and the whole bitmap.
        EXPECT_TRUE(g.SetClip(RectF{0, 0, 40, 40}));
        Path middle;
        middle.AddRectangle(15, 15, 10, 10);
        EXPECT_TRUE(g.SetClip(middle, Gdiplus::CombineModeXor));
        g.FillPath(brush, ellipse);
        EXPECT_TRUE(g.ResetClip());
    }
    EXPECT_EQ(PixelOf(b, 20, 20), 0xFFFFFFFFu) << "the middle is clipped out";
    EXPECT_LT(PixelOf(b, 13, 20) & 0xFF, 0x80u) << "dark near the centre, outside the hole";
}

TEST(Text, FontsFamiliesFormats) {
    Font font("宋体", 12);
    ASSERT_TRUE(font);
    EXPECT_FLOAT_EQ(font.Size(), 12);
    EXPECT_EQ(font.Style(), Gdiplus::FontStyleRegular);
    EXPECT_FALSE(font.Family().Name().empty());
    Font bold("宋体", 13, Gdiplus::FontStyleBold);
    EXPECT_EQ(bold.Style(), Gdiplus::FontStyleBold);

    HDC screen = GetDC(nullptr);
    Font fromDc = Font::FromDc(screen, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_TRUE(fromDc);
    EXPECT_GT(fromDc.Size(), 0);
    EXPECT_TRUE(Font::FromDc(screen));
    ReleaseDC(nullptr, screen);

    StringFormat format;
    EXPECT_TRUE(format.SetAlignment(1));
    EXPECT_TRUE(format.SetLineAlignment(1));
    EXPECT_TRUE(format.SetTrimming(3));
    Bitmap b(200, 30);
    Graphics g(b);
    RectF bounds;
    ASSERT_TRUE(g.MeasureString("岚汐寻踪 给我搜", font, {0, 0, 200, 30}, &format, bounds));
    EXPECT_GT(bounds.width, 60);
    EXPECT_LT(bounds.width, 200);
    EXPECT_TRUE(g.DrawString("岚汐寻踪", font, {0, 0, 200, 30}, &format, SolidBrush(0xFF000000)));
}

TEST(Owned, MovedObjectsOwnOnce) {
    Path a;
    a.AddRectangle(0, 0, 5, 5);
    GpPath* native = a.native();
    Path b(std::move(a));
    EXPECT_EQ(a.native(), nullptr);
    EXPECT_EQ(b.native(), native);
    Bitmap x(2, 2), y(3, 3);
    y = std::move(x);
    EXPECT_EQ(y.Width(), 2u);
    EXPECT_FALSE(x);
}

TEST(Tooltip, ToolsComeAndGo) {
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr, nullptr, nullptr);
    HWND tipWindow = nullptr;
    {
        Tooltip tip(owner, false);
        tipWindow = tip.window();
        ASSERT_NE(tipWindow, nullptr);
        const RECT r{0, 0, 20, 20};
        EXPECT_TRUE(tip.AddTool(1, &r, "关闭"));
        EXPECT_TRUE(tip.AddTool(2, nullptr, "最小化"));
        EXPECT_TRUE(tip.AddToolWithTextOnRequest(3, &r));
        EXPECT_EQ(tip.ToolCount(), 3);
        tip.UpdateTipText(1, "关");
        tip.NewToolRect(1, RECT{5, 5, 25, 25});
        tip.DeleteTool(2);
        EXPECT_EQ(tip.ToolCount(), 2);
        tip.SetBackgroundColour(RGB(255, 255, 255));
        tip.SetTextColour(RGB(0, 0, 0));
        Tooltip moved(std::move(tip));
        EXPECT_EQ(tip.window(), nullptr);
        EXPECT_EQ(moved.ToolCount(), 2);
    }
    EXPECT_FALSE(IsWindow(tipWindow)) << "the tooltip window goes with its owner object";
    DestroyWindow(owner);
}

}  // namespace
}  // namespace skin::gp
