#include "app/extra_sites_window.h"

#include <string>

#include "app/app_texts.h"
#include "app/file_io.h"
#include "app/main_window.h"
#include "app/show_message.h"
#include "app/skin_hooks.h"
#include "app/window_layout.h"

namespace app {

namespace {

constexpr int kClientWidth = 381;
constexpr int kClientHeight = 236;

constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER;
const ControlLayout kControls[] = {
    {kIdSitesEdit, "EDIT", "",
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
     WS_EX_CLIENTEDGE, 6, 34, 368, 168},
    {kIdHelpButton, "BUTTON", "帮助", kButton, 0, 183, 208, 60, 24},
    {kIdCancelButton, "BUTTON", "取消", kButton, 0, 249, 208, 60, 24},
    {kIdConfirmButton, "BUTTON", "确定", kButton, 0, 314, 208, 60, 24},
};

LRESULT OnCreate(HWND window, const CREATESTRUCTA& create) {
    for (const ControlLayout& layout : kControls) CreateLayoutControl(window, create.hInstance, layout);
    SetWindowTextA(GetDlgItem(window, kIdSitesEdit), ExtraSitesText().c_str());
    HandWindowToSkin(window);
    return 0;
}

void OnConfirm(HWND window) {
    const std::string sites = WindowTextOf(GetDlgItem(window, kIdSitesEdit));
    switch (JudgeExtraSites(sites)) {
    case ExtraSitesVerdict::Empty: ShowMessage(window, "请输入内容！", 0, kNoticeTitle); return;
    case ExtraSitesVerdict::EndsWithSemicolon:
        MessageBoxA(nullptr, "请不用分号结尾！", "信息：", MB_OK | MB_TASKMODAL);
        return;
    case ExtraSitesVerdict::Accept: break;
    }
    ExtraSitesText() = sites;
    if (!ReplaceFileContent(kUrlFileName, sites)) ShowMessage(window, "url.txt 保存失败！", 0, kNoticeTitle);
    DestroyWindow(window);
}

void OnCommand(HWND window, int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case kIdConfirmButton: OnConfirm(window); break;
    case kIdHelpButton: ShowMessage(window, ExtraSitesHelpText(), 0, "帮助"); break;
    case kIdCancelButton: DestroyWindow(window); break;
    }
}

LRESULT CALLBACK ExtraSitesProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd, *reinterpret_cast<const CREATESTRUCTA*>(lp));
    case WM_COMMAND: OnCommand(hwnd, LOWORD(wp), HIWORD(wp)); return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

bool RegisterExtraSitesWindowClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ExtraSitesProcedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kExtraSitesWindowClass;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void RunExtraSitesWindow(HWND owner) {
    const DWORD style = WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT rc{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&rc, style, FALSE, 0);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HWND window = CreateWindowExA(0, kExtraSitesWindowClass, kExtraSitesCaption, style,
                                  (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w,
                                  h, owner, nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE)),
                                  nullptr);
    if (window == nullptr) return;
    EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    SetFocus(GetDlgItem(window, kIdSitesEdit));
    MSG msg;
    bool quit = false;
    while (IsWindow(window)) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            break;
        }
        if (TranslateAppKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    EnableWindow(owner, TRUE);
    if (IsWindow(window)) DestroyWindow(window);
    SetActiveWindow(owner);
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
}

void LoadExtraSitesText() {
    const std::optional<std::string> content = ReadWholeFile(kUrlFileName);
    ExtraSitesText() = content ? std::string(content->c_str()) : std::string();
}

}  // namespace app
