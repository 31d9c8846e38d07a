// What a skinned parent answers its controls: colour messages, notifications, owner draw;
// and the background captures the control painters draw on.
#pragma once

#include "skin/window/frame_surface.h"

#include <windows.h>

#include <optional>

namespace skin {

// What lies behind a rectangle of a control (control window coordinates); empty when the
// control sits on no skinned window.
FrameSurface CaptureBackground(HWND control, RECT rect);
void CommitToComposite(HWND control, const FrameSurface& surface);
// The control's client area as captured background under the white veil.
HBITMAP BackgroundBrushFor(HWND control);
// The answer for a child's message, or nothing when it goes to the previous procedure unanswered.
std::optional<LRESULT> ParentNotifications(HWND parent, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace skin
