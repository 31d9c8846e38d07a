// The tooltip companion: one tooltip window and its tools for one owner.
#include "skin/graphics/tooltip.h"

#include <commctrl.h>

#include <string>
#include <utility>

namespace skin {

namespace {

// The oldest TOOLINFO layout: every comctl32 version accepts it.
TTTOOLINFOA ToolInfo(HWND owner, UINT id) {
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = owner;
    ti.uId = id;
    return ti;
}

void SetRect(TTTOOLINFOA& ti, HWND owner, const RECT* rect) {
    if (rect != nullptr) ti.rect = *rect;
    else GetClientRect(owner, &ti.rect);
}

}  // namespace

Tooltip::Tooltip(HWND owner, bool balloon) : owner_(owner) {
    DWORD style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;
    if (balloon) style |= TTS_BALLOON;
    window_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window_ != nullptr) SendMessageA(window_, TTM_SETMAXTIPWIDTH, 0, 600);
}

Tooltip::~Tooltip() {
    if (window_ != nullptr) DestroyWindow(window_);
}

Tooltip::Tooltip(Tooltip&& other) noexcept
    : owner_(std::exchange(other.owner_, nullptr)), window_(std::exchange(other.window_, nullptr)) {}

Tooltip& Tooltip::operator=(Tooltip&& other) noexcept {
    if (this != &other) {
        if (window_ != nullptr) DestroyWindow(window_);
        owner_ = std::exchange(other.owner_, nullptr);
        window_ = std::exchange(other.window_, nullptr);
    }
    return *this;
}

bool Tooltip::AddTool(UINT id, const RECT* rect, std::string_view text) {
    if (window_ == nullptr) return false;
    std::string copy(text);
    TTTOOLINFOA ti = ToolInfo(owner_, id);
    SetRect(ti, owner_, rect);
    ti.lpszText = copy.data();
    return SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)) != 0;
}

bool Tooltip::AddToolWithTextOnRequest(UINT id, const RECT* rect) {
    if (window_ == nullptr) return false;
    TTTOOLINFOA ti = ToolInfo(owner_, id);
    SetRect(ti, owner_, rect);
    ti.lpszText = LPSTR_TEXTCALLBACKA;
    return SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)) != 0;
}

void Tooltip::DeleteTool(UINT id) {
    if (window_ == nullptr) return;
    TTTOOLINFOA ti = ToolInfo(owner_, id);
    SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void Tooltip::NewToolRect(UINT id, const RECT& rect) {
    if (window_ == nullptr) return;
    TTTOOLINFOA ti = ToolInfo(owner_, id);
    ti.rect = rect;
    SendMessageA(window_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void Tooltip::UpdateTipText(UINT id, std::string_view text) {
    if (window_ == nullptr) return;
    std::string copy(text);
    TTTOOLINFOA ti = ToolInfo(owner_, id);
    ti.lpszText = copy.data();
    SendMessageA(window_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void Tooltip::SetBackgroundColour(COLORREF colour) {
    if (window_ != nullptr) SendMessageA(window_, TTM_SETTIPBKCOLOR, colour, 0);
}

void Tooltip::SetTextColour(COLORREF colour) {
    if (window_ != nullptr) SendMessageA(window_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

int Tooltip::ToolCount() const {
    return window_ != nullptr ? static_cast<int>(SendMessageA(window_, TTM_GETTOOLCOUNT, 0, 0)) : 0;
}

}  // namespace skin
