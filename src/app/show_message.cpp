#include "app/show_message.h"

#include <string>

#include "app/skin_hooks.h"

namespace app {

namespace {
HHOOK g_messageHook = nullptr;  // user-interface thread only
}

HHOOK MessageHookHandle() { return g_messageHook; }

void ReleaseMessageHook() {
    if (g_messageHook != nullptr) UnhookWindowsHookEx(g_messageHook);
    g_messageHook = nullptr;
}

int ShowMessage(HWND owner, std::string_view text, UINT buttons, std::string_view title) {
    ReleaseMessageHook();
    g_messageHook = SetWindowsHookExA(WH_CBT, MessageBoxSkinHook, nullptr, GetCurrentThreadId());
    const std::string textZ(text), titleZ(title);
    const int pressed = MessageBoxExA(owner, textZ.c_str(), titleZ.c_str(), buttons, 0);
    // Until a skin removes it at activation, the hook would otherwise stay on the thread for good.
    ReleaseMessageHook();
    return pressed - 1;
}

}  // namespace app
