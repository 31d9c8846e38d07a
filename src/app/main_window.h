// MainWindow: the keyword box, the site check boxes, the two result lists, the filter row and the
// result menu. Controls are addressed by their ids; the form name of each stands next to it.
#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "search/site_catalogue.h"

namespace app {

inline constexpr char kMainWindowClass[] = "LanxiMainWindow";
inline constexpr char kMainWindowCaption[] = "岚汐寻踪";
inline constexpr int kMainClientWidth = 690;
inline constexpr int kMainClientHeight = 547;

enum MainControlId : int {
    kIdKeywordLabel = 1001,   // 透明标签1
    kIdKeywordEdit = 1002,    // 编辑框1
    kIdSearchButton = 1003,   // 按钮1
    kIdAboutButton = 1004,    // 按钮2
    kIdOtherSites = 1005,     // 选择框1
    kIdSelectAll = 1006,      // 选择框_全部
    kIdCounterLabel = 1007,   // 透明标签2
    kIdFilterLabel = 1008,    // 透明标签3
    kIdFilterEdit = 1009,     // 编辑框2
    kIdFilterButton = 1010,   // 超级按钮1
    kIdResultList = 1011,     // 超级列表框1
    kIdFilteredList = 1012,   // 超级列表框2
    kIdSiteBoxBase = 1100,    // 选择框_百度 ... 选择框_good: kIdSiteBoxBase + catalogue number
};

// ResultMenu items.
enum ResultMenuId : int {
    kIdOpenResultAddress = 2001,  // 打开资源地址
    kIdCopyResultAddress = 2002,  // 复制地址
    kIdCopyResultTitle = 2003,    // 复制标题
    kIdExportResults = 2004,      // 全部导出
};

// The 22 site boxes, entry i - 1 for catalogue number i (filled by the created handler).
std::array<HWND, search::kCatalogueSize>& SiteCheckBoxes();
std::string& ExtraSitesText();
// Directory of the program file without a trailing backslash; also the current directory.
std::string& ProgramDirectory();

bool RegisterMainWindowClass(HINSTANCE instance);
// Created centred, not yet shown.
HWND CreateMainWindow(HINSTANCE instance);
HWND MainWindowHandle();

// Message-loop step for keys the windows handle before the focused control: Escape closes the
// window the control belongs to. True when the message was consumed.
bool TranslateAppKeys(const MSG& msg);

// Handlers other parts call.
void StartSearch(HWND main);
void ApplyResultFilter(HWND main);
void ClearResultFilter(HWND main);

}  // namespace app
