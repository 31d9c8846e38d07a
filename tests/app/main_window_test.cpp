// The main window with plain controls: layout, the check-box rules, search start, the filter, the
// result actions and the export file, the About box and Escape.
#include <gtest/gtest.h>

#include "app/app_texts.h"
#include "app/file_io.h"
#include "app_fixture.h"

namespace apptest {
namespace {

using app::ListRowCount;

TEST_F(MainWindowTest, WindowSettings) {
    EXPECT_EQ(WindowText(main_), "岚汐寻踪");
    RECT client{};
    GetClientRect(main_, &client);
    EXPECT_EQ(client.right, 690);
    EXPECT_EQ(client.bottom, 547);
    const LONG_PTR style = GetWindowLongPtrA(main_, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    RECT window{};
    GetWindowRect(main_, &window);
    EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - 690) / 2);
    EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - 547) / 2);
}

TEST_F(MainWindowTest, ControlsAsTabled) {
    struct Case {
        int id;
        const char* className;
        const char* text;
        RECT place;  // left, top, right, bottom
        bool visible;
    };
    const Case cases[] = {
        {app::kIdKeywordLabel, "Static", "请输入关键词：", {58, 38, 138, 62}, true},
        {app::kIdKeywordEdit, "Edit", "", {147, 38, 450, 62}, true},
        {app::kIdSearchButton, "Button", "给我搜", {466, 37, 546, 65}, true},
        {app::kIdAboutButton, "Button", "关于作者", {555, 37, 635, 65}, true},
        {app::kIdOtherSites, "Button", "其他", {477, 191, 577, 215}, true},
        {app::kIdSelectAll, "Button", "全部", {572, 194, 672, 213}, true},
        {app::kIdCounterLabel, "Static", "", {0, 223, 696, 247}, true},
        {app::kIdFilterLabel, "Static", "结果搜索", {480, 232, 528, 248}, true},
        {app::kIdFilterEdit, "Edit", "", {531, 232, 659, 248}, true},
        {app::kIdFilterButton, "Button", "", {659, 232, 679, 248}, true},
        {app::kIdResultList, "SysListView32", "", {8, 255, 681, 537}, true},
        {app::kIdFilteredList, "SysListView32", "", {8, 255, 681, 537}, false},
        {app::kIdSiteBoxBase + 1, "Button", "百度网盘", {57, 91, 157, 107}, true},
        {app::kIdSiteBoxBase + 2, "Button", "华为网盘", {173, 92, 273, 108}, true},
        {app::kIdSiteBoxBase + 13, "Button", "城通网盘", {572, 125, 672, 141}, true},
        {app::kIdSiteBoxBase + 22, "Button", "goodisk.com", {476, 160, 576, 176}, true},
        {app::kIdSiteBoxBase + 15, "Button", "一木禾网盘", {57, 195, 157, 211}, true},
        {app::kIdSiteBoxBase + 14, "Button", "vdisk威盘", {373, 196, 473, 212}, true},
    };
    for (const Case& c : cases) {
        HWND control = Control(c.id);
        ASSERT_NE(control, nullptr) << c.id;
        char className[64] = {};
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, c.className) << c.id;
        EXPECT_EQ(WindowText(control), c.text) << c.id;
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, c.place.left) << c.id;
        EXPECT_EQ(r.top, c.place.top) << c.id;
        EXPECT_EQ(r.right, c.place.right) << c.id;
        EXPECT_EQ(r.bottom, c.place.bottom) << c.id;
        EXPECT_EQ(IsWindowVisible(control) != 0, c.visible) << c.id;
        EXPECT_TRUE(IsWindowEnabled(control)) << c.id;
    }
    for (int number = 1; number <= 22; ++number) {
        HWND box = app::SiteCheckBoxes()[number - 1];
        EXPECT_EQ(GetDlgCtrlID(box), app::kIdSiteBoxBase + number);
        EXPECT_EQ(WindowText(box), search::kSiteCatalogue[number - 1].caption);
        EXPECT_FALSE(Ticked(app::kIdSiteBoxBase + number));
    }
    for (int id : {app::kIdResultList, app::kIdFilteredList}) {
        HWND header = reinterpret_cast<HWND>(SendMessageA(Control(id), LVM_GETHEADER, 0, 0));
        ASSERT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 4);
        const std::pair<const char*, int> columns[] = {{"序号", 50}, {"名称", 310}, {"地址", 220}, {"下载次数", 80}};
        for (int i = 0; i < 4; ++i) {
            char title[64] = {};
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = title;
            column.cchTextMax = sizeof title;
            SendMessageA(Control(id), LVM_GETCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
            EXPECT_STREQ(title, columns[i].first);
            EXPECT_EQ(column.cx, columns[i].second);
        }
        const LRESULT extended = SendMessageA(Control(id), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
        EXPECT_EQ(extended & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        EXPECT_TRUE(GetWindowLongPtrA(Control(id), GWL_STYLE) & LVS_SINGLESEL);
    }
}

TEST_F(MainWindowTest, SelectAllTicksEverySiteAndOtherWithoutOpeningTheExtraWindow) {
    // Were the extra-sites window opened, this click would not return until it closed: close it and note it.
    std::atomic<bool> opened{false}, stop{false};
    std::thread watcher([&] {
        while (!stop) {
            if (HWND w = FindWindowA(app::kExtraSitesWindowClass, nullptr)) {
                opened = true;
                PostMessageA(w, WM_CLOSE, 0, 0);
            }
            Sleep(5);
        }
    });
    Click(app::kIdSelectAll);
    for (int n = 1; n <= 22; ++n) EXPECT_TRUE(Ticked(app::kIdSiteBoxBase + n)) << n;
    EXPECT_TRUE(Ticked(app::kIdOtherSites));
    Click(app::kIdSiteBoxBase + 5);  // one box off leaves 全部 ticked
    EXPECT_FALSE(Ticked(app::kIdSiteBoxBase + 5));
    EXPECT_TRUE(Ticked(app::kIdSelectAll));
    Click(app::kIdSelectAll);
    for (int n = 1; n <= 22; ++n) EXPECT_FALSE(Ticked(app::kIdSiteBoxBase + n)) << n;
    EXPECT_FALSE(Ticked(app::kIdOtherSites));
    stop = true;
    watcher.join();
    EXPECT_FALSE(opened);
}

TEST_F(MainWindowTest, EmptyKeywordEmptiesTheListAndAsks) {
    struct Case {
        const char* what;
        bool byEnter;
    };
    for (const Case& c : {Case{"button", false}, Case{"enter", true}}) {
        FillResults({{"a", "http://a", ""}, {"b", "http://b", ""}});
        SetText(app::kIdKeywordEdit, "");
        MessageBoxCloser closer;
        if (c.byEnter)
            SendMessageA(Control(app::kIdKeywordEdit), WM_KEYDOWN, VK_RETURN, 0);
        else
            Click(app::kIdSearchButton);
        EXPECT_EQ(ListRowCount(Control(app::kIdResultList)), 0) << c.what;
        const std::vector<SeenBox> seen = closer.Seen();
        ASSERT_EQ(seen.size(), 1u) << c.what;
        EXPECT_EQ(seen[0].title, "提示");
        EXPECT_EQ(seen[0].text, "请输入关键字！");
        EXPECT_TRUE(IsWindowEnabled(Control(app::kIdFilterEdit)));
    }
}

TEST_F(MainWindowTest, SpacesKeywordWithNothingTickedOnlyEmptiesTheList) {
    FillResults({{"a", "http://a", ""}});
    SetText(app::kIdKeywordEdit, "   ");
    MessageBoxCloser closer;
    Click(app::kIdSearchButton);
    EXPECT_EQ(ListRowCount(Control(app::kIdResultList)), 0);
    EXPECT_TRUE(closer.Seen().empty());
    EXPECT_TRUE(IsWindowEnabled(Control(app::kIdFilterEdit)));
    EXPECT_TRUE(IsWindowVisible(Control(app::kIdFilterButton)));
    EXPECT_EQ(search::RunningWorkers().load(), 0);
}

const std::vector<std::vector<std::string>> kTenRows = {
    {"alpha", "http://a/1", ""},  {"beta", "http://a/2", "3"},   {"电影 甲", "http://a/3", "12"},
    {"gamma", "http://a/4", ""},  {"", "http://a/5", ""},       {"delta", "http://a/6", ""},
    {"电影 乙", "http://a/7", "7"}, {"Movie", "http://a/8", ""},  {"epsilon", "http://a/9", ""},
    {"zeta", "http://a/10", ""},
};

TEST_F(MainWindowTest, FilterRuns) {
    struct Case {
        const char* what;
        std::string filter;
        std::vector<std::vector<std::string>> want;  // rows of 超级列表框2 after the run
        bool filteredShown;
        std::string keywordLabel;
    };
    const Case cases[] = {
        {"rows 3 and 7", "电影", {{"1", "电影 甲", "http://a/3", "12"}, {"2", "电影 乙", "http://a/7", "7"}}, true,
         "结果：2"},
        {"no match empties the shown filtered list", "nothing", {}, true, "结果：2"},
        {"capitals do not match small letters", "ALPHA", {}, true, "结果：2"},
        {"one match", "Movie", {{"1", "Movie", "http://a/8", ""}}, true, "结果：1"},
    };
    FillResults(kTenRows);
    SetWindowTextA(Control(app::kIdCounterLabel), "资源数：10");
    for (const Case& c : cases) {
        SetText(app::kIdFilterEdit, c.filter);
        Click(app::kIdFilterButton);
        EXPECT_EQ(Rows(app::kIdFilteredList), c.want) << c.what;
        EXPECT_EQ(IsWindowVisible(Control(app::kIdFilteredList)) != 0, c.filteredShown) << c.what;
        EXPECT_NE(IsWindowVisible(Control(app::kIdResultList)) != 0, c.filteredShown) << c.what;
        EXPECT_EQ(WindowText(Control(app::kIdKeywordLabel)), c.keywordLabel) << c.what;
        EXPECT_EQ(WindowText(Control(app::kIdCounterLabel)), "资源数：10") << c.what;
    }
}

TEST_F(MainWindowTest, NoMatchOnFirstRunKeepsListAndLabels) {
    FillResults(kTenRows);
    SetText(app::kIdFilterEdit, "nothing");
    Click(app::kIdFilterButton);
    EXPECT_TRUE(IsWindowVisible(Control(app::kIdResultList)));
    EXPECT_FALSE(IsWindowVisible(Control(app::kIdFilteredList)));
    EXPECT_EQ(WindowText(Control(app::kIdKeywordLabel)), "请输入关键词：");
}

TEST_F(MainWindowTest, EmptyFilterCopiesRowsWithNamesAndClearingSwitchesBack) {
    FillResults(kTenRows);
    SetText(app::kIdFilterEdit, "");
    Click(app::kIdFilterButton);
    const auto rows = Rows(app::kIdFilteredList);
    ASSERT_EQ(rows.size(), 9u);  // row 5 has no name
    EXPECT_EQ(rows[4][0], "5");
    EXPECT_EQ(rows[4][1], "delta");
    EXPECT_TRUE(IsWindowVisible(Control(app::kIdFilteredList)));

    SetText(app::kIdFilterEdit, "ab");
    SetText(app::kIdFilterEdit, "a");  // one character of a longer text removed: nothing changes
    EXPECT_TRUE(IsWindowVisible(Control(app::kIdFilteredList)));
    SetWindowTextA(Control(app::kIdCounterLabel), "");
    SetText(app::kIdFilterEdit, "a");
    EXPECT_EQ(WindowText(Control(app::kIdCounterLabel)), "");
    SetText(app::kIdFilterEdit, "");  // the last character removed
    EXPECT_TRUE(IsWindowVisible(Control(app::kIdResultList)));
    EXPECT_FALSE(IsWindowVisible(Control(app::kIdFilteredList)));
    EXPECT_EQ(WindowText(Control(app::kIdCounterLabel)), "资源数：10");
    EXPECT_EQ(Rows(app::kIdFilteredList).size(), 9u);  // clearing keeps the filtered rows
}

TEST_F(MainWindowTest, CopyTakesTheSelectedRowOfTheShownList) {
    FillResults(kTenRows);
    Select(app::kIdResultList, 0);
    SetText(app::kIdFilterEdit, "电影");
    Click(app::kIdFilterButton);
    Select(app::kIdFilteredList, 1);
    struct Case {
        int command;
        std::string clipboard;
    };
    MessageBoxCloser closer;
    for (const Case& c : {Case{app::kIdCopyResultAddress, "http://a/7"}, Case{app::kIdCopyResultTitle, "电影 乙"}}) {
        Command(c.command);
        ASSERT_TRUE(OpenClipboard(nullptr));
        HANDLE data = GetClipboardData(CF_TEXT);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(data))), c.clipboard);
        GlobalUnlock(data);
        CloseClipboard();
    }
    const auto seen = closer.Seen();
    ASSERT_EQ(seen.size(), 2u);
    for (const SeenBox& box : seen) {
        EXPECT_EQ(box.title, "提示");
        EXPECT_EQ(box.text, "复制成功！");
    }
}

TEST_F(MainWindowTest, CopyWithoutSelectionPutsEmptyText) {
    FillResults(kTenRows);
    app::PutTextOnClipboard("old");
    MessageBoxCloser closer;
    Command(app::kIdCopyResultTitle);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(data))), "");
    GlobalUnlock(data);
    CloseClipboard();
    ASSERT_EQ(closer.Seen().size(), 1u);
    EXPECT_EQ(closer.Seen()[0].text, "复制成功！");
}

TEST_F(MainWindowTest, OpenHandsOnlyWebAddressesToTheShell) {
    FillResults({{"a", "http://pan.baidu.com/s/1?a=1&b=2", ""}, {"b", "C:\\windows\\notepad.exe", ""},
                 {"c", "HTTPS://x.cn/", ""}, {"d", "file:///c:/x", ""}});
    const std::vector<std::string> want = {"http://pan.baidu.com/s/1?a=1&b=2", "HTTPS://x.cn/"};
    for (int row = 0; row < 4; ++row) {
        Select(app::kIdResultList, row);
        Command(app::kIdOpenResultAddress);
    }
    // The double click opens the selected row of 超级列表框1.
    Select(app::kIdResultList, 0);
    NMITEMACTIVATE note{};
    note.hdr.hwndFrom = Control(app::kIdResultList);
    note.hdr.idFrom = app::kIdResultList;
    note.hdr.code = NM_DBLCLK;
    SendMessageA(main_, WM_NOTIFY, app::kIdResultList, reinterpret_cast<LPARAM>(&note));
    std::vector<std::string> expected = want;
    expected.push_back(want[0]);
    EXPECT_EQ(opened_, expected);
}

std::string ReadFileOrMissing(const std::string& path) {
    const std::optional<std::string> content = app::ReadWholeFile(path);
    return content ? *content : std::string("<missing>");
}

TEST_F(MainWindowTest, ExportWritesBothListsAndShowsTheFile) {
    FillResults({{"甲", "http://a/1", "1"}, {"乙", "http://a/2", ""}});
    SetText(app::kIdFilterEdit, "乙");
    Click(app::kIdFilterButton);
    SetText(app::kIdKeywordEdit, "电影");
    MessageBoxCloser closer;
    Command(app::kIdExportResults);
    const std::string file = directory_ + "\\电影资源列表.txt";
    EXPECT_EQ(ReadFileOrMissing(file),
              "甲      http://a/1\r\n\r\n乙      http://a/2\r\n\r\n筛选后：\r\n\r\n乙      http://a/2\r\n\r\n");
    ASSERT_EQ(closer.Seen().size(), 1u);
    EXPECT_EQ(closer.Seen()[0].text, "导出成功！");
    EXPECT_EQ(explorer_, std::vector<std::string>{"explorer /n,/select,\"" + file + "\""});
    DeleteFileA(file.c_str());
}

TEST_F(MainWindowTest, ExportNames) {
    struct Case {
        const char* what;
        std::string keyword;
        std::string message;
        std::string file;      // relative to the program directory; empty when nothing is written
        std::string shown;     // the name handed to Explorer; empty when Explorer is not started
    };
    const Case cases[] = {
        {"empty keyword", "", "导出成功！", "资源列表.txt", "\\资源列表.txt"},
        {"leading backslash", "\\x", "导出成功！", "x资源列表.txt", "\\x资源列表.txt"},
        {"name the file system refuses", "a?b", "导出失败！", "", ""},
        {"missing folder", "nofolder\\x", "导出失败！", "", ""},
    };
    for (const Case& c : cases) {
        explorer_.clear();
        SetText(app::kIdKeywordEdit, c.keyword);
        MessageBoxCloser closer;
        Command(app::kIdExportResults);
        const auto seen = closer.Seen();
        ASSERT_EQ(seen.size(), 1u) << c.what;
        EXPECT_EQ(seen[0].text, c.message) << c.what;
        if (c.file.empty()) {
            EXPECT_TRUE(explorer_.empty()) << c.what;
            continue;
        }
        const std::string file = directory_ + "\\" + c.file;
        EXPECT_EQ(ReadFileOrMissing(file), "筛选后：\r\n\r\n") << c.what;
        EXPECT_EQ(explorer_, std::vector<std::string>{"explorer /n,/select,\"" + directory_ + c.shown + "\""}) << c.what;
        DeleteFileA(file.c_str());
    }
}

TEST_F(MainWindowTest, AboutBox) {
    MessageBoxCloser closer;
    Click(app::kIdAboutButton);
    const auto seen = closer.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "技术交流");
    EXPECT_EQ(seen[0].text, "作者：墨渊工坊\r\n\r\nQQ群:458127603");
}

TEST_F(MainWindowTest, EscapeClosesTheWindow) {
    SetFocus(Control(app::kIdKeywordEdit));
    SendMessageA(Control(app::kIdKeywordEdit), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(PumpUntil([this] { return !IsWindow(main_); }, 5000));
    // From another control, through the message loop.
    main_ = app::CreateMainWindow(GetModuleHandleA(nullptr));
    ShowWindow(main_, SW_SHOW);
    PostMessageA(Control(app::kIdSearchButton), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(PumpUntil([this] { return !IsWindow(main_); }, 5000));
}

}  // namespace
}  // namespace apptest

namespace apptest {
namespace {

// The menu pops up 3 pixels right of and below the pointer, from a row or from the empty area.
TEST_F(MainWindowTest, RightClickPopsUpResultMenuBesideThePointer) {
    FillResults({{"a", "http://a", ""}});
    SetCursorPos(300, 400);
    POINT pointer{};
    GetCursorPos(&pointer);
    for (int item : {0, -1}) {
        std::atomic<bool> stop{false};
        RECT menuRect{};
        int items = -1;
        std::thread watcher([&] {
            for (int i = 0; i < 400 && !stop; ++i) {
                HWND menu = FindWindowA("#32768", nullptr);
                if (menu != nullptr && IsWindowVisible(menu)) {
                    GetWindowRect(menu, &menuRect);
                    items = GetMenuItemCount(reinterpret_cast<HMENU>(SendMessageA(menu, 0x01E1 /* MN_GETHMENU */, 0, 0)));
                    PostMessageA(main_, WM_CANCELMODE, 0, 0);
                    return;
                }
                Sleep(5);
            }
        });
        NMITEMACTIVATE note{};
        note.hdr.hwndFrom = Control(app::kIdResultList);
        note.hdr.idFrom = app::kIdResultList;
        note.hdr.code = NM_RCLICK;
        note.iItem = item;
        SendMessageA(main_, WM_NOTIFY, app::kIdResultList, reinterpret_cast<LPARAM>(&note));
        stop = true;
        watcher.join();
        EXPECT_EQ(menuRect.left, pointer.x + 3) << item;
        EXPECT_EQ(menuRect.top, pointer.y + 3) << item;
        EXPECT_EQ(items, 4) << item;
    }
}

}  // namespace
}  // namespace apptest
