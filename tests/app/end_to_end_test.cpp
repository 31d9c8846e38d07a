// The real program, pointed at the standalone stand-in service and driven from outside its process:
// a search fills the list, the export file holds the rows.
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <utility>

#include <optional>
#include <string>

#include "app/extra_sites_window.h"
#include "app/file_io.h"
#include "app/main_window.h"
#include "search/site_catalogue.h"

namespace {

// Build-time paths are Unix paths; Wine maps the Unix root to drive Z:.
std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

class Process {
public:
    Process(const std::string& commandLine, const std::string& directory) {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        std::string line = commandLine;
        ok_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &si, &info_) != 0;
    }
    ~Process() {
        if (!ok_) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    bool ok() const { return ok_; }
    DWORD id() const { return info_.dwProcessId; }
    bool WaitForExit(DWORD ms) const { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }

private:
    PROCESS_INFORMATION info_{};
    bool ok_ = false;
};

HWND FindTopWindow(const char* className, const char* title, DWORD processId) {
    for (HWND w = FindWindowExA(nullptr, nullptr, className, title); w != nullptr;
         w = FindWindowExA(nullptr, w, className, title)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId) return w;
    }
    return nullptr;
}

template <typename F>
bool WaitFor(F done, int ms) {
    for (int waited = 0; waited < ms; waited += 20) {
        if (done()) return true;
        Sleep(20);
    }
    return done();
}

// The first worker to end brings the filter back while the other may still publish: done only
// when the state has held, unchanged, for `quietMs`.
template <typename F>
bool WaitForSteady(F state, int quietMs, int ms) {
    auto last = state();
    int steady = 0;
    for (int waited = 0; waited < ms; waited += 50) {
        Sleep(50);
        const auto now = state();
        steady = (now == last && now.first) ? steady + 50 : 0;
        last = now;
        if (steady >= quietMs) return true;
    }
    return false;
}

std::string TextOf(HWND w) {
    char buffer[1024] = {};
    SendMessageA(w, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// Explorer windows the program opened: ended by their process id.
void EndChildrenOf(DWORD parent) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ParentProcessID != parent) continue;
        if (HANDLE child = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)) {
            TerminateProcess(child, 0);
            CloseHandle(child);
        }
    }
    CloseHandle(snapshot);
}

TEST(EndToEnd, SearchFillsTheListAndExportWritesIt) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string directory = std::string(temp) + "lanxi_e2e_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(directory.c_str(), nullptr);
    const std::string program = directory + "\\lanxi.exe";
    ASSERT_TRUE(CopyFileA(WindowsPath(LANXI_EXE).c_str(), program.c_str(), FALSE));

    const int port = 20000 + static_cast<int>(GetCurrentProcessId() % 20000);
    std::string serviceLine = "\"";
    serviceLine.append(WindowsPath(STANDIN_EXE)).append("\" --port ").append(std::to_string(port)).append(" --pages 2 --hits 5");
    Process service(serviceLine, directory);
    ASSERT_TRUE(service.ok());
    SetEnvironmentVariableA("LANXI_SEARCH_HOST", ("127.0.0.1:" + std::to_string(port)).c_str());
    std::string lanxiLine = "\"";
    lanxiLine.append(program).append("\"");
    Process lanxi(lanxiLine, temp);  // started elsewhere: it moves to its own directory
    ASSERT_TRUE(lanxi.ok());

    HWND main = nullptr;
    // Shown only once its created handler has run.
    ASSERT_TRUE(WaitFor(
        [&] {
            main = FindTopWindow(app::kMainWindowClass, nullptr, lanxi.id());
            return main != nullptr && IsWindowVisible(main);
        },
        20000));
    HWND list = GetDlgItem(main, app::kIdResultList);
    SendMessageA(GetDlgItem(main, app::kIdKeywordEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("电影"));
    SendMessageA(GetDlgItem(main, app::kIdSiteBoxBase + 1), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(GetDlgItem(main, app::kIdSiteBoxBase + 12), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(GetDlgItem(main, app::kIdSearchButton), BM_CLICK, 0, 0);

    // Done when both workers have ended: the filter is back, the counter matches the rows, and
    // no row has come for a while.
    HWND counter = GetDlgItem(main, app::kIdCounterLabel);
    ASSERT_TRUE(WaitForSteady(
        [&] {
            const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
            const bool done = rows > 0 && IsWindowEnabled(GetDlgItem(main, app::kIdFilterEdit)) &&
                              TextOf(counter) == search::CounterText(rows);
            return std::make_pair(done, rows);
        },
        2000, 60000))
        << "rows " << SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) << ", filter "
        << IsWindowEnabled(GetDlgItem(main, app::kIdFilterEdit)) << ", counter " << TextOf(counter);
    const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_GE(rows, 8);  // two sites, two pages of five hits, a few not of the site
    EXPECT_EQ(TextOf(counter), search::CounterText(rows));

    PostMessageA(main, WM_COMMAND, app::kIdExportResults, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindTopWindow("#32770", "提示", lanxi.id())) != nullptr; }, 10000));
    char message[256] = {};
    SendMessageA(GetDlgItem(box, 0xFFFF), WM_GETTEXT, sizeof message, reinterpret_cast<LPARAM>(message));
    EXPECT_STREQ(message, "导出成功！");
    SendMessageA(box, WM_COMMAND, IDOK, 0);

    const std::optional<std::string> exported = app::ReadWholeFile(directory + "\\电影资源列表.txt");
    ASSERT_TRUE(exported.has_value());
    int lines = 0;
    for (std::size_t at = 0; (at = exported->find("      https://", at)) != std::string::npos; ++at) ++lines;
    EXPECT_EQ(lines, rows);
    EXPECT_EQ(exported->rfind("电影", 0), 0u);
    const std::string tail = "筛选后：\r\n\r\n";
    EXPECT_EQ(exported->substr(exported->size() - tail.size()), tail);

    Sleep(500);
    EndChildrenOf(lanxi.id());
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(lanxi.WaitForExit(10000));
    DeleteFileA((directory + "\\电影资源列表.txt").c_str());
    DeleteFileA(program.c_str());
    RemoveDirectoryA(directory.c_str());
}

}  // namespace
