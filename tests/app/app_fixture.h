// A main window in the test process, a scratch program directory, recorded shell calls and a
// closer for the message boxes the handlers show.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/extra_sites_window.h"
#include "app/list_view.h"
#include "app/main_window.h"
#include "app/result_actions.h"
#include "search/search_state.h"

namespace apptest {

inline std::string WindowText(HWND window) {
    char buffer[4096] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

// Dispatches this thread's messages until done() or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (!done()) {
        if (GetTickCount64() > end) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (app::TranslateAppKeys(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(2);
    }
    return true;
}

struct SeenBox {
    std::string title;
    std::string text;
};

// Closes every message box that appears (OK), recording its title and text, until stopped.
class MessageBoxCloser {
public:
    MessageBoxCloser() : thread_([this] { Run(); }) {}
    ~MessageBoxCloser() {
        stop_ = true;
        thread_.join();
    }
    MessageBoxCloser(const MessageBoxCloser&) = delete;
    MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;
    std::vector<SeenBox> Seen() {
        std::lock_guard<std::mutex> lock(mutex_);
        return seen_;
    }

private:
    void Run() {
        while (!stop_) {
            HWND box = FindWindowA("#32770", nullptr);
            if (box != nullptr && IsWindowVisible(box)) {
                char text[1024] = {};
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    seen_.push_back({WindowText(box), text});
                }
                SendMessageA(box, WM_COMMAND, IDOK, 0);
                while (IsWindow(box) && !stop_) Sleep(2);
            }
            Sleep(5);
        }
    }
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<SeenBox> seen_;
    std::thread thread_;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        directory_ = std::string(temp) + "lanxi_app_test_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(directory_.c_str(), nullptr);
        DeleteFileA((directory_ + "\\url.txt").c_str());
        SetCurrentDirectoryA(directory_.c_str());
        app::ProgramDirectory() = directory_;
        app::ExtraSitesText().clear();
        app::TheShellHooks().openAddress = [this](const std::string& a) { opened_.push_back(a); };
        app::TheShellHooks().startExplorer = [this](const std::string& c) { explorer_.push_back(c); };
        main_ = app::CreateMainWindow(GetModuleHandleA(nullptr));
        ASSERT_NE(main_, nullptr);
        ShowWindow(main_, SW_SHOW);
    }
    void TearDown() override {
        if (IsWindow(main_)) DestroyWindow(main_);
        PumpUntil([] { return search::RunningWorkers().load() == 0; }, 60000);
        PumpUntil([] { return false; }, 20);
    }

    HWND Control(int id) const { return GetDlgItem(main_, id); }
    bool Ticked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    void SetText(int id, const std::string& text) {
        SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    // Rows of (name, address, count) in 超级列表框1, numbered from 1.
    void FillResults(const std::vector<std::vector<std::string>>& rows) {
        HWND list = Control(app::kIdResultList);
        for (const auto& cells : rows) {
            const int row = app::ListAppendRow(list);
            app::ListSetCell(list, row, 0, std::to_string(row + 1));
            for (int c = 0; c < 3; ++c) app::ListSetCell(list, row, c + 1, cells[c]);
        }
    }
    std::vector<std::vector<std::string>> Rows(int id) const {
        std::vector<std::vector<std::string>> rows;
        HWND list = Control(id);
        for (int i = 0; i < app::ListRowCount(list); ++i)
            rows.push_back({app::ListCell(list, i, 0), app::ListCell(list, i, 1), app::ListCell(list, i, 2),
                            app::ListCell(list, i, 3)});
        return rows;
    }
    void Select(int id, int row) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(Control(id), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    void Command(int id) { SendMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    HWND main_ = nullptr;
    std::string directory_;
    std::vector<std::string> opened_;
    std::vector<std::string> explorer_;
};

}  // namespace apptest
