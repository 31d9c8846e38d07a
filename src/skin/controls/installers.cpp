// The nine control installers and the procedure the controls get until their painters exist:
// it passes everything on and undoes the subclassing when the control goes away.
#include "skin/controls/installers.h"

#include "skin/window/properties.h"
#include "skin/window/skin_table.h"
#include "skin/window/skin_settings.h"

#include <commctrl.h>

namespace skin {

namespace {

bool HasAll(LONG_PTR style, LONG_PTR mask) { return (style & mask) == mask; }

LRESULT CALLBACK ControlProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    WNDPROC previous = GetProcedureProperty(hwnd);
    if (msg == WM_NCDESTROY) {
        // Properties must be gone before WM_NCDESTROY returns.
        if (previous != nullptr && GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ControlProcedure))
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemoveProperty(hwnd, kHw_FuID);
        RemoveProperty(hwnd, kHw_lbID);
        RemoveProperty(hwnd, kHw_hProc);
        RemoveProperty(hwnd, kKj_Ztys);
        if (HGDIOBJ b = GetPropertyAs<HGDIOBJ>(hwnd, kKj_dxjb)) DeleteObject(b);
        if (HGDIOBJ b = GetPropertyAs<HGDIOBJ>(hwnd, kKj_wtjb)) DeleteObject(b);
        RemoveProperty(hwnd, kKj_dxjb);
        RemoveProperty(hwnd, kKj_wtjb);
    }
    if (previous == nullptr) return DefWindowProcA(hwnd, msg, wp, lp);
    return CallWindowProcA(previous, hwnd, msg, wp, lp);
}

bool IsRegistered(const ControlList& list, HWND c) {
    for (const ControlRecord& r : list)
        if (r.window == c) return true;
    return false;
}

// Takes a list position, subclasses the control and ties it to the window's record.
void Register(int skinNumber, ControlKind kind, HWND control) {
    SkinRecord* rec = RecordAt(skinNumber);
    if (rec == nullptr) return;
    LONG_PTR previous = GetWindowLongPtrA(control, GWLP_WNDPROC);
    // A control registered a second time keeps its first previous procedure: storing our own
    // procedure as the previous one would make it call itself forever.
    const bool already = previous == reinterpret_cast<LONG_PTR>(&ControlProcedure);
    if (already) previous = reinterpret_cast<LONG_PTR>(GetProcedureProperty(control));
    const int position = TakeListPosition(rec->controls[kind], control, reinterpret_cast<WNDPROC>(previous));
    SetProperty(control, kHw_lbID, position);
    SetProperty(control, kHw_FuID, skinNumber);
    SetPropertyAs(control, kHw_hProc, previous);
    if (!already) SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlProcedure));
}

template <class Accept>
void ForEachChild(HWND parent, const char* cls, Accept accept) {
    for (HWND c = FindWindowExA(parent, nullptr, cls, nullptr); c != nullptr; c = FindWindowExA(parent, c, cls, nullptr))
        accept(c);
}

LONG_PTR StyleOf(HWND c) { return GetWindowLongPtrA(c, GWL_STYLE); }

bool Enabled() { return ControlSkinOptionsValues().controlsSkinned; }

void InstallSimple(int n, HWND parent, const char* cls, ControlKind kind) {
    if (!Enabled()) return;
    ForEachChild(parent, cls, [&](HWND c) { Register(n, kind, c); });
}

}  // namespace

bool IsPushButtonStyle(LONG style) {
    if (HasAll(style, 0xB)) return false;
    return !HasAll(style, 0x2) && !HasAll(style, 0x4) && !HasAll(style, 0x9);
}

bool IsCheckOrRadioStyle(LONG style) {
    if (HasAll(style, 0xB)) return false;
    const bool check = HasAll(style, 0x2) && !HasAll(style, 0x4);
    const bool radio = HasAll(style, 0x9) && !HasAll(style, 0x2) && !HasAll(style, 0x4);
    return check || radio;
}

void InstallPushButtons(int n, HWND parent) {
    if (!Enabled()) return;
    ForEachChild(parent, "BUTTON", [&](HWND c) {
        SkinRecord* rec = RecordAt(n);
        if (rec == nullptr || !IsPushButtonStyle(static_cast<LONG>(StyleOf(c)))) return;
        if (IsRegistered(rec->controls[kButtons], c)) return;
        Register(n, kButtons, c);
    });
}

void InstallCheckBoxes(int n, HWND parent) {
    if (!Enabled()) return;
    ForEachChild(parent, "BUTTON", [&](HWND c) {
        if (IsCheckOrRadioStyle(static_cast<LONG>(StyleOf(c)))) Register(n, kButtons, c);
    });
}

void InstallEditsAndCombos(int n, HWND parent) {
    if (!Enabled()) return;
    ForEachChild(parent, "Edit", [&](HWND c) {
        SkinRecord* rec = RecordAt(n);
        if (rec == nullptr || IsRegistered(rec->controls[kEdits], c)) return;
        Register(n, kEdits, c);
        SetProperty(c, kKj_Ztys, 0);
    });
    ForEachChild(parent, "ComboBox", [&](HWND combo) {
        Register(n, kCombos, combo);
        if (!ControlSkinOptionsValues().backgroundsSkinned) return;
        if (HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr)) {
            Register(n, kEdits, edit);
            SetProperty(edit, kKj_Ztys, 0);
        }
    });
}

void InstallTrackBars(int n, HWND parent) { InstallSimple(n, parent, "msctls_trackbar32", kTrackBars); }
void InstallProgressBars(int n, HWND parent) { InstallSimple(n, parent, "msctls_progress32", kProgressBars); }

void InstallListControls(int n, HWND parent) {
    if (!Enabled()) return;
    ForEachChild(parent, "ListBox", [&](HWND c) { Register(n, kLists, c); });
    ForEachChild(parent, "ComboBox", [&](HWND combo) {
        if (HasAll(StyleOf(combo), 0x10)) return;
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (GetComboBoxInfo(combo, &info) && info.hwndList != nullptr) Register(n, kLists, info.hwndList);
    });
    ForEachChild(parent, "SysListView32", [&](HWND c) {
        if (!HasAll(StyleOf(c), 0x10)) Register(n, kLists, c);
    });
    for (const char* cls : {"SysTreeView32", "SysIPAddress32", "SysDateTimePick32"})
        ForEachChild(parent, cls, [&](HWND c) { Register(n, kLists, c); });
}

void InstallUpDowns(int n, HWND parent) { InstallSimple(n, parent, "msctls_updown32", kUpDowns); }

void InstallHeaders(int n, HWND parent) {
    if (!Enabled()) return;
    ForEachChild(parent, "SysHeader32", [&](HWND c) { Register(n, kHeaders, c); });
    ForEachChild(parent, "SysListView32", [&](HWND list) {
        if (HWND h = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0))) Register(n, kHeaders, h);
    });
}

void InstallToolBars(int n, HWND parent) {
    if (!Enabled()) return;
    // Tool bars keep their links under their own keys.
    ForEachChild(parent, "ToolbarWindow32", [&](HWND c) {
        SkinRecord* rec = RecordAt(n);
        if (rec == nullptr) return;
        const LONG_PTR previous = GetWindowLongPtrA(c, GWLP_WNDPROC);
        const int position = TakeListPosition(rec->controls[kToolBars], c, reinterpret_cast<WNDPROC>(previous));
        SetProperty(c, kKj_lbID, position);
        SetProperty(c, kKj_FuID, n);
        SetPropertyAs(c, kKj_hProc, previous);
    });
}

void RunControlInstallers(int n, HWND parent) {
    InstallPushButtons(n, parent);
    InstallCheckBoxes(n, parent);
    InstallEditsAndCombos(n, parent);
    InstallTrackBars(n, parent);
    InstallProgressBars(n, parent);
    InstallListControls(n, parent);
    InstallUpDowns(n, parent);
    InstallHeaders(n, parent);
    InstallToolBars(n, parent);
}

}  // namespace skin
