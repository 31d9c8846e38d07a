// The tooltip companion of the graphics layer: one common-controls tooltip window and its tools.
#pragma once

#include <windows.h>

#include <string_view>

namespace skin {

class Tooltip {
public:
    Tooltip() = default;
    // The tools are added for owner; balloon adds TTS_BALLOON.
    Tooltip(HWND owner, bool balloon);
    ~Tooltip();
    Tooltip(Tooltip&& other) noexcept;
    Tooltip& operator=(Tooltip&& other) noexcept;
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    // rect null: the owner's client area.
    bool AddTool(UINT id, const RECT* rect, std::string_view text);
    // The owner is asked for the text (TTN_GETDISPINFO).
    bool AddToolWithTextOnRequest(UINT id, const RECT* rect);
    void DeleteTool(UINT id);
    void NewToolRect(UINT id, const RECT& rect);
    void UpdateTipText(UINT id, std::string_view text);
    void SetBackgroundColour(COLORREF colour);
    void SetTextColour(COLORREF colour);
    int ToolCount() const;
    HWND window() const noexcept { return window_; }

private:
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
};

}  // namespace skin
