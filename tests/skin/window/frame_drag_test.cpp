// Dragging a skinned window by its caption and maximising it by a double click. Its own program:
// the system's move loop and maximising grab and release the pointer, which under Wine fails once
// other windows of the same process have changed the pointer grab before.
#include "skin/window/skin_settings.h"
#include "skin/window/skin_table.h"
#include "skin_window_fixture.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using test::HandToSkin;
using test::Park;
using test::Pump;
using test::TestWindow;

class FrameDrag : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SkinStartUp(GetModuleHandleA(nullptr));
    }
};

void MouseTo(int x, int y, DWORD extra = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | extra;
    SendInput(1, &in, sizeof in);
}

TEST_F(FrameDrag, DragsByTheCaptionOnly) {
    Park();
    TestWindow w(690, 547, test::kMainStyle);
    w.AddMainControls();
    HandToSkin(w.get());
    struct Case { int x, y; bool moves; };
    const Case cases[] = {
        {100, 12, true},    // caption band
        {100, 40, false},   // below the caption
        {2, 12, false},     // border pixels
        {640, 21, false},   // the caption strip between and below the buttons does not drag
    };
    for (const Case& c : cases) {
        RECT before{}, after{};
        GetWindowRect(w.get(), &before);
        MouseTo(before.left + c.x, before.top + c.y);
        Pump(50);
        MouseTo(before.left + c.x, before.top + c.y, MOUSEEVENTF_LEFTDOWN);
        for (int i = 1; i <= 5; ++i) MouseTo(before.left + c.x + 8 * i, before.top + c.y + 6 * i);
        MouseTo(before.left + c.x + 40, before.top + c.y + 30, MOUSEEVENTF_LEFTUP);
        Pump(200);
        GetWindowRect(w.get(), &after);
        if (c.moves) {
            EXPECT_EQ(after.left - before.left, 40) << c.x << "," << c.y;
            EXPECT_EQ(after.top - before.top, 30) << c.x << "," << c.y;
        } else {
            EXPECT_EQ(after.left, before.left) << c.x << "," << c.y;
            EXPECT_EQ(after.top, before.top) << c.x << "," << c.y;
        }
        ASSERT_FALSE(IsIconic(w.get()));
    }
}

TEST_F(FrameDrag, DoubleClickMaximisesOnlyResizableWindows) {
    Park();
    for (int resizable : {0, 1}) {
        TestWindow w(400, 300, WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
        ApplySkinOptions o;
        o.resizable = resizable;
        ApplySkin(w.get(), o);
        ShowWindow(w.get(), SW_SHOW);
        Pump(100);
        SendMessageA(w.get(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 10));
        Pump(100);
        EXPECT_EQ(RecordOf(w.get())->maximised, resizable == 1);
        EXPECT_EQ(IsZoomed(w.get()) != 0, resizable == 1);
        EXPECT_EQ(RecordOf(w.get())->buttons[1].name, resizable == 1 ? "还原" : "最大化");
    }
}

}  // namespace
}  // namespace skin
