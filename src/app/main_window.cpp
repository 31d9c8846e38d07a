#include "app/main_window.h"

#include <commctrl.h>

#include <memory>
#include <vector>

#include "app/app_texts.h"
#include "app/extra_sites_window.h"
#include "app/list_view.h"
#include "app/result_actions.h"
#include "app/search_dispatch.h"
#include "app/show_message.h"
#include "app/skin_hooks.h"
#include "app/window_layout.h"
#include "app/window_result_sink.h"
#include "search/search_state.h"

namespace app {

namespace {

HWND g_mainWindow = nullptr;

// The window's own font and menu, released with the window.
struct MainWindowState {
    HFONT filterLabelFont = nullptr;
    HMENU menuBar = nullptr;     // hidden top-level entry "青禾舟"; never attached to the window
    HMENU resultMenu = nullptr;  // owned by menuBar
    WNDPROC keywordEditProcedure = nullptr;
    MainWindowState() = default;
    MainWindowState(const MainWindowState&) = delete;
    MainWindowState& operator=(const MainWindowState&) = delete;
    ~MainWindowState() {
        if (menuBar != nullptr) DestroyMenu(menuBar);
        if (filterLabelFont != nullptr) DeleteObject(filterLabelFont);
    }
};

MainWindowState* StateOf(HWND hwnd) {
    return reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kCheckBox = kChild | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_VCENTER | BS_LEFT;
constexpr DWORD kLabel = kChild | SS_CENTERIMAGE | SS_NOPREFIX | SS_LEFTNOWORDWRAP;
constexpr DWORD kPushButton = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER;
constexpr DWORD kReportList = WS_CHILD | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL;

const ControlLayout kControls[] = {
    {kIdKeywordLabel, "STATIC", "请输入关键词：", kLabel, 0, 58, 38, 80, 24},
    {kIdKeywordEdit, "EDIT", "", kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 147, 38, 303, 24},
    {kIdSearchButton, "BUTTON", "给我搜", kPushButton, 0, 466, 37, 80, 28},
    {kIdAboutButton, "BUTTON", "关于作者", kPushButton, 0, 555, 37, 80, 28},
    {kIdOtherSites, "BUTTON", "其他", kCheckBox, 0, 477, 191, 100, 24},
    {kIdSelectAll, "BUTTON", "全部", kCheckBox, 0, 572, 194, 100, 19},
    {kIdCounterLabel, "STATIC", "", kChild | SS_CENTERIMAGE | SS_NOPREFIX | SS_CENTER, 0, 0, 223, 696, 24},
    {kIdFilterLabel, "STATIC", "结果搜索", kLabel, 0, 480, 232, 48, 16},
    {kIdFilterEdit, "EDIT", "", kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, 531, 232, 128, 16},
    {kIdFilterButton, "BUTTON", "", kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_FLAT, 0, 659, 232, 20, 16},
    {kIdResultList, WC_LISTVIEWA, "", kReportList | WS_VISIBLE, 0, 8, 255, 673, 282},
    {kIdFilteredList, WC_LISTVIEWA, "", kReportList, 0, 8, 255, 673, 282},
};

// The site grid: catalogue number and place of each box, rows top to bottom.
struct SiteBoxPlace {
    int number, left, top;
};
const SiteBoxPlace kSiteBoxes[] = {
    {1, 57, 91},   {2, 173, 92},  {3, 269, 92},  {4, 373, 92},  {5, 476, 92},  {6, 572, 92},
    {7, 57, 125},  {8, 173, 126}, {9, 269, 126}, {10, 373, 126}, {11, 476, 126}, {13, 572, 125},
    {19, 57, 159}, {18, 173, 160}, {20, 269, 160}, {21, 373, 160}, {22, 476, 160}, {12, 572, 159},
    {15, 57, 195}, {17, 173, 196}, {16, 269, 196}, {14, 373, 196},
};

struct ColumnLayout {
    const char* title;
    int width;
};
const ColumnLayout kColumns[] = {{"序号", 50}, {"名称", 310}, {"地址", 220}, {"下载次数", 80}};

const std::pair<int, const char*> kResultMenuItems[] = {
    {kIdOpenResultAddress, "打开资源地址"},
    {kIdCopyResultAddress, "复制地址"},
    {kIdCopyResultTitle, "复制标题"},
    {kIdExportResults, "全部导出"},
};

HWND Control(HWND main, int id) { return GetDlgItem(main, id); }

bool IsTicked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetTicked(HWND box, bool on) { SendMessageA(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

HWND ActiveResultList(HWND main) {
    HWND filtered = Control(main, kIdFilteredList);
    return IsWindowVisible(filtered) ? filtered : Control(main, kIdResultList);
}

void SetUpReportList(HWND list) {
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    int index = 0;
    for (const ColumnLayout& c : kColumns) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = c.width;
        column.pszText = const_cast<char*>(c.title);
        column.iSubItem = index;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
        ++index;
    }
}

// 编辑框1 starts the search on Enter and closes the window on Escape even when driven directly.
LRESULT CALLBACK KeywordEditProcedure(HWND edit, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    HWND main = GetParent(edit);
    MainWindowState* state = StateOf(main);
    WNDPROC previous = state != nullptr ? state->keywordEditProcedure : nullptr;
    switch (msg) {
    case WM_KEYDOWN:
        if (wp == VK_RETURN) {
            StartSearch(main);
            return 0;
        }
        if (wp == VK_ESCAPE) {
            PostMessageA(main, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wp == '\r' || wp == 27) return 0;  // no beep for keys handled at WM_KEYDOWN
        break;
    }
    return previous != nullptr ? CallWindowProcA(previous, edit, msg, wp, lp) : DefWindowProcA(edit, msg, wp, lp);
}

void CreateControls(HWND main, HINSTANCE instance, MainWindowState& state) {
    for (const ControlLayout& layout : kControls) CreateLayoutControl(main, instance, layout);
    for (const SiteBoxPlace& place : kSiteBoxes)
        CreateLayoutControl(main, instance,
                      {kIdSiteBoxBase + place.number, "BUTTON", search::kSiteCatalogue[place.number - 1].caption.data(),
                       kCheckBox, 0, place.left, place.top, 100, 16});
    state.filterLabelFont = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH | FF_DONTCARE, "楷体_GB2312");
    SendMessageA(Control(main, kIdFilterLabel), WM_SETFONT, reinterpret_cast<WPARAM>(state.filterLabelFont), FALSE);
    SetUpReportList(Control(main, kIdResultList));
    SetUpReportList(Control(main, kIdFilteredList));

    state.menuBar = CreateMenu();
    state.resultMenu = CreatePopupMenu();
    for (const auto& [id, caption] : kResultMenuItems)
        AppendMenuA(state.resultMenu, MF_STRING | MF_ENABLED, static_cast<UINT_PTR>(id), caption);
    AppendMenuA(state.menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(state.resultMenu), "青禾舟");

    HWND keyword = Control(main, kIdKeywordEdit);
    state.keywordEditProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(keyword, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeywordEditProcedure)));
}

LRESULT OnCreate(HWND main, const CREATESTRUCTA& create) {
    auto* state = new MainWindowState;  // freed at WM_NCDESTROY
    SetWindowLongPtrA(main, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    CreateControls(main, create.hInstance, *state);
    g_mainWindow = main;
    HandWindowToSkin(main);
    search::TheResultsLock();  // created before any worker can exist
    LoadExtraSitesText();
    for (int number = 1; number <= search::kCatalogueSize; ++number)
        SiteCheckBoxes()[number - 1] = Control(main, kIdSiteBoxBase + number);
    return 0;
}

void OnSelectAll(HWND main) {
    const bool on = IsTicked(Control(main, kIdSelectAll));
    for (HWND box : SiteCheckBoxes()) SetTicked(box, on);
    SetTicked(Control(main, kIdOtherSites), on);
}

void OnOtherSites(HWND main) {
    if (IsTicked(Control(main, kIdOtherSites))) RunExtraSitesWindow(main);
}

void OnCommand(HWND main, int id, int code) {
    switch (id) {
    case kIdSearchButton:
        if (code == BN_CLICKED) StartSearch(main);
        break;
    case kIdAboutButton:
        if (code == BN_CLICKED) ShowMessage(main, AboutText(), 0, "技术交流");
        break;
    case kIdSelectAll:
        if (code == BN_CLICKED) OnSelectAll(main);
        break;
    case kIdOtherSites:
        if (code == BN_CLICKED) OnOtherSites(main);
        break;
    case kIdFilterEdit:
        if (code == EN_CHANGE) ClearResultFilter(main);
        break;
    case kIdFilterButton:
        if (code == BN_CLICKED) ApplyResultFilter(main);
        break;
    case kIdOpenResultAddress: OpenResultAddress(main, ActiveResultList(main)); break;
    case kIdCopyResultAddress: CopyResultAddress(main, ActiveResultList(main)); break;
    case kIdCopyResultTitle: CopyResultTitle(main, ActiveResultList(main)); break;
    case kIdExportResults: ExportResults(main); break;
    }
}

void PopUpResultMenu(HWND main) {
    MainWindowState* state = StateOf(main);
    if (state == nullptr) return;
    POINT at{};
    GetCursorPos(&at);
    TrackPopupMenu(state->resultMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, at.x + 3,
                   at.y + 3, 0, main, nullptr);
}

LRESULT OnNotify(HWND main, const NMHDR& note) {
    if (note.idFrom == kIdResultList || note.idFrom == kIdFilteredList) {
        if (note.code == NM_RCLICK) PopUpResultMenu(main);
        if (note.code == NM_DBLCLK && note.idFrom == kIdResultList)
            OpenResultAddress(main, Control(main, kIdResultList));
    }
    return 0;
}

LRESULT OnCtlColorStatic(HWND main, HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id == kIdKeywordLabel || id == kIdCounterLabel || id == kIdFilterLabel) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return DefWindowProcA(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

void OnDestroy(HWND main) {
    // Outdates every running worker: it publishes nothing more and fetches no further page. The
    // results lock stays (it is never deleted), so a worker still inside it is safe.
    ++search::SearchGeneration();
    if (g_mainWindow == main) g_mainWindow = nullptr;
    PostQuitMessage(0);
}

void OnNcDestroy(HWND main) {
    std::unique_ptr<MainWindowState> state(StateOf(main));
    SetWindowLongPtrA(main, GWLP_USERDATA, 0);
}

LRESULT CALLBACK MainWindowProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd, *reinterpret_cast<const CREATESTRUCTA*>(lp));
    case WM_COMMAND: OnCommand(hwnd, LOWORD(wp), HIWORD(wp)); return 0;
    case WM_NOTIFY: return OnNotify(hwnd, *reinterpret_cast<const NMHDR*>(lp));
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(hwnd, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case kSinkMessage: return CarryOutSinkOperation(hwnd, *reinterpret_cast<SinkOperation*>(lp));
    case WM_DESTROY: OnDestroy(hwnd); return 0;
    case WM_NCDESTROY: OnNcDestroy(hwnd); break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

std::array<HWND, search::kCatalogueSize>& SiteCheckBoxes() {
    static std::array<HWND, search::kCatalogueSize> boxes{};
    return boxes;
}

std::string& ExtraSitesText() {
    static std::string text;
    return text;
}

std::string& ProgramDirectory() {
    static std::string directory;
    return directory;
}

HWND MainWindowHandle() { return g_mainWindow; }

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MainWindowProcedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(129));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateMainWindow(HINSTANCE instance) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    if (!RegisterMainWindowClass(instance) || !RegisterExtraSitesWindowClass(instance)) return nullptr;
    const DWORD style = WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT rc{0, 0, kMainClientWidth, kMainClientHeight};
    AdjustWindowRectEx(&rc, style, FALSE, WS_EX_APPWINDOW);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    return CreateWindowExA(WS_EX_APPWINDOW, kMainWindowClass, kMainWindowCaption, style,
                           (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h,
                           nullptr, nullptr, instance, nullptr);
}

bool TranslateAppKeys(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE || msg.hwnd == nullptr) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    char className[64] = {};
    GetClassNameA(root, className, sizeof className);
    if (lstrcmpA(className, kMainWindowClass) != 0 && lstrcmpA(className, kExtraSitesWindowClass) != 0) return false;
    PostMessageA(root, WM_CLOSE, 0, 0);
    return true;
}

void StartSearch(HWND main) {
    // Emptying the list outdates the workers of every earlier search.
    const std::uint32_t generation = ++search::SearchGeneration();
    WindowResultSink ui(main, generation);
    ui.clearResults();
    const std::string keyword = WindowTextOf(Control(main, kIdKeywordEdit));
    std::vector<std::string> tasks;
    if (keyword.empty()) {
        ShowMessage(main, "请输入关键字！", 0, kNoticeTitle);
    } else {
        std::array<bool, search::kCatalogueSize> ticked{};
        for (int i = 0; i < search::kCatalogueSize; ++i) ticked[i] = IsTicked(SiteCheckBoxes()[i]);
        tasks = search::SearchTasks(ticked, IsTicked(Control(main, kIdOtherSites)), ExtraSitesText());
    }
    if (tasks.empty()) {
        // The outdated workers will not bring the filter back; nothing may keep it switched off.
        ui.setFilterEnabled(true);
        return;
    }
    search::TheRowCounter().Reset(generation);
    ui.setFilterEnabled(false);
    for (const std::string& task : tasks) StartSearchWorker(main, task, generation);
}

void ApplyResultFilter(HWND main) {
    HWND results = Control(main, kIdResultList), filtered = Control(main, kIdFilteredList);
    ListClear(filtered);
    const int n = ListRowCount(results);
    int j = 0;
    for (int i = 0; i < n; ++i) {
        const std::string name = ListCell(results, i, 1);
        if (!NameMatchesFilter(name, WindowTextOf(Control(main, kIdFilterEdit)))) continue;
        ShowWindow(filtered, SW_SHOW);
        ShowWindow(results, SW_HIDE);
        const int row = ListAppendRow(filtered);
        ++j;
        ListSetCell(filtered, row, 0, std::to_string(j));
        ListSetCell(filtered, row, 1, name);
        ListSetCell(filtered, row, 2, ListCell(results, i, 2));
        ListSetCell(filtered, row, 3, ListCell(results, i, 3));
        SetWindowTextA(Control(main, kIdKeywordLabel),
                       std::string(kFilterCountPrefix).append(std::to_string(ListRowCount(filtered))).c_str());
    }
}

void ClearResultFilter(HWND main) {
    if (GetWindowTextLengthA(Control(main, kIdFilterEdit)) != 0) return;
    HWND results = Control(main, kIdResultList);
    ShowWindow(Control(main, kIdFilteredList), SW_HIDE);
    ShowWindow(results, SW_SHOW);
    SetWindowTextA(Control(main, kIdCounterLabel), search::CounterText(ListRowCount(results)).c_str());
}

}  // namespace app
