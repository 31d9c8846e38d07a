// What a skinned parent answers its controls: colour messages, notifications, owner draw;
// and the background captures the control painters draw on.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// A registered surface showing what lies behind a rectangle of a control (control window
// coordinates); null when the control sits on no skinned window. Released with ReleaseSurface.
HDC CaptureBackground(HWND control, RECT rect);
void CommitToComposite(HWND control, HDC surface);
// The control's client area as captured background under the white veil.
HBITMAP BackgroundBrushFor(HWND control);
// The answer for a child's message, or nothing when it goes to the previous procedure unanswered.
std::optional<LRESULT> ParentNotifications(HWND parent, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace skin
