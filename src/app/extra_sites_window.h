// ExtraSitesWindow: edits ExtraSitesText and writes url.txt; shown modal over the main window.
#pragma once
#include <windows.h>

namespace app {

inline constexpr char kExtraSitesWindowClass[] = "LanxiExtraSitesWindow";
inline constexpr char kExtraSitesCaption[] = "设置-其他网盘";
inline constexpr char kUrlFileName[] = "url.txt";

enum ExtraSitesControlId : int {
    kIdSitesEdit = 1201,     // 编辑框1
    kIdConfirmButton = 1202, // 按钮1 确定
    kIdHelpButton = 1203,    // 按钮2 帮助
    kIdCancelButton = 1204,  // 按钮3 取消
};

bool RegisterExtraSitesWindowClass(HINSTANCE instance);
// Returns when the window is gone; the owner takes no input meanwhile.
void RunExtraSitesWindow(HWND owner);
// url.txt read as the extra-sites text: up to its first zero byte, empty when missing.
void LoadExtraSitesText();

}  // namespace app
