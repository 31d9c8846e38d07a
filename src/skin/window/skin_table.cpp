// The SkinTable, ApplySkin, SetCloseEffect and ReleaseSkin.
#include "skin/window/skin_table.h"

#include "skin/controls/installers.h"
#include "skin/window/frame.h"
#include "skin/window/frame_procedure.h"
#include "skin/window/properties.h"

namespace skin {

SkinTable& Skins() {
    static SkinTable table;
    return table;
}

SkinRecord* RecordAt(int n) {
    SkinTable& t = Skins();
    if (n < 1 || n > static_cast<int>(t.size())) return nullptr;
    return t[static_cast<std::size_t>(n) - 1].get();
}

int SkinNumberOf(HWND hwnd) {
    const int n = GetIntProperty(hwnd, kHw_lbID);
    return RecordAt(n) != nullptr ? n : 0;
}

SkinRecord* RecordOf(HWND hwnd) { return RecordAt(GetIntProperty(hwnd, kHw_lbID)); }

int FindSkinByHandle(HWND hwnd) {
    SkinTable& t = Skins();
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i]->window == hwnd) return static_cast<int>(i) + 1;
    return 0;
}

int TakeListPosition(ControlList& list, HWND control, WNDPROC previous) {
    if (list.size() == 1 && list[0].window == nullptr) {
        list[0] = {control, previous};
        return 1;
    }
    list.push_back({control, previous});
    return static_cast<int>(list.size());
}

namespace {

void AddCaptionButtons(SkinRecord& r) {
    struct Entry { bool present; int kind; Picture picture; const char* name; };
    const Entry entries[] = {
        {r.helpButton, kHelpButton, Picture::kHelp, "帮助"},
        {r.mainMenuButton, kMainMenuButton, Picture::kMainMenu, "主菜单"},
        {r.minimiseButton, kMinimiseButton, Picture::kMinimise, "最小化"},
        {r.maximiseButton, kMaximiseButton, Picture::kMaximise, "最大化"},
        {r.closeButton, kCloseButton, Picture::kClose, "关闭"},
    };
    for (const Entry& s : entries) {
        if (!s.present) continue;
        CaptionButton b;
        b.kind = s.kind;
        b.width = CaptionButtonWidth(s.kind);
        b.picture = s.picture;
        b.name = s.name;
        r.buttons.push_back(std::move(b));
    }
}

// One tool per caption button, numbered by position; the caption layout gives them their rectangles.
void AddCaptionTooltip(SkinRecord& r) {
    r.tooltip = Tooltip(r.window, false);
    for (std::size_t i = 0; i < r.buttons.size(); ++i) {
        const RECT none{0, 0, 0, 0};
        r.tooltip.AddTool(static_cast<UINT>(i) + 1, &none, r.buttons[i].name);
    }
}

std::vector<int> KindsOf(const SkinRecord& r) {
    std::vector<int> kinds;
    for (const CaptionButton& b : r.buttons) kinds.push_back(b.kind);
    return kinds;
}

}  // namespace

void ApplySkin(HWND hwnd, const ApplySkinOptions& o) {
    if (hwnd == nullptr || FindSkinByHandle(hwnd) >= 1) return;
    LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    // The skin image is blitted around the children itself.
    style &= ~static_cast<LONG_PTR>(WS_CLIPCHILDREN);
    SetWindowLongPtrA(hwnd, GWL_STYLE, style);
    RECT client{};
    GetClientRect(hwnd, &client);
    Settings().frameBorder = kFrameBorder;

    auto rec = std::make_unique<SkinRecord>();
    SkinRecord& r = *rec;
    r.window = hwnd;
    r.captionHeight = CaptionHeightFor(o.captionHeight.value_or(kMinCaptionHeight));
    r.helpButton = o.helpButton.value_or(0) != 0;
    r.mainMenuButton = o.mainMenuButton.value_or(0) != 0;
    r.minimiseButton = (style & WS_MINIMIZEBOX) != 0;
    r.maximiseButton = (style & WS_MAXIMIZEBOX) != 0;
    r.captionDrawn = o.captionDrawn.value_or(1) != 0;
    r.closeButton = o.noCloseButton.value_or(0) != 0 ? false : r.captionDrawn;
    r.resizable = o.resizable.value_or(1) != 0;
    r.drawTitle = o.drawTitle.value_or(1) != 0;
    r.overlayBelowCaption = o.overlayBelowCaption.value_or(0) != 0;
    r.ownMode = o.ownMode.value_or(Settings().backgroundMode);
    r.overlayColour = o.overlayColour.value_or(-1);
    r.overlayAlpha = o.overlayAlpha.value_or(255);
    r.maxTrack = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (o.ownPicture && !o.ownPicture->empty()) {
        r.ownBaseColour = static_cast<Colour>(AverageColour(*o.ownPicture));
        r.ownImage = (r.ownMode == 0 || r.ownMode == 1)
                         ? BlendedPicture(*o.ownPicture, static_cast<std::uint32_t>(r.ownBaseColour), r.ownMode)
                         : *o.ownPicture;
    }
    if (!r.captionDrawn) {
        r.minimiseButton = r.maximiseButton = false;
    }
    AddCaptionButtons(r);
    const int sw = StripWidth(KindsOf(r));
    r.strip = {static_cast<float>(client.right - 3 - sw - 2), 0, static_cast<float>(sw),
               static_cast<float>(kStripHeight)};
    SetWindowLongPtrA(hwnd, GWL_STYLE, style | WS_SYSMENU);
    r.lastWidth = client.right;
    r.lastHeight = client.bottom;
    r.bottomBarHeight = o.bottomBarHeight.value_or(0);

    Skins().push_back(std::move(rec));
    const int n = static_cast<int>(Skins().size());
    if (o.captionDrawn && *o.captionDrawn != 0) AddCaptionTooltip(*Skins().back());
    LayOutCaption(n);
    RunControlInstallers(n, hwnd);
    SkinRecord* again = RecordAt(n);  // installers send messages
    again->dirty = true;
    // Properties first, then the procedure: the first message the frame procedure sees finds them.
    SetProperty(hwnd, kHw_lbID, n);
    const LONG_PTR previous = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    SetPropertyAs(hwnd, kHw_hProc, previous);
    again->previous = reinterpret_cast<WNDPROC>(previous);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProcedure));
}

int SetCloseEffect(HWND hwnd, int effect) {
    SkinRecord* r = RecordOf(hwnd);
    if (r == nullptr) return 0;
    r->closeEffect = effect;
    return 1;
}

namespace {

void DeleteControlBrush(HWND control) {
    if (HGDIOBJ b = GetPropertyAs<HGDIOBJ>(control, kKj_dxjb)) DeleteObject(b);
    if (HGDIOBJ b = GetPropertyAs<HGDIOBJ>(control, kKj_wtjb)) DeleteObject(b);
    RemoveProperty(control, kKj_dxjb);
    RemoveProperty(control, kKj_wtjb);
}

void Renumber() {
    SkinTable& t = Skins();
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto n = static_cast<std::intptr_t>(i) + 1;
        SetProperty(t[i]->window, kHw_lbID, n);
        for (const ControlList& list : t[i]->controls)
            for (const ControlRecord& c : list)
                if (c.window != nullptr && IsWindow(c.window)) SetProperty(c.window, kHw_FuID, n);
    }
}

}  // namespace

void ReleaseSkin(HWND hwnd) {
    const int n = FindSkinByHandle(hwnd);
    if (n < 1) return;
    SkinRecord& r = *Skins()[static_cast<std::size_t>(n) - 1];
    if (HMENU m = GetPropertyAs<HMENU>(hwnd, kCk_cdjb)) DestroyMenu(m);
    RemoveProperty(hwnd, kCk_cdjb);
    for (const ControlRecord& e : r.controls[kEdits])
        if (e.window != nullptr && IsWindow(e.window)) DeleteControlBrush(e.window);
    // The surfaces free themselves with the record.
    RemoveProperty(hwnd, kCk_wtjbdx);
    // Only undo our own subclassing: someone may have subclassed the window after us.
    if (GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&FrameProcedure) && r.previous != nullptr)
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(r.previous));
    RemoveProperty(hwnd, kHw_lbID);
    RemoveProperty(hwnd, kHw_hProc);
    Skins().erase(Skins().begin() + (n - 1));
    Renumber();
}

}  // namespace skin
