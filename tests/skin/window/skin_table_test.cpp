// Skin records on real windows: ApplySkin, the control lists, renumbering and release.
#include "skin/controls/installers.h"
#include "skin/window/frame_procedure.h"
#include "skin/window/properties.h"
#include "skin/window/skin_table.h"
#include "skin_window_fixture.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using test::TestWindow;

ApplySkinOptions WithResizable(int resizable) {
    ApplySkinOptions o;
    o.resizable = resizable;
    return o;
}

std::size_t ListSize(HWND hwnd, ControlKind k) { return RecordOf(hwnd)->controls[k].size(); }

TEST(ApplySkin, RecordStripAndControls) {
    struct Case { DWORD style; int width; std::vector<int> kinds; float firstHit; };
    const Case cases[] = {
        {test::kMainStyle, 690, {kMinimiseButton, kCloseButton}, 625},
        {WS_POPUP | WS_SYSMENU, 400, {kCloseButton}, 362},
        {WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 690, {kMinimiseButton, kMaximiseButton, kCloseButton}, 598},
    };
    for (const Case& c : cases) {
        TestWindow w(c.width, 300, c.style);
        ApplySkin(w.get(), WithResizable(0));
        SkinRecord* r = RecordOf(w.get());
        ASSERT_NE(r, nullptr);
        std::vector<int> kinds;
        for (const CaptionButton& b : r->buttons) kinds.push_back(b.kind);
        EXPECT_EQ(kinds, c.kinds);
        EXPECT_EQ(r->strip.width, StripWidth(c.kinds));
        EXPECT_EQ(r->buttons[0].hit.x, c.firstHit);
        EXPECT_FALSE(r->resizable);
        EXPECT_TRUE(r->dirty);
        EXPECT_EQ(GetWindowLongPtrA(w.get(), GWL_STYLE) & WS_SYSMENU, WS_SYSMENU);
        EXPECT_EQ(GetWindowLongPtrA(w.get(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&FrameProcedure));
        EXPECT_EQ(SetCloseEffect(w.get(), 2), 1);
        EXPECT_EQ(r->closeEffect, 2);
    }
    EXPECT_TRUE(Skins().empty());
}

TEST(ApplySkin, CaptionHeightAndOptions) {
    TestWindow w(400, 300, test::kMainStyle);
    ApplySkinOptions o;
    o.captionHeight = 10;
    o.noCloseButton = 1;
    ApplySkin(w.get(), o);
    const SkinRecord* r = RecordOf(w.get());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->captionHeight, 25);
    EXPECT_TRUE(r->resizable);  // the default
    ASSERT_EQ(r->buttons.size(), 1u);
    EXPECT_EQ(r->buttons[0].kind, kMinimiseButton);
}

TEST(ApplySkin, CaptionTooltipOnlyWhenCaptionDrawnIsGiven) {
    for (const bool given : {false, true}) {
        TestWindow w(690, 547, test::kMainStyle);
        ApplySkinOptions o;
        if (given) o.captionDrawn = 1;
        ApplySkin(w.get(), o);
        const SkinRecord* r = RecordOf(w.get());
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->tooltip.window() != nullptr, given);
        if (given) {
            EXPECT_EQ(r->tooltip.ToolCount(), 2);
        }
    }
}

TEST(ApplySkin, TwiceChangesNothing) {
    TestWindow w(690, 547, test::kMainStyle);
    w.AddMainControls();
    ApplySkin(w.get(), WithResizable(0));
    const std::size_t buttons = ListSize(w.get(), kButtons), edits = ListSize(w.get(), kEdits);
    EXPECT_EQ(buttons, 4u);
    EXPECT_EQ(edits, 1u);
    EXPECT_EQ(ListSize(w.get(), kLists), 1u);
    EXPECT_EQ(ListSize(w.get(), kHeaders), 1u);
    ApplySkin(w.get(), WithResizable(1));
    EXPECT_EQ(Skins().size(), 1u);
    EXPECT_FALSE(RecordOf(w.get())->resizable);
    EXPECT_EQ(ListSize(w.get(), kButtons), buttons);
    // The previous procedure is still the window's own, not the frame procedure.
    EXPECT_EQ(GetProcedureProperty(w.get()), &test::PlainProcedure);
}

TEST(ApplySkin, ControlListsStartWithOneBlankRecord) {
    TestWindow bare(300, 200, test::kMainStyle);
    ApplySkin(bare.get());
    for (const ControlList& l : RecordOf(bare.get())->controls) {
        ASSERT_EQ(l.size(), 1u);
        EXPECT_EQ(l[0].window, nullptr);
    }
    TestWindow w(300, 200, test::kMainStyle);
    HWND first = w.Add("BUTTON", "a", BS_PUSHBUTTON, 0, 30, 50, 20);
    HWND second = w.Add("BUTTON", "b", BS_PUSHBUTTON, 60, 30, 50, 20);
    ApplySkin(w.get());
    EXPECT_EQ(GetIntProperty(first, kHw_lbID), 1);
    EXPECT_EQ(GetIntProperty(second, kHw_lbID), 2);
    EXPECT_EQ(GetIntProperty(first, kHw_FuID), 2);
    EXPECT_EQ(GetProcedureProperty(first), RecordOf(w.get())->controls[kButtons][0].previous);
}

TEST(Installers, StyleTestsAndRepeats) {
    struct Case { LONG style; bool push, checkOrRadio; };
    const Case cases[] = {
        {BS_PUSHBUTTON, true, false}, {BS_DEFPUSHBUTTON, true, false}, {BS_USERBUTTON, true, false},
        {BS_CHECKBOX, false, true},   {BS_AUTOCHECKBOX, false, true},  {BS_AUTORADIOBUTTON, false, true},
        {BS_RADIOBUTTON, false, false},  // type 4: neither test
        {BS_3STATE, false, false},    {BS_GROUPBOX, false, false},     {BS_OWNERDRAW, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPushButtonStyle(c.style), c.push) << c.style;
        EXPECT_EQ(IsCheckOrRadioStyle(c.style), c.checkOrRadio) << c.style;
    }
    TestWindow w(300, 200, test::kMainStyle);
    w.Add("BUTTON", "a", BS_PUSHBUTTON, 0, 30, 50, 20);
    w.Add("BUTTON", "b", BS_AUTOCHECKBOX, 60, 30, 50, 20);
    w.Add("Edit", "", 0, 0, 60, 50, 20);
    ApplySkin(w.get());
    const int n = SkinNumberOf(w.get());
    InstallPushButtons(n, w.get());
    InstallEditsAndCombos(n, w.get());
    EXPECT_EQ(ListSize(w.get(), kButtons), 2u);
    EXPECT_EQ(ListSize(w.get(), kEdits), 1u);
    HWND check = FindWindowExA(w.get(), FindWindowExA(w.get(), nullptr, "BUTTON", nullptr), "BUTTON", nullptr);
    InstallCheckBoxes(n, w.get());  // check boxes are not looked up first
    EXPECT_EQ(ListSize(w.get(), kButtons), 3u);
    // ... but the second registration does not subclass it again: messages still reach the control.
    EXPECT_EQ(GetProcedureProperty(check), RecordOf(w.get())->controls[kButtons][1].previous);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST(ReleaseSkin, RenumbersWindowsAndControls) {
    auto first = std::make_unique<TestWindow>(300, 200, test::kMainStyle);
    TestWindow second(300, 200, test::kMainStyle);
    HWND button = second.Add("BUTTON", "a", BS_PUSHBUTTON, 0, 30, 50, 20);
    HWND edit = second.Add("Edit", "", 0, 0, 60, 50, 20);
    ApplySkin(first->get());
    ApplySkin(second.get());
    EXPECT_EQ(GetIntProperty(second.get(), kHw_lbID), 2);
    EXPECT_EQ(GetIntProperty(button, kHw_FuID), 2);
    first.reset();
    ASSERT_EQ(Skins().size(), 1u);
    EXPECT_EQ(GetIntProperty(second.get(), kHw_lbID), 1);
    EXPECT_EQ(GetIntProperty(button, kHw_FuID), 1);
    EXPECT_EQ(GetIntProperty(edit, kHw_FuID), 1);
    EXPECT_EQ(RecordOf(second.get())->window, second.get());
}

TEST(ReleaseSkin, RestoresTheProcedureAndProperties) {
    TestWindow w(300, 200, test::kMainStyle);
    ApplySkin(w.get());
    ReleaseSkin(w.get());
    EXPECT_EQ(GetWindowLongPtrA(w.get(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&test::PlainProcedure));
    EXPECT_EQ(GetProperty(w.get(), kHw_lbID), 0);
    EXPECT_EQ(GetProperty(w.get(), kHw_hProc), 0);
    EXPECT_TRUE(Skins().empty());
    EXPECT_EQ(SetCloseEffect(w.get(), 2), 0);
    ReleaseSkin(w.get());  // a second release finds nothing
}

}  // namespace
}  // namespace skin
