#include "app/skin_hooks.h"

namespace app {

void StartSkin(HINSTANCE) {}
void HandWindowToSkin(HWND) {}
void StopSkin() {}

LRESULT CALLBACK MessageBoxSkinHook(int code, WPARAM wp, LPARAM lp) noexcept {
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace app
