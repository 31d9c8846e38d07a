// The four result actions of the result menu and the double click.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace app {

// What the actions hand to the outside world; tests replace them.
struct ShellHooks {
    std::function<void(const std::string& address)> openAddress;
    std::function<void(const std::string& commandLine)> startExplorer;
};
ShellHooks& TheShellHooks();

// list: the list the action works on (the shown one, or 超级列表框1 for the double click).
void OpenResultAddress(HWND main, HWND list);
void CopyResultAddress(HWND main, HWND list);
void CopyResultTitle(HWND main, HWND list);
void ExportResults(HWND main);

bool PutTextOnClipboard(const std::string& text);

}  // namespace app
