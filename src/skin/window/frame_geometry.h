// Geometry and timing of the skinned frame: caption strip and button layout, hit tests, drag and
// sizing zones, the hover-fade state machine, close-effect frames and the work-area size.
// Pure arithmetic, so it builds and is tested without a window.
#pragma once

#include <cstddef>
#include <vector>

namespace skin {

constexpr int kMinCaptionHeight = 25;
constexpr int kFrameBorder = 3;
constexpr int kStripHeight = 22;
constexpr int kCaptionButtonHeight = 18;

enum CaptionButtonKind { kCloseButton = 0, kMaximiseButton = 1, kMinimiseButton = 2, kMainMenuButton = 3,
                         kHelpButton = 4, kOtherButton = 5 };

constexpr int CaptionHeightFor(int requested) { return requested < kMinCaptionHeight ? kMinCaptionHeight : requested; }
constexpr int CaptionButtonWidth(int kind) { return kind == kCloseButton ? 38 : 26; }

struct FloatRect {
    float x = 0, y = 0, width = 0, height = 0;
};

// Buttons sit one pixel apart; the strip adds 3 pixels of margin.
inline int StripWidth(const std::vector<int>& kinds) {
    if (kinds.empty()) return 3;
    int sum = 0;
    for (int k : kinds) sum += CaptionButtonWidth(k);
    return sum + static_cast<int>(kinds.size()) - 1 + 3;
}

// Strip x and the button hit rectangles for a client width; the close button's rectangle is
// 40 wide, 2 pixels past the client area, so the corner pixel still hits it.
struct CaptionLayoutResult {
    FloatRect strip;
    std::vector<FloatRect> hits;
};

inline CaptionLayoutResult CaptionLayout(int clientWidth, const std::vector<int>& kinds, float stripY = 0) {
    CaptionLayoutResult r;
    const int sw = StripWidth(kinds);
    r.strip = {static_cast<float>(clientWidth - sw + 1), stripY, static_cast<float>(sw),
               static_cast<float>(kStripHeight)};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const int ii = static_cast<int>(i);
        FloatRect h;
        h.x = static_cast<float>(static_cast<int>(r.strip.x + 2) + 26 * ii + ii);
        h.y = static_cast<float>(static_cast<int>(r.strip.y + 1));
        h.width = kinds[i] == kCloseButton ? 40.0f : 26.0f;
        h.height = static_cast<float>(kCaptionButtonHeight);
        r.hits.push_back(h);
    }
    return r;
}

inline bool StripHitTest(const FloatRect& strip, int x, int y) {
    return x >= strip.x - 2 && x <= strip.x + strip.width && y >= 0 && y <= strip.height;
}

// 1-based button under the point, 0 none; the rectangle test is strict on every side.
inline int ButtonHitTest(const FloatRect& strip, const std::vector<FloatRect>& hits, int x, int y) {
    if (!(x >= strip.x && y >= strip.y && y <= strip.y + strip.height)) return 0;
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const FloatRect& h = hits[i];
        if (h.x < x && x < h.x + h.width && h.y < y && y < h.y + h.height) return static_cast<int>(i) + 1;
    }
    return 0;
}

// WM_SYSCOMMAND codes SC_SIZE + edge of the first sizing zone containing the point, 0 none.
inline int SizingZone(int x, int y, int w, int h) {
    if (x <= 3 && y >= 11 && y < h - 10) return 61441;
    if (x >= w - 3 && y >= 11 && y < h - 10) return 61442;
    if (y <= 3 && x >= 11 && x < w - 10) return 61443;
    if (y >= h - 3 && x >= 11 && x < w - 10) return 61446;
    if (x <= 10 && y <= 10) return 61444;
    if (x >= w - 10 && y <= 10) return 61445;
    if (x <= 10 && y >= h - 10) return 61447;
    if (x >= w - 10 && y >= h - 10) return 61448;
    return 0;
}

enum class PressAction { kNone, kMove, kSize };
struct PressDecision {
    PressAction action = PressAction::kNone;
    int sizeCommand = 0;
};

struct FrameShape {
    int width = 0, height = 0;  // client size
    int captionHeight = kMinCaptionHeight;
    bool captionDrawn = true;
    bool resizable = false;
    FloatRect strip;
};

// What a left press at a client point starts: nothing on the strip (its buttons act on release),
// a move in the caption band, a size at the edges of a resizable window.
inline PressDecision DecidePress(const FrameShape& f, int x, int y) {
    if (x >= f.strip.x && x <= f.strip.x + f.strip.width && y > 2 && y <= f.strip.height) return {};
    if (!f.captionDrawn) return {};
    const bool inCaption = y <= f.captionHeight && y > 3 && x > 3 && x < f.width - 3;
    if (inCaption) return {PressAction::kMove, 0};
    if (!f.resizable) return {};
    if (const int zone = SizingZone(x, y, f.width, f.height)) return {PressAction::kSize, zone};
    if (y <= f.captionHeight) return {PressAction::kMove, 0};
    return {};
}

enum class SizingCursor { kNone, kWestEast, kNorthSouth, kNorthWestSouthEast, kNorthEastSouthWest };

inline SizingCursor SizingCursorAt(int x, int y, int w, int h) {
    if ((x <= 3 || x >= w - 3) && y > 10 && y < h - 10) return SizingCursor::kWestEast;
    if ((y <= 3 || y >= h - 3) && x > 10 && x < w - 10) return SizingCursor::kNorthSouth;
    if ((x <= 10 && y <= 10) || (x >= w - 10 && y >= h - 10)) return SizingCursor::kNorthWestSouthEast;
    if ((x >= w - 10 && y <= 10) || (x <= 10 && y >= h - 10)) return SizingCursor::kNorthEastSouthWest;
    return SizingCursor::kNone;
}

// Hover fade between caption buttons: one 20 ms timer drives a fade-in and a fade-out pair of
// eight steps each. The routines only change the state and say which buttons to paint at which alpha.
struct FadePair {
    int button = 0;  // 1-based, 0 none
    int step = 0;    // 0..8
};

struct FadeState {
    int hot = 0;
    FadePair fadeIn, fadeOut;
    bool timerRunning = false;
    bool tracking = false;
};

struct ButtonPaint {
    int button = 0;
    int alpha = 0;
    bool operator==(const ButtonPaint&) const = default;
};

inline std::vector<ButtonPaint> FadeHotChange(FadeState& s, int under) {
    std::vector<ButtonPaint> paints;
    if (under == s.hot) return paints;
    if (s.hot != 0) {
        if (s.fadeOut.button >= 1 && s.fadeOut.step < 8) paints.push_back({s.fadeOut.button, 0});
        s.fadeOut = {s.hot, 0};
    }
    if (under != 0) s.fadeIn = {under, 0};
    s.hot = under;
    return paints;
}

struct FadeTickResult {
    std::vector<ButtonPaint> paints;
    bool stopTimer = false;
};

inline FadeTickResult FadeTick(FadeState& s) {
    FadeTickResult r;
    if (s.fadeIn.button >= 1 && s.fadeIn.step <= 7) {
        ++s.fadeIn.step;
        r.paints.push_back({s.fadeIn.button, s.fadeIn.step * 30});
    }
    if (s.fadeOut.button >= 1 && s.fadeOut.step <= 7) {
        ++s.fadeOut.step;
        r.paints.push_back({s.fadeOut.button, 240 - s.fadeOut.step * 30});
    }
    const bool fadeOutDone = s.fadeOut.button == 0 || s.fadeOut.step > 7;
    if ((!s.tracking || !s.timerRunning) && fadeOutDone) {
        s.timerRunning = false;
        s.hot = 0;
        s.fadeIn = {};
        s.fadeOut = {};
        r.stopTimer = true;
    }
    return r;
}

// The pointer left the window: the hot button starts fading out from its full look.
inline std::vector<ButtonPaint> FadeMouseLeave(FadeState& s) {
    std::vector<ButtonPaint> paints;
    s.tracking = false;
    if (s.hot < 1) return paints;
    if (s.fadeOut.step <= 7 && s.fadeIn.step <= 7) {
        if (s.fadeOut.button >= 1) paints.push_back({s.fadeOut.button, 0});
        s.fadeIn = {};
    }
    s.fadeOut = {s.hot, 0};
    s.hot = 0;
    return paints;
}

// Ten frames of the close animation, in window coordinates.
struct EffectFrame {
    int x = 0, y = 0, width = 0, height = 0;
    int alpha = 0;
    int sleepMs = 0;
    bool operator==(const EffectFrame&) const = default;
};

constexpr int kShrinkEffect = 1;
constexpr int kPulseEffect = 2;

inline std::vector<EffectFrame> CloseEffectFrames(int effect, int x, int y, int w, int h) {
    std::vector<EffectFrame> frames;
    if (effect != kShrinkEffect && effect != kPulseEffect) return frames;
    const bool pulse = effect == kPulseEffect;
    const int f = pulse ? static_cast<int>(w * 0.02) : w / 10;
    const int e = pulse ? static_cast<int>(h * 0.02) : h / 10;
    double cx = x, cy = y;
    int cw = w, ch = h, alpha = 255;
    for (int i = 1; i <= 10; ++i) {
        alpha -= 25;
        const int sign = (!pulse || i <= 5) ? 1 : -1;
        cw -= sign * f;
        ch -= sign * e;
        cx = static_cast<int>(cx + sign * f / 2.0);
        cy = static_cast<int>(cy + sign * e / 2.0);
        frames.push_back({static_cast<int>(cx), static_cast<int>(cy), cw, ch, alpha, pulse ? 20 - 2 * i : 20 - i});
    }
    return frames;
}

struct IntRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct AreaSize {
    int width = 0, height = 0;
    bool operator==(const AreaSize&) const = default;
};

// The screen minus the task bar; a horizontal bar above the screen or hidden at its bottom edge
// takes nothing. forTrackSize: a hidden vertical bar takes nothing either.
inline AreaSize WorkAreaSize(IntRect tray, bool trayVisible, int screenW, int screenH, bool forTrackSize) {
    const int tw = tray.right - tray.left, th = tray.bottom - tray.top;
    if (tw > th) {
        if (tray.top < 0 || tray.top >= screenH - 5) return {screenW, screenH};
        return {screenW, screenH - th};
    }
    if (forTrackSize && !trayVisible) return {screenW, screenH};
    return {screenW - tw, screenH};
}

}  // namespace skin
