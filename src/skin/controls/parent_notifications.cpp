// Background captures of controls and the skinned parent's answers to its children.
#include "skin/controls/parent_notifications.h"

#include "skin/graphics/gdi_handles.h"
#include "skin/window/properties.h"
#include "skin/window/skin_table.h"
#include "skin/window/surface.h"

#include <commctrl.h>

#include <cstring>

namespace skin {

namespace {

// The skinned window a control sits on, 0 when none.
int SkinnedAncestor(HWND control, HWND* window) {
    for (HWND p = GetParent(control); p != nullptr; p = GetParent(p)) {
        if (const int n = FindSkinByHandle(p)) {
            *window = p;
            return n;
        }
    }
    return 0;
}

bool ClassIs(HWND hwnd, const char* name) {
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    return lstrcmpiA(cls, name) == 0;
}

bool Skinning() {
    const ControlOptions& o = ControlSkinOptionsValues();
    return o.controlsSkinned && o.backgroundsSkinned;
}

}  // namespace

HDC CaptureBackground(HWND control, RECT rect) {
    HWND window = nullptr;
    const int n = SkinnedAncestor(control, &window);
    SkinRecord* rec = RecordAt(n);
    if (rec == nullptr || !rec->background) return nullptr;
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    HDC s = CreateSurface(w, h);
    if (s == nullptr) return nullptr;
    RECT cr{}, wr{};
    GetWindowRect(control, &cr);
    GetWindowRect(window, &wr);
    BitBlt(s, 0, 0, w, h, rec->background.dc(), cr.left - wr.left + rect.left, cr.top - wr.top + rect.top, SRCCOPY);
    return s;
}

void CommitToComposite(HWND control, HDC surface) {
    int n = GetIntProperty(control, kHw_FuID);
    if (n == 0) n = GetIntProperty(control, kHw_lbID);
    SkinRecord* rec = RecordAt(n);
    if (rec == nullptr || !rec->composite || surface == nullptr) return;
    RECT cr{}, wr{}, client{};
    GetWindowRect(control, &cr);
    GetWindowRect(rec->window, &wr);
    GetClientRect(control, &client);
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    int inner = client.right, innerH = client.bottom;
    if (style & WS_VSCROLL) inner += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) innerH += GetSystemMetrics(SM_CYHSCROLL);
    const int bx = ((cr.right - cr.left) - inner) / 2, by = ((cr.bottom - cr.top) - innerH) / 2;
    const int x = cr.left - wr.left + bx, y = cr.top - wr.top + by;
    HDC dc = rec->composite.dc();
    for (HWND c = FindWindowExA(control, nullptr, nullptr, nullptr); c != nullptr;
         c = FindWindowExA(control, c, nullptr, nullptr)) {
        if (!IsWindowVisible(c) || (GetWindowLongPtrA(c, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) continue;
        RECT r{};
        GetWindowRect(c, &r);
        ExcludeClipRect(dc, r.left - wr.left, r.top - wr.top, r.right - wr.left, r.bottom - wr.top);
    }
    BitBlt(dc, x, y, (cr.right - cr.left) - 2 * bx, (cr.bottom - cr.top) - 2 * by, surface, 0, 0, SRCCOPY);
    SelectClipRgn(dc, nullptr);
}

HBITMAP BackgroundBrushFor(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    HDC captured = CaptureBackground(control, client);
    if (captured == nullptr) return nullptr;
    const int w = client.right, h = client.bottom;
    {
        // The veil: white at the veil alpha over the captured background.
        Surface white(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) white.Pixel(x, y) = 0xFFFFFFFF;
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(ControlSkinOptionsValues().veilAlpha), 0};
        AlphaBlend(captured, 0, 0, w, h, white.dc(), 0, 0, w, h, blend);
    }
    // Hand out a bitmap of its own: the surface's DIB goes with the surface.
    GdiOwned<HBITMAP> copy = MakeDib(w, h);
    {
        const MemoryDc dc(nullptr);
        const SelectGuard select(dc.get(), copy.get());
        BitBlt(dc.get(), 0, 0, w, h, captured, 0, 0, SRCCOPY);
    }
    ReleaseSurface(captured);
    return copy.release();
}

namespace {

LRESULT AnswerWithVeil(HDC dc, HWND child) {
    SetTextColor(dc, static_cast<COLORREF>(GetProperty(child, kKj_Ztys)));
    SetBkMode(dc, TRANSPARENT);
    if (HGDIOBJ b = GetPropertyAs<HGDIOBJ>(child, kKj_dxjb)) DeleteObject(b);
    if (HGDIOBJ b = GetPropertyAs<HGDIOBJ>(child, kKj_wtjb)) DeleteObject(b);
    HBITMAP bmp = BackgroundBrushFor(child);
    HBRUSH brush = bmp != nullptr ? CreatePatternBrush(bmp) : nullptr;
    SetPropertyAs(child, kKj_dxjb, brush);
    SetPropertyAs(child, kKj_wtjb, bmp);
    if (brush == nullptr) return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT AnswerTransparent(HDC dc, HWND child) {
    SetTextColor(dc, static_cast<COLORREF>(GetProperty(child, kKj_Ztys)));
    SetBkMode(dc, TRANSPARENT);
    if (HGDIOBJ b = GetPropertyAs<HGDIOBJ>(child, kKj_dxjb)) DeleteObject(b);
    RemoveProperty(child, kKj_dxjb);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void OnCommand(WPARAM wp, LPARAM lp) {
    HWND child = reinterpret_cast<HWND>(lp);
    if (child == nullptr) return;
    const int code = HIWORD(wp);
    if (ClassIs(child, "Edit")) {
        if (code == EN_HSCROLL || code == EN_VSCROLL || code == EN_UPDATE || code == EN_CHANGE)
            InvalidateRect(child, nullptr, TRUE);
    } else if (ClassIs(child, "ListBox")) {
        if (code == 1 || code == 3) InvalidateRect(child, nullptr, TRUE);
    } else if (ClassIs(child, "ComboBox")) {
        if (code == 1 || code == 4) InvalidateRect(child, nullptr, TRUE);
    }
}

}  // namespace

std::optional<LRESULT> ParentNotifications(HWND, UINT msg, WPARAM wp, LPARAM lp) {
    HWND child = reinterpret_cast<HWND>(lp);
    HDC dc = reinterpret_cast<HDC>(wp);
    switch (msg) {
    case WM_CTLCOLOREDIT:
        if (Skinning() && !ClassIs(GetParent(child), "ComboBox")) return AnswerWithVeil(dc, child);
        return std::nullopt;
    case WM_CTLCOLORSTATIC:
        if (Skinning()) return AnswerWithVeil(dc, child);
        return std::nullopt;
    case WM_CTLCOLORBTN:
        if (Skinning()) return AnswerTransparent(dc, child);
        return std::nullopt;
    case WM_CTLCOLORLISTBOX:
        if (Skinning() && ClassIs(child, "ListBox") && (GetWindowLongPtrA(child, GWL_STYLE) & 0x30) == 0)
            return AnswerTransparent(dc, child);
        return std::nullopt;
    case WM_COMMAND:
        if (Skinning()) OnCommand(wp, lp);
        return std::nullopt;
    case WM_NOTIFY: {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lp);
        if (hdr != nullptr && (static_cast<int>(hdr->code) == -405 || static_cast<int>(hdr->code) == -406))
            InvalidateRect(hdr->hwndFrom, nullptr, TRUE);
        return std::nullopt;
    }
    }
    return std::nullopt;
}

}  // namespace skin
