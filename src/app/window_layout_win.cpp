#include "app/window_layout.h"

namespace app {

HWND CreateLayoutControl(HWND parent, HINSTANCE instance, const ControlLayout& layout) {
    HWND control = CreateWindowExA(layout.exStyle, layout.className, layout.text, layout.style, layout.left, layout.top,
                                   layout.width, layout.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

std::string WindowTextOf(HWND window) {
    const int n = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    const int got = GetWindowTextA(window, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

}  // namespace app
