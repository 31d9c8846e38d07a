// A window DC that leaves the child controls alone, and invalidation of a window with its children.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

struct ClipLimit {
    int width = 0, height = 0;
};

// The skin table answers for its windows: the last painted client size of a skinned window (or the
// stored size of a registered container), and whether a window is itself skinned. Until these are
// set, no window has a limit and none counts as skinned.
using ClipLimitLookup = std::optional<ClipLimit> (*)(HWND window);
using SkinnedWindowTest = bool (*)(HWND window);
void SetChildClipQueries(ClipLimitLookup limit, SkinnedWindowTest isSkinned);

// The child's rectangle relative to its parent's client area.
RECT ChildOffset(HWND child);
// WS_EX_TRANSPARENT children are painted over by the parent's skin image.
bool IsTransparentChild(HWND child);
// Excludes every visible, non-transparent direct child from the DC's clip region. Without a DC it
// takes GetDC(window); the caller releases that DC (ReleaseDC) either way it came.
HDC WindowDcWithoutChildren(HWND window, HDC dc = nullptr);

// InvalidateRect of the whole window with erase; with children also each visible direct child.
void Invalidate(HWND window, bool withChildren);

}  // namespace skin
