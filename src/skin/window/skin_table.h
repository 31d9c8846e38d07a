// Per-window skin state: SkinRecord, CaptionButton, the SkinTable of all skinned windows and the
// operations that skin a window and release it again.
#pragma once

#include "skin/graphics/tooltip.h"
#include "skin/window/frame_geometry.h"
#include "skin/window/pictures.h"
#include "skin/window/skin_settings.h"
#include "skin/window/surface.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace skin {

struct CaptionButton {
    int width = 26;
    int height = kCaptionButtonHeight;
    Picture picture = Picture::kClose;
    Picture secondPicture = Picture::kRestore;  // maximise button while maximised
    int kind = kOtherButton;
    std::string name;
    std::function<void()> action;
    FloatRect hit;
};

// Kinds of control lists; the order is the order of the lists in the record.
enum ControlKind { kButtons, kEdits, kLists, kTrackBars, kProgressBars, kCombos, kUpDowns, kHeaders, kToolBars,
                   kStatics, kContainers, kControlKindCount };

struct ControlRecord {
    HWND window = nullptr;
    WNDPROC previous = nullptr;
};

// 1-based lists; every list starts with one blank record that the first control takes.
using ControlList = std::vector<ControlRecord>;

struct HoverState {
    int hoveredPosition = 0;
    int paintedPosition = 0;
    int hoverKind = 0;
    HWND hoveredParent = nullptr;
};

struct SkinRecord {
    HWND window = nullptr;
    bool painted = false, hidden = false;
    int closeEffect = 0;
    bool moving = false, sizing = false, listRefreshPending = false, erased = false, active = false;
    int captionHeight = kMinCaptionHeight;
    bool helpButton = false, mainMenuButton = false, minimiseButton = false, maximiseButton = false,
         closeButton = true;
    bool drawTitle = true, overlayBelowCaption = false;
    WNDPROC previous = nullptr;
    Bytes ownImage;
    int ownMode = 0;
    Colour ownBaseColour = 0;
    Colour overlayColour = -1;
    int overlayAlpha = 255;
    std::vector<CaptionButton> buttons;
    FloatRect strip;
    bool maximised = false, minimised = false;
    SIZE minTrack{200, 150}, maxTrack{0, 0};
    bool resizable = true, captionDrawn = true;
    Colour titleColour = 0xFFFFFF, effectColour = 0x808080;
    std::string fontFamily = "宋体";
    int fontSize = 12;
    bool bold = true, glow = false;
    HoverState hover;
    std::function<void()> helpAction, mainMenuAction;
    std::function<int()> closeQuery;
    int bottomBarHeight = 0;
    ControlList controls[kControlKindCount];
    bool dirty = true;
    Surface background, captionCache, bottomBarCache, composite;
    Tooltip tooltip;
    FadeState fade;
    int lastWidth = 0, lastHeight = 0;

    SkinRecord() {
        for (ControlList& l : controls) l.resize(1);
    }
};

// Optional arguments of ApplySkin; an absent one takes its default.
struct ApplySkinOptions {
    std::optional<int> captionHeight;
    std::optional<int> captionDrawn;
    std::optional<int> resizable;
    std::optional<int> helpButton;
    std::optional<int> mainMenuButton;
    std::optional<int> drawTitle;
    std::optional<int> overlayBelowCaption;
    std::optional<int> bottomBarHeight;
    std::optional<Bytes> ownPicture;
    std::optional<int> ownMode;
    std::optional<Colour> overlayColour;
    std::optional<int> overlayAlpha;
    std::optional<int> noCloseButton;
};

// Records never move while a procedure holds one: the table owns them through pointers.
using SkinTable = std::vector<std::unique_ptr<SkinRecord>>;
SkinTable& Skins();

// nullptr unless n is a skin number in the table.
SkinRecord* RecordAt(int n);
// The window's skin number from its property, 0 when it is not skinned.
int SkinNumberOf(HWND hwnd);
SkinRecord* RecordOf(HWND hwnd);
// Linear search: 1-based position of the window's record, 0 none.
int FindSkinByHandle(HWND hwnd);

// Position a new control takes in a list: the blank first record, else a new one at the end.
int TakeListPosition(ControlList& list, HWND control, WNDPROC previous);

void ApplySkin(HWND hwnd, const ApplySkinOptions& options = {});
int SetCloseEffect(HWND hwnd, int effect);
void ReleaseSkin(HWND hwnd);

}  // namespace skin
