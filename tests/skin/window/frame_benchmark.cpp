// Prints median times of a full repaint of a main-window-sized skinned window, of one hover-fade
// tick and of the whole close effect. Not a test: the figures are read, never asserted.
#include "skin/window/frame.h"
#include "skin/window/skin_settings.h"
#include "skin/window/skin_table.h"
#include "skin_window_fixture.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace skin;

double NowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::unique_ptr<test::TestWindow> SkinnedMainWindow() {
    auto w = std::make_unique<test::TestWindow>(690, 547, test::kMainStyle);
    w->AddMainControls();
    SetSkinBackground("", test::TestPicture(), std::nullopt, 0xFF8800, 3);
    ControlSkinOptions(true, 100, true, 0, false);
    ApplySkinOptions o;
    o.resizable = 0;
    ApplySkin(w->get(), o);
    SetCloseEffect(w->get(), 2);
    ShowWindow(w->get(), SW_SHOW);
    test::Pump(300);
    return w;
}

}  // namespace

int main() {
    SkinStartUp(GetModuleHandleA(nullptr));
    SetCursorPos(2, 2);
    auto w = SkinnedMainWindow();
    const int n = SkinNumberOf(w->get());

    std::vector<double> repaint;
    for (int i = 0; i < 30; ++i) {
        const double t0 = NowMs();
        FullRepaint(n, nullptr, true);
        repaint.push_back(NowMs() - t0);
    }

    // The same repaint when the background has just changed: the picture is decoded and placed again.
    std::vector<double> changed;
    for (int i = 0; i < 10; ++i) {
        ++Settings().backgroundGeneration;
        const double t0 = NowMs();
        FullRepaint(n, nullptr, true);
        changed.push_back(NowMs() - t0);
    }

    // Side by side: one plain copy of the window image to the screen, what every WM_PAINT costs.
    std::vector<double> copy;
    for (int i = 0; i < 30; ++i) {
        HDC dc = GetDC(w->get());
        const double t0 = NowMs();
        ShowBackground(n, dc);
        GdiFlush();
        copy.push_back(NowMs() - t0);
        ReleaseDC(w->get(), dc);
    }

    std::vector<double> offscreen;
    for (int i = 0; i < 30; ++i) {
        const double t0 = NowMs();
        FullRepaint(n, nullptr, false);
        offscreen.push_back(NowMs() - t0);
    }

    // One tick of a fade in and out: two buttons restored, drawn and copied to the screen.
    std::vector<double> tick;
    SkinRecord* r = RecordOf(w->get());
    for (int i = 0; i < 100; ++i) {
        r->fade.tracking = r->fade.timerRunning = true;
        r->fade.fadeIn = {2, i % 7};
        r->fade.fadeOut = {1, i % 7};
        const double t0 = NowMs();
        SendMessageA(w->get(), WM_TIMER, reinterpret_cast<WPARAM>(w->get()), 0);
        tick.push_back(NowMs() - t0);
    }
    KillTimer(w->get(), reinterpret_cast<UINT_PTR>(w->get()));
    w.reset();

    std::vector<double> closing;
    for (int i = 0; i < 5; ++i) {
        auto c = SkinnedMainWindow();
        const double t0 = NowMs();
        SendMessageA(c->get(), WM_CLOSE, 0, 0);
        closing.push_back(NowMs() - t0);
    }

    std::printf("full repaint 690x547: median %.2f ms (goal 16 ms), %.1f x one plain copy (%.2f ms)\n",
                Median(repaint), Median(repaint) / Median(copy), Median(copy));
    std::printf("  after a background change (picture decoded and stretched again): median %.2f ms\n",
                Median(changed));
    std::printf("  of which off screen (no region, no blit): median %.2f ms\n", Median(offscreen));
    std::printf("hover-fade tick (2 buttons): median %.3f ms\n", Median(tick));
    std::printf("close effect (pulse, 10 frames): median %.1f ms\n", Median(closing));
    SkinShutDown();
    return 0;
}
