#include "app/result_actions.h"

#include <shellapi.h>

#include <cstring>
#include <vector>

#include "app/app_texts.h"
#include "app/file_io.h"
#include "app/list_view.h"
#include "app/main_window.h"
#include "app/show_message.h"
#include "app/window_layout.h"

namespace app {

namespace {

class ClipboardSession {
public:
    ClipboardSession() : open_(OpenClipboard(nullptr) != 0) {}
    ~ClipboardSession() {
        if (open_) CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    bool open() const { return open_; }

private:
    bool open_;
};

class GlobalMemory {
public:
    explicit GlobalMemory(std::size_t size) : h_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
    ~GlobalMemory() {
        if (h_ != nullptr) GlobalFree(h_);
    }
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    HGLOBAL get() const { return h_; }
    HGLOBAL release() {
        HGLOBAL h = h_;
        h_ = nullptr;
        return h;
    }

private:
    HGLOBAL h_;
};

std::string KeywordText(HWND main) { return WindowTextOf(GetDlgItem(main, kIdKeywordEdit)); }

std::vector<ExportRow> ExportRowsOf(HWND list) {
    std::vector<ExportRow> rows;
    const int n = ListRowCount(list);
    for (int i = 0; i < n; ++i) rows.push_back({ListCell(list, i, 1), ListCell(list, i, 2)});
    return rows;
}

void CopyCell(HWND main, HWND list, int column) {
    PutTextOnClipboard(ListCell(list, ListSelectedRow(list), column));
    ShowMessage(main, "复制成功！", 0, kNoticeTitle);
}

}  // namespace

ShellHooks& TheShellHooks() {
    static ShellHooks hooks{
        [](const std::string& address) {
            ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        },
        [](const std::string& commandLine) { WinExec(commandLine.c_str(), SW_SHOWNORMAL); },
    };
    return hooks;
}

bool PutTextOnClipboard(const std::string& text) {
    ClipboardSession clipboard;
    if (!clipboard.open()) return false;
    EmptyClipboard();
    GlobalMemory memory(text.size() + 1);
    if (memory.get() == nullptr) return false;
    void* bytes = GlobalLock(memory.get());
    if (bytes == nullptr) return false;
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory.get());
    if (SetClipboardData(CF_TEXT, memory.get()) == nullptr) return false;
    memory.release();  // the clipboard owns it now
    return true;
}

void OpenResultAddress(HWND, HWND list) {
    const std::string address = ListCell(list, ListSelectedRow(list), 2);
    // A row holds whatever a page put there; only web addresses go to the shell.
    if (IsWebAddress(address)) TheShellHooks().openAddress(address);
}

void CopyResultAddress(HWND main, HWND list) { CopyCell(main, list, 2); }

void CopyResultTitle(HWND main, HWND list) { CopyCell(main, list, 1); }

void ExportResults(HWND main) {
    const std::string content = ExportText(ExportRowsOf(GetDlgItem(main, kIdResultList)),
                                           ExportRowsOf(GetDlgItem(main, kIdFilteredList)));
    if (!WriteWholeFile(ExportFileName(ProgramDirectory(), KeywordText(main)), content)) {
        ShowMessage(main, "导出失败！", 0, kNoticeTitle);
        return;
    }
    ShowMessage(main, "导出成功！", 0, kNoticeTitle);
    const std::string shown = CollapseDoubleBackslashes(ExportFileName(ProgramDirectory(), KeywordText(main)));
    TheShellHooks().startExplorer(ExplorerCommand(shown));
}

}  // namespace app
