// ShowMessage: every message box of the handlers, with a per-call thread hook the dialog skin uses.
#pragma once
#include <windows.h>

#include <string_view>

namespace app {

// Returns the pressed button's identifier minus 1 (0 for OK).
int ShowMessage(HWND owner, std::string_view text, UINT buttons, std::string_view title);

// The most recently installed message-box hook, null once removed.
HHOOK MessageHookHandle();
// Removes that hook if it is still installed; the dialog skin calls it when the box is activated.
void ReleaseMessageHook();

}  // namespace app
