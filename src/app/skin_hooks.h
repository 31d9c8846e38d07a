// Where the windows hand themselves to the skin. The bodies do nothing until the skin exists; the
// windows work with plain controls without them.
#pragma once
#include <windows.h>

namespace app {

// Process start, before any window exists.
void StartSkin(HINSTANCE instance);
// From the created handler of each window, once its controls exist.
void HandWindowToSkin(HWND window);
// After the message loop has ended.
void StopSkin();
// The CBT hook procedure ShowMessage installs for the calling thread right before each message box.
LRESULT CALLBACK MessageBoxSkinHook(int code, WPARAM wp, LPARAM lp) noexcept;

}  // namespace app
