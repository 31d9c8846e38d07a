// The window DC without children, and invalidation with children.
#include "skin/window/dc_utils.h"

#include <algorithm>

namespace skin {

namespace {
ClipLimitLookup gLimitOf = nullptr;
SkinnedWindowTest gIsSkinned = nullptr;

HWND NextChild(HWND window, HWND after) { return FindWindowExA(window, after, nullptr, nullptr); }
}  // namespace

void SetChildClipQueries(ClipLimitLookup limit, SkinnedWindowTest isSkinned) {
    gLimitOf = limit;
    gIsSkinned = isSkinned;
}

RECT ChildOffset(HWND child) {
    RECT r{};
    if (!GetWindowRect(child, &r)) return r;
    MapWindowPoints(nullptr, GetAncestor(child, GA_PARENT), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool IsTransparentChild(HWND child) {
    return (static_cast<DWORD>(GetWindowLongPtrA(child, GWL_EXSTYLE)) & WS_EX_TRANSPARENT) != 0;
}

HDC WindowDcWithoutChildren(HWND window, HDC dc) {
    if (dc == nullptr) dc = GetDC(window);
    if (dc == nullptr) return nullptr;
    const std::optional<ClipLimit> limit = gLimitOf != nullptr ? gLimitOf(window) : std::nullopt;
    for (HWND child = NextChild(window, nullptr); child != nullptr; child = NextChild(window, child)) {
        if (!IsWindowVisible(child) || IsTransparentChild(child)) continue;
        // A skinned window sitting inside another paints itself entirely: nothing to exclude.
        RECT r = gIsSkinned != nullptr && gIsSkinned(child) ? RECT{} : ChildOffset(child);
        r.left = std::max<LONG>(r.left, 0);
        r.top = std::max<LONG>(r.top, 0);
        if (limit) {
            r.right = std::min<LONG>(r.right, limit->width);
            r.bottom = std::min<LONG>(r.bottom, limit->height);
        }
        r.right = std::max(r.right, r.left);
        r.bottom = std::max(r.bottom, r.top);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    return dc;
}

void Invalidate(HWND window, bool withChildren) {
    InvalidateRect(window, nullptr, TRUE);
    if (!withChildren) return;
    for (HWND child = NextChild(window, nullptr); child != nullptr; child = NextChild(window, child))
        if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
}

}  // namespace skin
