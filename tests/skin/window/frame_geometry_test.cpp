// Caption layout, hit tests, press decisions, hover fade, close-effect frames and work area.
#include "skin/window/frame_geometry.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(CaptionGeometry, CaptionHeightNeverBelow25) {
    struct Case { int requested, want; };
    const Case cases[] = {{10, 25}, {0, 25}, {24, 25}, {25, 25}, {40, 40}};
    for (const Case& c : cases) EXPECT_EQ(CaptionHeightFor(c.requested), c.want) << c.requested;
}

TEST(CaptionGeometry, StripWidthFromButtons) {
    struct Case { std::vector<int> kinds; int want; };
    const Case cases[] = {
        {{kCloseButton}, 41},                                      // extra-sites window
        {{kMinimiseButton, kCloseButton}, 68},                     // main window
        {{kMinimiseButton, kMaximiseButton, kCloseButton}, 95},
    };
    for (const Case& c : cases) EXPECT_EQ(StripWidth(c.kinds), c.want);
}

TEST(CaptionGeometry, HitRectanglesInA690PixelWindow) {
    struct Case { std::vector<int> kinds; float stripX; std::vector<float> hitX; };
    const Case cases[] = {
        {{kMinimiseButton, kCloseButton}, 623, {625, 652}},
        {{kMinimiseButton, kMaximiseButton, kCloseButton}, 596, {598, 625, 652}},
        {{kCloseButton}, 650, {652}},
    };
    for (const Case& c : cases) {
        const CaptionLayoutResult r = CaptionLayout(690, c.kinds);
        EXPECT_EQ(r.strip.x, c.stripX);
        EXPECT_EQ(r.strip.height, 22);
        ASSERT_EQ(r.hits.size(), c.hitX.size());
        for (std::size_t i = 0; i < c.hitX.size(); ++i) {
            EXPECT_EQ(r.hits[i].x, c.hitX[i]) << i;
            EXPECT_EQ(r.hits[i].y, 1);
            EXPECT_EQ(r.hits[i].height, 18);
        }
        EXPECT_EQ(r.hits.back().width, 40);  // close reaches 2 pixels past the client area
        EXPECT_EQ(r.hits.back().x + r.hits.back().width, 692);
    }
}

TEST(CaptionGeometry, StripAndButtonHitTests) {
    const CaptionLayoutResult r = CaptionLayout(690, {kMinimiseButton, kCloseButton});  // strip 623..691
    struct Case { int x, y; bool onStrip; int button; };
    const Case cases[] = {
        {621, 5, true, 0},    // 2 pixels left of the strip still counts as strip, but no button
        {620, 5, false, 0},
        {625, 5, true, 0},    // hit edges are exclusive
        {626, 5, true, 1},
        {650, 10, true, 1},
        {651, 10, true, 0},   // the pixel between the buttons
        {652, 10, true, 0},
        {653, 10, true, 2},
        {689, 18, true, 2},
        {689, 19, true, 0},   // below the hit rectangles
        {660, 23, false, 0},  // below the strip
        {660, 1, true, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StripHitTest(r.strip, c.x, c.y), c.onStrip) << c.x << "," << c.y;
        EXPECT_EQ(ButtonHitTest(r.strip, r.hits, c.x, c.y), c.button) << c.x << "," << c.y;
    }
}

TEST(FramePress, MoveSizeOrNothing) {
    FrameShape fixed{690, 547, 25, true, false, CaptionLayout(690, {kMinimiseButton, kCloseButton}).strip};
    FrameShape sizable = fixed;
    sizable.resizable = true;
    FrameShape bare = fixed;
    bare.captionDrawn = false;
    struct Case { const FrameShape* shape; int x, y; PressAction action; int command; };
    const Case cases[] = {
        {&fixed, 100, 10, PressAction::kMove, 0},
        {&fixed, 100, 25, PressAction::kMove, 0},
        {&fixed, 100, 26, PressAction::kNone, 0},
        {&fixed, 100, 3, PressAction::kNone, 0},    // border pixels do not drag
        {&fixed, 3, 10, PressAction::kNone, 0},
        {&fixed, 687, 10, PressAction::kNone, 0},   // on the strip: the buttons act on release
        {&fixed, 630, 10, PressAction::kNone, 0},
        {&fixed, 0, 300, PressAction::kNone, 0},    // not resizable: no sizing zones
        {&bare, 100, 10, PressAction::kNone, 0},
        {&sizable, 0, 300, PressAction::kSize, 61441},
        {&sizable, 689, 300, PressAction::kSize, 61442},
        {&sizable, 300, 1, PressAction::kSize, 61443},
        {&sizable, 300, 546, PressAction::kSize, 61446},
        {&sizable, 2, 2, PressAction::kSize, 61444},
        {&sizable, 10, 546, PressAction::kSize, 61447},
        {&sizable, 685, 540, PressAction::kSize, 61448},
        {&sizable, 5, 3, PressAction::kSize, 61444},
        {&sizable, 3, 300, PressAction::kSize, 61441},
        {&sizable, 300, 300, PressAction::kNone, 0},
    };
    for (const Case& c : cases) {
        const PressDecision d = DecidePress(*c.shape, c.x, c.y);
        EXPECT_EQ(d.action, c.action) << c.x << "," << c.y;
        EXPECT_EQ(d.sizeCommand, c.command) << c.x << "," << c.y;
    }
}

TEST(FramePress, SizingZonesAndCursors) {
    struct Case { int x, y, zone; SizingCursor cursor; };
    const Case cases[] = {
        {0, 11, 61441, SizingCursor::kWestEast},
        {0, 10, 61444, SizingCursor::kNorthWestSouthEast},
        {399, 150, 61442, SizingCursor::kWestEast},
        {200, 0, 61443, SizingCursor::kNorthSouth},
        {200, 299, 61446, SizingCursor::kNorthSouth},
        {399, 0, 61445, SizingCursor::kNorthEastSouthWest},
        {0, 299, 61447, SizingCursor::kNorthEastSouthWest},
        {399, 299, 61448, SizingCursor::kNorthWestSouthEast},
        {200, 150, 0, SizingCursor::kNone},
        {4, 150, 0, SizingCursor::kNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SizingZone(c.x, c.y, 400, 300), c.zone) << c.x << "," << c.y;
        EXPECT_EQ(SizingCursorAt(c.x, c.y, 400, 300), c.cursor) << c.x << "," << c.y;
    }
}

std::vector<int> AlphasOf(const std::vector<ButtonPaint>& paints, int button) {
    std::vector<int> a;
    for (const ButtonPaint& p : paints)
        if (p.button == button) a.push_back(p.alpha);
    return a;
}

TEST(HoverFade, FadesInOverEightTicksAndOutAfterLeaving) {
    FadeState s;
    s.tracking = s.timerRunning = true;
    EXPECT_TRUE(FadeHotChange(s, 2).empty());
    std::vector<ButtonPaint> all;
    for (int i = 0; i < 10; ++i) {
        const FadeTickResult r = FadeTick(s);
        EXPECT_FALSE(r.stopTimer);
        all.insert(all.end(), r.paints.begin(), r.paints.end());
    }
    EXPECT_EQ(AlphasOf(all, 2), (std::vector<int>{30, 60, 90, 120, 150, 180, 210, 240}));
    EXPECT_EQ(s.hot, 2);

    // Off the strip: the fade-out runs to its end, then the timer stops and all is cleared.
    s.timerRunning = false;
    EXPECT_TRUE(FadeHotChange(s, 0).empty());
    all.clear();
    int ticks = 0;
    for (FadeTickResult r; !r.stopTimer && ticks < 20; ++ticks) {
        r = FadeTick(s);
        all.insert(all.end(), r.paints.begin(), r.paints.end());
    }
    EXPECT_EQ(ticks, 8);
    EXPECT_EQ(AlphasOf(all, 2), (std::vector<int>{210, 180, 150, 120, 90, 60, 30, 0}));
    EXPECT_EQ(s.hot, 0);
    EXPECT_EQ(s.fadeOut.button, 0);
    EXPECT_FALSE(s.timerRunning);
}

TEST(HoverFade, MovingAcrossFadesBothOverTheSameTicksAndCutsShort) {
    FadeState s;
    s.tracking = s.timerRunning = true;
    FadeHotChange(s, 1);
    FadeTick(s);
    FadeTick(s);
    EXPECT_TRUE(FadeHotChange(s, 2).empty());  // no fade-out running yet
    const FadeTickResult r = FadeTick(s);
    EXPECT_EQ(r.paints, (std::vector<ButtonPaint>{{2, 30}, {1, 210}}));
    // Back onto button 1 before the fade-out ends: that fade-out is cut short at alpha 0.
    const std::vector<ButtonPaint> cut = FadeHotChange(s, 1);
    EXPECT_EQ(cut, (std::vector<ButtonPaint>{{1, 0}}));
    EXPECT_EQ(s.fadeOut.button, 2);
    EXPECT_EQ(s.fadeOut.step, 0);
    EXPECT_EQ(s.fadeIn.button, 1);
}

TEST(HoverFade, LeavingTheWindowStartsTheFadeOut) {
    FadeState s;
    s.tracking = s.timerRunning = true;
    FadeHotChange(s, 1);
    for (int i = 0; i < 3; ++i) FadeTick(s);  // mid fade-in
    EXPECT_TRUE(FadeMouseLeave(s).empty());
    EXPECT_EQ(s.hot, 0);
    EXPECT_EQ(s.fadeOut.button, 1);
    EXPECT_EQ(s.fadeIn.button, 0);
    EXPECT_FALSE(s.tracking);
    EXPECT_EQ(FadeTick(s).paints, (std::vector<ButtonPaint>{{1, 210}}));
}

TEST(CloseEffect, FrameGeometryAlphasAndDelays) {
    const std::vector<EffectFrame> pulse = CloseEffectFrames(kPulseEffect, 100, 50, 690, 547);
    ASSERT_EQ(pulse.size(), 10u);
    // f = 13, e = 10: five frames down to about 90 %, five back up.
    const EffectFrame wantPulse[] = {
        {106, 55, 677, 537, 230, 18}, {112, 60, 664, 527, 205, 16}, {118, 65, 651, 517, 180, 14},
        {124, 70, 638, 507, 155, 12}, {130, 75, 625, 497, 130, 10}, {123, 70, 638, 507, 105, 8},
        {116, 65, 651, 517, 80, 6},   {109, 60, 664, 527, 55, 4},   {102, 55, 677, 537, 30, 2},
        {95, 50, 690, 547, 5, 0},
    };
    for (int i = 0; i < 10; ++i) EXPECT_EQ(pulse[i], wantPulse[i]) << "frame " << i + 1;

    const std::vector<EffectFrame> shrink = CloseEffectFrames(kShrinkEffect, 0, 0, 400, 300);
    ASSERT_EQ(shrink.size(), 10u);
    EXPECT_EQ(shrink[0], (EffectFrame{20, 15, 360, 270, 230, 19}));
    EXPECT_EQ(shrink[9], (EffectFrame{200, 150, 0, 0, 5, 10}));

    EXPECT_TRUE(CloseEffectFrames(0, 0, 0, 400, 300).empty());
    EXPECT_TRUE(CloseEffectFrames(3, 0, 0, 400, 300).empty());
}

TEST(WorkArea, TaskBarPlacements) {
    struct Case { IntRect tray; bool visible, forTrack; AreaSize want; };
    const Case cases[] = {
        {{0, 728, 1366, 768}, true, false, {1366, 728}},   // bottom, 40 high
        {{0, 766, 1366, 806}, true, false, {1366, 768}},   // hidden at the bottom edge
        {{0, -38, 1366, 2}, true, false, {1366, 768}},     // above the screen
        {{0, 0, 60, 768}, true, false, {1306, 768}},       // vertical at the left
        {{0, 0, 60, 768}, false, true, {1366, 768}},
        {{0, 0, 0, 0}, false, false, {1366, 768}},         // no task bar at all
    };
    for (const Case& c : cases)
        EXPECT_EQ(WorkAreaSize(c.tray, c.visible, 1366, 768, c.forTrack), c.want) << c.tray.top;
}

}  // namespace
}  // namespace skin
