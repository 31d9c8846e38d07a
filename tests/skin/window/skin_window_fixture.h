// Test windows built like the application's: a WS_POPUP window with a few controls.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "skin/window/skin_settings.h"
#include "skin/window/skin_table.h"

namespace skin::test {

inline LRESULT CALLBACK PlainProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    return DefWindowProcA(hwnd, msg, wp, lp);
}

inline const char* TestClass() {
    static const char* name = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = PlainProcedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = "LanxiSkinTest";
        RegisterClassExA(&wc);
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&icc);
        return "LanxiSkinTest";
    }();
    return name;
}

// Owns the window; destroying it runs the skin's release.
class TestWindow {
public:
    TestWindow(int w, int h, DWORD style, const char* title = "岚汐寻踪") {
        const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
        hwnd_ = CreateWindowExA(0, TestClass(), title, style, x, y, w, h, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow() {
        if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    }
    HWND get() const { return hwnd_; }
    HWND Add(const char* cls, const char* text, DWORD style, int x, int y, int w, int h) {
        return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, hwnd_, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }
    // Two buttons, two check boxes, an edit box and a report list view, as in the main window.
    void AddMainControls() {
        Add("BUTTON", "给我搜", BS_PUSHBUTTON, 560, 40, 100, 28);
        Add("BUTTON", "关于作者", BS_PUSHBUTTON, 560, 80, 100, 28);
        Add("BUTTON", "百度", BS_AUTOCHECKBOX, 20, 80, 80, 20);
        Add("BUTTON", "其他", BS_AUTOCHECKBOX, 110, 80, 80, 20);
        Add("Edit", "网盘", WS_BORDER | ES_AUTOHSCROLL, 20, 40, 520, 24);
        Add(WC_LISTVIEWA, "", WS_BORDER | LVS_REPORT, 20, 120, 650, 400);
    }

private:
    HWND hwnd_ = nullptr;
};

constexpr DWORD kMainStyle = WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU;

inline void Pump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(2);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

// A 640 x 480 BMP file: red left half, blue right half, a green band along the bottom.
inline std::vector<unsigned char> TestPicture() {
    const int w = 640, h = 480;
    const std::uint32_t rowBytes = w * 3;
    const std::uint32_t size = 54 + rowBytes * h;
    std::vector<unsigned char> b(size, 0);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < h; ++y)  // bottom-up rows
        for (int x = 0; x < w; ++x) {
            unsigned char* p = &b[54 + y * rowBytes + x * 3];  // B, G, R
            if (y < 40) { p[1] = 200; continue; }
            if (x < w / 2) p[2] = 200; else p[0] = 200;
        }
    return b;
}

// The four steps of the windows' created handlers, then shown and painted.
inline void HandToSkin(HWND hwnd) {
    SetSkinBackground("", TestPicture(), std::nullopt, 0xFF8800, 3);
    ControlSkinOptions(true, 100, true, 0, false);
    ApplySkinOptions o;
    o.resizable = 0;
    ApplySkin(hwnd, o);
    SetCloseEffect(hwnd, 2);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    Pump(300);
}

// The pointer out of the way of every caption button.
inline void Park() {
    SetCursorPos(2, 2);
    Pump(100);
}

}  // namespace skin::test
