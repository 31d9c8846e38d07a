// Where the windows hand themselves to the skin: start-up, the four steps of each window's created
// handler, and the end of the skin after the message loop.
#include "app/skin_hooks.h"

#include "skin/window/pictures.h"
#include "skin/window/skin_settings.h"
#include "skin/window/skin_table.h"

namespace app {

namespace {

constexpr skin::Colour kThemeColour = 0xFF8800;
constexpr int kStretched = 3;
constexpr int kVeilAlpha = 100;
constexpr int kPulse = 2;

}  // namespace

void StartSkin(HINSTANCE instance) { skin::SkinStartUp(instance); }

void HandWindowToSkin(HWND window) {
    const auto picture = skin::PictureBytes(skin::Picture::kBackground);
    skin::SetSkinBackground("", skin::Bytes(picture.begin(), picture.end()), std::nullopt, kThemeColour, kStretched);
    skin::ControlSkinOptions(true, kVeilAlpha, true, 0, false);
    skin::ApplySkinOptions options;
    options.resizable = 0;  // neither window can be resized
    skin::ApplySkin(window, options);
    skin::SetCloseEffect(window, kPulse);
}

void StopSkin() { skin::SkinShutDown(); }

LRESULT CALLBACK MessageBoxSkinHook(int code, WPARAM wp, LPARAM lp) noexcept {
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace app
