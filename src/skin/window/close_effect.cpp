// Ten frames of a shrinking or pulsing, fading copy of the window on a layered window.
#include "skin/window/close_effect.h"

#include "skin/window/frame_geometry.h"
#include "skin/graphics/gdi_handles.h"
#include "skin/window/surface.h"

namespace skin {

void PlayCloseEffect(HWND hwnd, int effect) {
    if (effect != kShrinkEffect && effect != kPulseEffect) return;
    const LONG_PTR ex = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    RECT client{}, wr{};
    GetClientRect(hwnd, &client);
    GetWindowRect(hwnd, &wr);
    const int w = wr.right - wr.left, h = wr.bottom - wr.top;
    Surface a(client.right, client.bottom), b(client.right, client.bottom);
    if (!a || !b) return;
    {
        const WindowDc dc(hwnd);
        BitBlt(a.dc(), 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
    }
    // GDI leaves the alpha bytes 0; with per-pixel alpha that would make the window vanish at once.
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) a.Pixel(x, y) |= 0xFF000000;
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetStretchBltMode(b.dc(), COLORONCOLOR);
    for (const EffectFrame& f : CloseEffectFrames(effect, wr.left, wr.top, w, h)) {
        StretchBlt(b.dc(), 0, 0, f.width, f.height, a.dc(), 0, 0, w, h, SRCCOPY);
        POINT pos{f.x, f.y}, zero{0, 0};
        SIZE size{f.width, f.height};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(f.alpha), AC_SRC_ALPHA};
        UpdateLayeredWindow(hwnd, nullptr, &pos, &size, b.dc(), &zero, 0, &blend, ULW_ALPHA);
        if (f.sleepMs > 0) Sleep(static_cast<DWORD>(f.sleepMs));
    }
}

}  // namespace skin
