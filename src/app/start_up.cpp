#include "app/start_up.h"

#include <windows.h>

#include <string>

#include "app/main_window.h"
#include "text/text_rules.h"

namespace app {

void EnterProgramDirectory() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    // A GBK trail byte can be 0x5C, so the cut is found on character boundaries.
    const int cut = text::FindLast(path, "\\");
    ProgramDirectory() = cut < 1 ? std::string() : text::Left(path, cut - 1);
    SetCurrentDirectoryA(ProgramDirectory().c_str());
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TranslateAppKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace app
