// The skinned frame on screen: pixels of both windows, hover fade, minimise and the close effect.
#include "skin/window/frame_procedure.h"
#include "skin/window/skin_settings.h"
#include "skin/window/skin_table.h"
#include "skin/window/surface.h"
#include "skin_window_fixture.h"

#include <objidl.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace skin {
namespace {

using test::HandToSkin;
using test::Park;
using test::Pump;
using test::TestWindow;

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// What the screen shows around a window, with a margin, in window coordinates.
class ScreenShot {
public:
    explicit ScreenShot(HWND hwnd, int margin = 4) : margin_(margin) {
        GetWindowRect(hwnd, &rect_);
        surface_ = Surface(rect_.right - rect_.left + 2 * margin, rect_.bottom - rect_.top + 2 * margin);
        HDC screen = GetDC(nullptr);
        BitBlt(surface_.dc(), 0, 0, surface_.width(), surface_.height(), screen, rect_.left - margin,
               rect_.top - margin, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
    Rgb At(int x, int y) const {
        const std::uint32_t p = surface_.Pixel(x + margin_, y + margin_);
        return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
    }
    // Sum of red minus blue over a rectangle: the hot close button glows red.
    long Redness(RECT r) const {
        long sum = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) sum += At(x, y).r - At(x, y).b;
        return sum;
    }
    bool AnyWhite(RECT r) const {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const Rgb c = At(x, y);
                if (c.r > 200 && c.g > 200 && c.b > 200) return true;
            }
        return false;
    }
    bool SameAs(const ScreenShot& o, RECT r) const {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (!(At(x, y) == o.At(x, y))) return false;
        return true;
    }
    void Save(const wchar_t* file) const {
        Gdiplus::GpBitmap* bmp = nullptr;
        Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(surface_.bitmap(), nullptr, &bmp);
        CLSID png;
        CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png);
        Gdiplus::DllExports::GdipSaveImageToFile(bmp, file, &png, nullptr);
        Gdiplus::DllExports::GdipDisposeImage(bmp);
    }

private:
    RECT rect_{};
    int margin_ = 0;
    Surface surface_;
};

class FrameOnScreen : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SkinStartUp(GetModuleHandleA(nullptr));
    }
};

bool Red(Rgb c) { return c.r > 150 && c.g < 80 && c.b < 80; }
bool Blue(Rgb c) { return c.b > 150 && c.r < 80 && c.g < 80; }
bool Green(Rgb c) { return c.g > 150 && c.r < 80 && c.b < 80; }

TEST_F(FrameOnScreen, MainWindowLooksSkinned) {
    Park();
    TestWindow w(690, 547, test::kMainStyle);
    w.AddMainControls();
    HandToSkin(w.get());
    const ScreenShot shot(w.get());
    shot.Save(L"main-window.png");

    // Outside the rounded corners the window is not drawn: the corner shows what lies behind.
    EXPECT_EQ(shot.At(0, 0), shot.At(-3, -3));
    EXPECT_EQ(shot.At(689, 546), shot.At(692, 549));
    // The picture is stretched: red left half, blue right half past x = 640, green bottom band.
    EXPECT_TRUE(Red(shot.At(10, 300)));
    EXPECT_TRUE(Red(shot.At(10, 470)));  // still red: at natural size the green band starts at 440
    EXPECT_TRUE(Blue(shot.At(680, 300)));
    EXPECT_TRUE(Green(shot.At(10, 535)));
    // Frame lines: 2 dark pixels at the edge, then 1 light one.
    const Rgb edge = shot.At(0, 300), light = shot.At(1, 300), inside = shot.At(10, 300);
    EXPECT_LT(edge.r, inside.r / 2) << edge.r;
    EXPECT_GT(light.g, 100) << light.g;
    // Title text and the two caption buttons (minimise at 625, close at 652).
    EXPECT_TRUE(shot.AnyWhite({29, 6, 200, 24}));
    EXPECT_TRUE(shot.AnyWhite({626, 2, 650, 19}));
    EXPECT_TRUE(shot.AnyWhite({653, 2, 689, 19}));
    EXPECT_FALSE(shot.AnyWhite({560, 2, 620, 19}));
}

TEST_F(FrameOnScreen, ExtraSitesWindowHasOnlyTheCloseButton) {
    Park();
    TestWindow w(420, 300, WS_POPUP | WS_SYSMENU, "其他网站");
    w.Add("Edit", "pan.example.com;", WS_BORDER | ES_MULTILINE, 20, 40, 380, 200);
    HandToSkin(w.get());
    const ScreenShot shot(w.get());
    shot.Save(L"extra-sites-window.png");
    ASSERT_EQ(RecordOf(w.get())->buttons.size(), 1u);
    EXPECT_EQ(RecordOf(w.get())->strip.width, 41);
    EXPECT_TRUE(shot.AnyWhite({383, 2, 419, 19}));
    EXPECT_FALSE(shot.AnyWhite({300, 2, 378, 19}));
    EXPECT_EQ(shot.At(0, 0), shot.At(-3, -3));
}

TEST_F(FrameOnScreen, HoverFadesTheButtonInAndBackOut) {
    Park();
    TestWindow w(690, 547, test::kMainStyle);
    w.AddMainControls();
    HandToSkin(w.get());
    const RECT close{653, 2, 689, 19};
    const ScreenShot normal(w.get());
    RECT wr{};
    GetWindowRect(w.get(), &wr);
    SetCursorPos(wr.left + 670, wr.top + 10);
    std::set<long> levels;
    for (int i = 0; i < 40; ++i) {
        Pump(5);
        levels.insert(ScreenShot(w.get()).Redness(close));
    }
    const ScreenShot hot(w.get());
    hot.Save(L"main-window-close-hot.png");
    EXPECT_GT(hot.Redness(close), normal.Redness(close) + 1000);
    EXPECT_GE(levels.size(), 3u) << "the glow comes in steps";
    EXPECT_EQ(RecordOf(w.get())->fade.hot, 2);

    Park();  // off the window: the fade-out runs to its end and the button looks as before
    Pump(300);
    const ScreenShot after(w.get());
    EXPECT_TRUE(after.SameAs(normal, close));
    EXPECT_EQ(RecordOf(w.get())->fade.hot, 0);
    EXPECT_FALSE(RecordOf(w.get())->fade.timerRunning);
}

TEST_F(FrameOnScreen, MinimiseAndRestoreRepaint) {
    Park();
    TestWindow w(690, 547, test::kMainStyle);
    w.AddMainControls();
    HandToSkin(w.get());
    const ScreenShot before(w.get());
    CaptionButtonAction(SkinNumberOf(w.get()), 1);
    Pump(200);
    EXPECT_TRUE(IsIconic(w.get()));
    ShowWindow(w.get(), SW_RESTORE);
    Pump(300);
    EXPECT_FALSE(IsIconic(w.get()));
    const ScreenShot after(w.get());
    EXPECT_TRUE(after.SameAs(before, {0, 0, 690, 30}));  // caption, title and buttons
    EXPECT_TRUE(after.SameAs(before, {0, 30, 15, 547}));
}

TEST_F(FrameOnScreen, ReleaseOverAnotherButtonActsOnThatOne) {
    Park();
    TestWindow w(690, 547, test::kMainStyle);
    HandToSkin(w.get());
    // Pressed on close, released over minimise: the window minimises and stays.
    SendMessageA(w.get(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(670, 10));
    SendMessageA(w.get(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(637, 10));
    SendMessageA(w.get(), WM_LBUTTONUP, 0, MAKELPARAM(637, 10));
    Pump(100);
    EXPECT_TRUE(IsWindow(w.get()));
    EXPECT_TRUE(IsIconic(w.get()));
}

int gTrims = 0;

TEST_F(FrameOnScreen, DeactivationTrimsTheWorkingSet) {
    TestWindow w(300, 200, test::kMainStyle);
    ApplySkin(w.get());
    gTrims = 0;
    SetTrimWorkingSetRoutine([] { ++gTrims; });
    SendMessageA(w.get(), WM_ACTIVATEAPP, 1, 0);
    EXPECT_TRUE(RecordOf(w.get())->active);
    SendMessageA(w.get(), WM_ACTIVATEAPP, 0, 0);
    SendMessageA(w.get(), WM_ACTIVATEAPP, 0, 0);
    EXPECT_FALSE(RecordOf(w.get())->active);
    EXPECT_EQ(gTrims, 2);
    SetTrimWorkingSetRoutine(nullptr);
}

TEST_F(FrameOnScreen, CloseEffectEndsWithTheWindowGone) {
    Park();
    TestWindow w(690, 547, test::kMainStyle);
    HandToSkin(w.get());
    HWND hwnd = w.get();
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(Skins().empty());
}

}  // namespace
}  // namespace skin
