// The frame procedure: caption, drag, caption buttons, repaint timing, close effect and the
// working-set trim of every skinned top-level window.
#include "skin/window/frame_procedure.h"

#include "skin/assets/working_set_tool.h"
#include "skin/controls/parent_notifications.h"
#include "skin/window/close_effect.h"
#include "skin/window/frame.h"
#include "skin/window/properties.h"
#include "skin/window/skin_table.h"

#include <windowsx.h>

namespace skin {

namespace {

void RunTool() { RunWorkingSetTool(); }

// Empties our working set with the embedded tool; tests put a counter in its place.
TrimRoutine gTrim = &RunTool;
int gLastButtonUnderMouse = 0;

LRESULT Forward(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    WNDPROC previous = GetProcedureProperty(hwnd);
    if (previous == nullptr || previous == &FrameProcedure) return DefWindowProcA(hwnd, msg, wp, lp);
    return CallWindowProcA(previous, hwnd, msg, wp, lp);
}

UINT_PTR FadeTimerId(HWND hwnd) { return reinterpret_cast<UINT_PTR>(hwnd); }

POINT PointOf(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

void PaintFades(int n, const std::vector<ButtonPaint>& paints) {
    for (const ButtonPaint& p : paints) PaintCaptionButton(n, p.button, false, p.alpha);
}

int ButtonUnder(const SkinRecord& r, POINT p) {
    std::vector<FloatRect> hits;
    for (const CaptionButton& b : r.buttons) hits.push_back(b.hit);
    return ButtonHitTest(r.strip, hits, p.x, p.y);
}

FrameShape ShapeOf(const SkinRecord& r) {
    RECT rc{};
    GetClientRect(r.window, &rc);
    return {rc.right, rc.bottom, r.captionHeight, r.captionDrawn, r.resizable, r.strip};
}

AreaSize WorkArea(bool forTrackSize) {
    RECT t{};
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (tray != nullptr) GetWindowRect(tray, &t);
    const bool visible = tray != nullptr && (GetWindowLongPtrA(tray, GWL_STYLE) & WS_VISIBLE) != 0;
    return WorkAreaSize({t.left, t.top, t.right, t.bottom}, visible, GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN), forTrackSize);
}

LRESULT OnPaint(HWND hwnd, int n, SkinRecord& r, UINT msg, WPARAM wp, LPARAM lp) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (r.minimised || IsIconic(hwnd)) {
        r.dirty = false;
    } else if (r.dirty || !r.background) {
        FullRepaint(n, dc, true);
        if (SkinRecord* again = RecordAt(n); again != nullptr && again->listRefreshPending) {
            again->listRefreshPending = false;
            for (const ControlRecord& c : again->controls[kLists])
                if (c.window != nullptr && IsWindowVisible(c.window)) InvalidateRect(c.window, nullptr, TRUE);
        }
        if (SkinRecord* again = RecordAt(n)) again->erased = again->painted = false;
    } else {
        ShowBackground(n, dc);
        r.dirty = false;
    }
    EndPaint(hwnd, &ps);
    if (!r.dirty) {
        for (HWND c = FindWindowExA(hwnd, nullptr, nullptr, nullptr); c != nullptr; c = FindWindowExA(hwnd, c, nullptr, nullptr))
            if (GetWindowLongPtrA(c, GWL_EXSTYLE) & WS_EX_TRANSPARENT) InvalidateRect(c, nullptr, FALSE);
    }
    (void)msg;
    (void)wp;
    (void)lp;
    return 0;
}

LRESULT OnEraseBackground(HWND hwnd, SkinRecord& r, WPARAM wp) {
    SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
    if (r.dirty && !r.sizing && r.composite && !r.painted && !r.erased) {
        HDC dc = GetDC(hwnd);
        ExcludeUnskinnedChildren(hwnd, dc);
        BitBlt(dc, 0, 0, r.composite.width(), r.composite.height(), r.composite.dc(), 0, 0, SRCCOPY);
        ReleaseDC(hwnd, dc);
        r.erased = true;
    }
    return 1;
}

void OnShowWindow(HWND hwnd, int n, SkinRecord& r, WPARAM wp) {
    if (wp == 1 && !r.hidden) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        FullRepaint(n, dc, true);
        EndPaint(hwnd, &ps);
        if (SkinRecord* again = RecordAt(n)) {
            again->painted = true;
            again->dirty = again->hidden = false;
        }
        return;
    }
    r.hidden = true;
    r.painted = false;
}

void OnSize(SkinRecord& r) {
    r.fade.hot = 0;
    SkinSettings& s = Settings();
    if (s.firstSize) {
        r.dirty = false;
        s.firstSize = false;
    } else {
        r.dirty = true;
    }
}

void OnWindowPosChanged(HWND hwnd, int n, SkinRecord& r) {
    if (r.maximiseButton) {
        RECT rc{};
        GetClientRect(hwnd, &rc);
        if (rc.right == GetSystemMetrics(SM_CXSCREEN) && rc.bottom == GetSystemMetrics(SM_CYSCREEN)) {
            const AreaSize a = WorkArea(false);
            r.maximised = true;
            SetWindowPos(hwnd, nullptr, 0, 0, a.width, a.height, SWP_NOZORDER | SWP_NOOWNERZORDER);
        }
    }
    LayOutCaption(n);
}

void OnGetMinMaxInfo(SkinRecord& r, LPARAM lp) {
    auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
    if (mmi == nullptr) return;
    mmi->ptMinTrackSize = {200, 150};
    if (r.maximised) {
        const AreaSize a = WorkArea(true);
        mmi->ptMaxTrackSize = {a.width, a.height};
    } else {
        mmi->ptMaxTrackSize = {r.maxTrack.cx, r.maxTrack.cy};
    }
}

void OnSysCommand(SkinRecord& r, WPARAM wp) {
    switch (wp & 0xFFF0) {
    case SC_MAXIMIZE: r.maximised = true; r.dirty = true; break;
    case SC_RESTORE: r.dirty = true; r.minimised = false; break;
    case SC_MINIMIZE: r.dirty = true; r.minimised = true; break;
    }
}

// False when the close query refuses the close.
bool OnClose(HWND hwnd, SkinRecord& r) {
    if (r.closeQuery && r.closeQuery() != 1) return false;
    PlayCloseEffect(hwnd, r.closeEffect);
    return true;
}

void OnMouseMove(HWND hwnd, int n, SkinRecord& r, LPARAM lp) {
    if (!r.fade.tracking) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_HOVER | TME_LEAVE, hwnd, 1};
        TrackMouseEvent(&tme);
    }
    if (!r.captionDrawn) return;
    const POINT p = PointOf(lp);
    if (StripHitTest(r.strip, p.x, p.y)) {
        if (!r.fade.timerRunning) SetTimer(hwnd, FadeTimerId(hwnd), 20, nullptr);
        r.fade.timerRunning = true;
    } else {
        r.fade.timerRunning = false;
    }
    gLastButtonUnderMouse = ButtonUnder(r, p);
    PaintFades(n, FadeHotChange(r.fade, gLastButtonUnderMouse));
    if (r.maximised || !r.resizable) return;
    RECT rc{};
    GetClientRect(hwnd, &rc);
    LPCSTR cursor = nullptr;
    switch (SizingCursorAt(p.x, p.y, rc.right, rc.bottom)) {
    case SizingCursor::kWestEast: cursor = IDC_SIZEWE; break;
    case SizingCursor::kNorthSouth: cursor = IDC_SIZENS; break;
    case SizingCursor::kNorthWestSouthEast: cursor = IDC_SIZENWSE; break;
    case SizingCursor::kNorthEastSouthWest: cursor = IDC_SIZENESW; break;
    case SizingCursor::kNone: break;
    }
    if (cursor != nullptr) SetCursor(LoadCursorA(nullptr, cursor));
}

void OnMouseLeave(int n, SkinRecord& r) {
    if (!r.captionDrawn) {
        r.fade.tracking = false;
        return;
    }
    PaintFades(n, FadeMouseLeave(r.fade));
    gLastButtonUnderMouse = 0;
}

void OnLeftButtonDown(HWND hwnd, int n, SkinRecord& r, LPARAM lp) {
    r.fade.fadeIn.button = 0;
    if (!r.captionDrawn) return;
    const POINT p = PointOf(lp);
    if (!r.maximised && !r.minimised) {
        const PressDecision d = DecidePress(ShapeOf(r), p.x, p.y);
        if (d.action == PressAction::kMove) {
            // Windows moves the window until the button is released.
            ReleaseCapture();
            SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        } else if (d.action == PressAction::kSize) {
            r.dirty = true;
            ReleaseCapture();
            SendMessageA(hwnd, WM_SYSCOMMAND, static_cast<WPARAM>(d.sizeCommand), 0);
        }
    }
    SkinRecord* again = RecordAt(n);
    if (again == nullptr) return;
    const int b = ButtonUnder(*again, p);
    gLastButtonUnderMouse = b;
    if (b >= 1) PaintCaptionButton(n, b, true, 0);
}

void OnLeftButtonUp(int n, SkinRecord& r) {
    if (r.captionDrawn && gLastButtonUnderMouse >= 1 && gLastButtonUnderMouse <= static_cast<int>(r.buttons.size()))
        CaptionButtonAction(n, gLastButtonUnderMouse);
}

void OnDoubleClick(int n, SkinRecord& r, LPARAM lp) {
    if (PointOf(lp).y > r.captionHeight || !r.resizable) return;
    for (std::size_t i = 0; i < r.buttons.size(); ++i)
        if (r.buttons[i].kind == kMaximiseButton) return CaptionButtonAction(n, static_cast<int>(i) + 1);
}

void OnTimer(HWND hwnd, SkinRecord& r) {
    const FadeTickResult t = FadeTick(r.fade);
    PaintFades(SkinNumberOf(hwnd), t.paints);
    if (t.stopTimer) KillTimer(hwnd, FadeTimerId(hwnd));
}

LRESULT OnNcDestroy(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    WNDPROC previous = GetProcedureProperty(hwnd);
    ReleaseSkin(hwnd);
    KillTimer(hwnd, FadeTimerId(hwnd));
    if (previous == nullptr || previous == &FrameProcedure) return DefWindowProcA(hwnd, msg, wp, lp);
    return CallWindowProcA(previous, hwnd, msg, wp, lp);
}

}  // namespace

void SetTrimWorkingSetRoutine(TrimRoutine routine) { gTrim = routine != nullptr ? routine : &RunTool; }

void TrimWorkingSet() {
    if (gTrim != nullptr) gTrim();
}

void CaptionButtonAction(int n, int button) {
    SkinRecord* r = RecordAt(n);
    if (r == nullptr || button < 1 || button > static_cast<int>(r->buttons.size())) return;
    CaptionButton& b = r->buttons[static_cast<std::size_t>(button) - 1];
    HWND hwnd = r->window;
    switch (b.kind) {
    case kCloseButton: SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case kMaximiseButton:
        if (r->maximised) {
            r->minimised = r->maximised = false;
            b.name = "最大化";
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            r->maximised = true;
            r->minimised = false;
            b.name = "还原";
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        break;
    case kMinimiseButton:
        r->minimised = true;
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case kHelpButton: if (r->helpAction) r->helpAction(); break;
    case kMainMenuButton: if (r->mainMenuAction) r->mainMenuAction(); break;
    default: if (b.action) b.action(); break;
    }
}

LRESULT CALLBACK FrameProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    const int n = SkinNumberOf(hwnd);
    SkinRecord* r = RecordAt(n);
    if (r == nullptr || r->window != hwnd) return Forward(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_PAINT: return OnPaint(hwnd, n, *r, msg, wp, lp);
    case WM_ERASEBKGND: return OnEraseBackground(hwnd, *r, wp);
    case WM_SHOWWINDOW: OnShowWindow(hwnd, n, *r, wp); break;
    case WM_SIZE: if (wp != SIZE_MINIMIZED) OnSize(*r); break;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(hwnd, n, *r); break;
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(*r, lp); break;
    case WM_SYSCOMMAND: OnSysCommand(*r, wp); break;
    case WM_QUERYOPEN: r->minimised = false; r->listRefreshPending = true; break;
    case WM_ACTIVATE: r->active = LOWORD(wp) != WA_INACTIVE; break;
    case WM_ACTIVATEAPP:
        r->active = wp != 0;
        if (wp == 0) TrimWorkingSet();
        break;
    case WM_SETTEXT:
        if (r->drawTitle && r->captionDrawn && lp != 0) {
            const std::string text(reinterpret_cast<const char*>(lp));
            PaintTitle(n, &text);
        }
        break;
    case WM_CLOSE:
        if (!OnClose(hwnd, *r)) return 0;
        break;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, n, *r, lp); break;
    case WM_MOUSEHOVER: r->fade.tracking = true; break;
    case WM_MOUSELEAVE: OnMouseLeave(n, *r); break;
    case WM_LBUTTONDOWN: OnLeftButtonDown(hwnd, n, *r, lp); break;
    case WM_LBUTTONUP: OnLeftButtonUp(n, *r); break;
    case WM_LBUTTONDBLCLK: OnDoubleClick(n, *r, lp); break;
    case WM_TIMER:
        if (wp == FadeTimerId(hwnd)) OnTimer(hwnd, *r);
        break;
    case WM_MOVING: r->moving = true; break;
    case WM_SIZING: r->sizing = true; break;
    case WM_EXITSIZEMOVE: r->moving = r->sizing = false; break;
    case WM_NCDESTROY: return OnNcDestroy(hwnd, msg, wp, lp);
    case WM_COMMAND: case WM_NOTIFY: case WM_DRAWITEM: case WM_CTLCOLOREDIT: case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: case WM_CTLCOLORLISTBOX:
        if (const std::optional<LRESULT> answer = ParentNotifications(hwnd, msg, wp, lp)) return *answer;
        break;
    }
    return Forward(hwnd, msg, wp, lp);
}

}  // namespace skin
