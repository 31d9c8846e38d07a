// The skinned frame image: background, frame lines, region, caption, title and caption buttons.
#include "skin/window/frame.h"

#include "skin/window/frame_gdip.h"
#include "skin/window/properties.h"
#include "skin/window/skin_table.h"

#include <vector>

namespace skin {

using fgp::Argb;

namespace {

Bytes PictureBytes(int id) {
    Bytes bytes;
    if (id == 0) return bytes;
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(self, MAKEINTRESOURCEA(id), reinterpret_cast<LPCSTR>(RT_RCDATA));
    if (res == nullptr) return bytes;
    HGLOBAL data = LoadResource(self, res);
    const auto* p = static_cast<const unsigned char*>(LockResource(data));
    if (p != nullptr) bytes.assign(p, p + SizeofResource(self, res));
    return bytes;
}

// When the glyph picture is not embedded, the caption keeps a drawn glyph of the same layout.
void DrawGlyph(fgp::Graphics& g, int kind, bool restore, float x, float y, float w, float h) {
    const fgp::Pen pen(Argb(0xFFFFFF, 235), 2);
    const float cx = x + w / 2, cy = y + h / 2 + 2;
    switch (kind) {
    case kMinimiseButton:
        g.DrawLine(pen, cx - 5, cy + 2, cx + 5, cy + 2);
        break;
    case kMaximiseButton: {
        fgp::Path p;
        p.AddRectangle(cx - 4, cy - 4, restore ? 7 : 9, restore ? 6 : 8);
        g.DrawPath(fgp::Pen(Argb(0xFFFFFF, 235), 1), p);
        break;
    }
    case kCloseButton:
        g.DrawLine(pen, cx - 4, cy - 4, cx + 4, cy + 4);
        g.DrawLine(pen, cx + 4, cy - 4, cx - 4, cy + 4);
        break;
    default:
        g.DrawLine(pen, cx - 3, cy, cx + 3, cy);
        break;
    }
}

void DrawButtonPicture(fgp::Graphics& g, const SkinRecord& r, const CaptionButton& b, float x, float y, float w,
                       float h) {
    const bool restore = b.kind == kMaximiseButton && r.maximised;
    const Bytes bytes = PictureBytes(restore ? b.secondPicture : b.picture);
    const fgp::Image img(bytes);
    if (img.get() != nullptr)
        g.DrawImage(img, x, y, w, h);
    else
        DrawGlyph(g, b.kind, restore, x, y, w, h);
}

void RestoreFromCaptionCache(const SkinRecord& r, int left, int top, int right, int bottom) {
    if (!r.captionCache || !r.background) return;
    BitBlt(r.background.dc(), left, top, right - left, bottom - top, r.captionCache.dc(), left, top, SRCCOPY);
}

void CopyToWindow(const SkinRecord& r, int x, int y, int w, int h) {
    HDC dc = GetDC(r.window);
    BitBlt(dc, x, y, w, h, r.background.dc(), x, y, SRCCOPY);
    ReleaseDC(r.window, dc);
}

void PaintFrameLines(fgp::Graphics& g, int w, int h) {
    fgp::Path outer;
    fgp::RoundedRect(outer, 0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1), 7);
    g.DrawPath(fgp::Pen(Argb(0x000000, 180), 2), outer);
    fgp::Path inner;
    fgp::RoundedRect(inner, 1, 1, static_cast<float>(w - 3), static_cast<float>(h - 3), 6);
    g.DrawPath(fgp::Pen(Argb(0xFFFFFF, 180), 1), inner);
}

// Decoding and stretching the picture and the anti-aliased frame lines are most of a full repaint;
// they are kept for the last size, picture and mode, so repaints at the same size only copy them.
struct PlacedPicture {
    FrameSurface image;
    const void* owner = nullptr;  // the record with an own picture, else none
    int generation = -1;
    int width = 0, height = 0, mode = -1;
    Colour base = -1;
    bool lines = false;
};

PlacedPicture& PlacedCache() {
    static PlacedPicture cache;
    return cache;
}

void PlacePicture(fgp::Graphics& g, const Bytes& picture, int mode, int w, int h) {
    const fgp::Image img(picture);
    const int iw = img.width(), ih = img.height();
    switch (mode) {
    case 1: g.DrawImageNatural(img, static_cast<float>(w - iw), 0); break;
    case 2: g.DrawImageNatural(img, (w - iw) / 2.0f, (h - ih) / 2.0f); break;
    case 3: g.DrawImage(img, 0, 0, static_cast<float>(w), static_cast<float>(h)); break;
    default: g.DrawImageNatural(img, 0, 0); break;
    }
}

void PaintPicture(HDC target, const SkinRecord& r, int w, int h) {
    const SkinSettings& s = Settings();
    const bool own = !r.ownImage.empty();
    const Colour base = own ? r.ownBaseColour : s.baseColour;
    const Bytes& picture = own ? r.ownImage : s.backgroundImage;
    const int mode = own ? r.ownMode : s.backgroundMode;
    PlacedPicture& c = PlacedCache();
    const void* owner = own ? &r : nullptr;
    if (!(c.image && c.owner == owner && c.generation == s.backgroundGeneration && c.width == w &&
          c.height == h && c.mode == mode && c.base == base && c.lines == r.captionDrawn)) {
        c.image = FrameSurface(w, h);
        {
            fgp::Graphics g(c.image.dc(), false);
            g.Clear(Argb(base));
            if (!picture.empty()) PlacePicture(g, picture, mode, w, h);
        }
        if (r.captionDrawn && r.overlayColour < 0 && !r.overlayBelowCaption) {
            fgp::Graphics g(c.image.dc());
            PaintFrameLines(g, w, h);
        }
        c.owner = owner;
        c.generation = s.backgroundGeneration;
        c.width = w;
        c.height = h;
        c.mode = mode;
        c.base = base;
        c.lines = r.captionDrawn;
    }
    BitBlt(target, 0, 0, w, h, c.image.dc(), 0, 0, SRCCOPY);
}

void PaintBackground(fgp::Graphics& g, const SkinRecord& r, int w, int h) {
    if (r.overlayColour >= 0) {
        const float top = r.overlayBelowCaption ? static_cast<float>(r.captionHeight) : 0;
        g.FillRect(fgp::Brush::Solid(Argb(r.overlayColour, r.overlayAlpha)), 0, top, static_cast<float>(w),
                   static_cast<float>(h) - top);
    }
    if (r.overlayBelowCaption) {
        const float ch = static_cast<float>(r.captionHeight);
        const bool white = r.overlayColour < 1;
        const Colour c = white ? 0xFFFFFF : r.overlayColour;
        const int a1 = white ? 150 : static_cast<int>(r.overlayAlpha * 0.2), a2 = white ? 0 : r.overlayAlpha;
        g.FillRect(fgp::Brush::Vertical({0, 0}, {0, ch}, Argb(c, a1), Argb(c, a2)), 0, 0, static_cast<float>(w), ch);
    }
}



float TitleWidth(const SkinRecord& r, int w) {
    return static_cast<float>(w) - r.strip.width - 10 - 2 * kFrameBorder;
}

void DrawTitle(fgp::Graphics& g, const SkinRecord& r, int w, const std::string* text) {
    const int border = Settings().frameBorder;
    const float tw = TitleWidth(r, w);
    if (Settings().applicationIcon != nullptr)
        DrawIconEx(r.background.dc(), border + 6, border + 1, Settings().applicationIcon, 17, 17, 0, nullptr,
                   DI_NORMAL);
    std::string title;
    if (text != nullptr) {
        title = *text;
    } else {
        char buf[512] = {};
        GetWindowTextA(r.window, buf, sizeof buf);
        title = buf;
    }
    const float x = static_cast<float>(border + 6 + 20), y = static_cast<float>(border + 1 + 2);
    if (r.effectColour == -1)
        g.DrawText(fgp::Widen(title), x, y, tw, 42, Argb(r.titleColour),
                   fgp::TextStyle(r.fontFamily, static_cast<float>(r.fontSize), r.bold));
    else
        fgp::OutlinedTitle(g, title, x, y, tw, 42, r.titleColour, r.effectColour, r.fontFamily,
                           static_cast<float>(r.fontSize), r.bold);
}

void DrawHotHighlight(fgp::Graphics& g, const SkinRecord& r, const CaptionButton& b, float x, float y, float w,
                      float h, int a) {
    RestoreFromCaptionCache(r, static_cast<int>(x) - 1, static_cast<int>(y), static_cast<int>(x - 1 + w + 2),
                            static_cast<int>(y + h + 1));
    if (a <= 0) return;
    const bool close = b.kind == kCloseButton;
    fgp::Path shape;
    if (close)
        fgp::TopRightRounded(shape, x, y, w, h, 5);
    else
        fgp::TopRounded(shape, x, y, w, h, 1);
    g.FillPath(fgp::Brush::Vertical({x, y}, {x, y + h + 1}, Argb(0, a / 5), Argb(0xFFFFFF, 0)), shape);
    const Colour accent = close ? 0x0000FF : Settings().themeColour;
    g.FillPath(fgp::Brush::Vertical({x, y}, {x, y + h + 1}, Argb(accent, a), Argb(0xFFFFFF, 0)), shape);
    fgp::Path outline;
    if (close)
        fgp::TopRightRounded(outline, x, y, w - 1, h * 0.8f, 5);
    else
        fgp::TopRounded(outline, x, y, w - 1, h * 0.8f, 1);
    const fgp::Brush edge = fgp::Brush::Vertical({x, y}, {x, y + h + 1}, Argb(0xFFFFFF, static_cast<int>(a * 0.8)),
                                                 Argb(0xFFFFFF, 0));
    g.DrawPath(fgp::Pen(edge, 1), outline);
}

void DrawSeparator(fgp::Graphics& g, const SkinRecord& r, int index) {
    const float x = static_cast<float>(static_cast<int>(r.buttons[static_cast<std::size_t>(index)].hit.x - 2));
    const float y0 = r.strip.y + 1, y1 = r.strip.y + r.strip.height - 4;
    const fgp::Brush b = fgp::Brush::Vertical({x, r.strip.y}, {x, r.strip.y + r.strip.height - 3},
                                              Argb(0, index == 0 ? 100 : 60), Argb(0, 0));
    g.DrawLine(fgp::Pen(b, 1), x, y0, x, y1);
}

// One button in its normal or hot look (alpha 0..240) onto the background surface.
void DrawButton(fgp::Graphics& g, const SkinRecord& r, int index, int alpha) {
    const CaptionButton& b = r.buttons[static_cast<std::size_t>(index)];
    const float x = b.hit.x - 1, y = r.strip.y + 1, w = static_cast<float>(b.width), h = static_cast<float>(b.height);
    DrawHotHighlight(g, r, b, x, y, w, h, alpha);
    g.FillRect(fgp::Brush::Vertical({x, y}, {x, y + h}, Argb(0xFFFFFF, 50), Argb(0, 0)), x - 1, y, w + 1, h - 1);
    DrawButtonPicture(g, r, b, x, y, w, h);
    DrawSeparator(g, r, index);
}

void DrawPressedButton(fgp::Graphics& g, const SkinRecord& r, int index) {
    const CaptionButton& b = r.buttons[static_cast<std::size_t>(index)];
    const float x = b.hit.x - 1, y = r.strip.y + 1, w = static_cast<float>(b.width), h = static_cast<float>(b.height);
    RestoreFromCaptionCache(r, static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + w),
                            static_cast<int>(y + h));
    fgp::Path shape;
    const bool close = b.kind == kCloseButton;
    if (close)
        fgp::TopRightRounded(shape, x, y, w, h, 5);
    else
        shape.AddRectangle(x, y, w, h);
    g.FillPath(close ? fgp::Brush::Vertical({x, y}, {x, y + h}, Argb(0x0000FF), Argb(0xFFFFFF, 30))
                     : fgp::Brush::Vertical({x, y}, {x, y + h}, Argb(0, 80), Argb(0xFFFFFF, 5)),
               shape);
    DrawButtonPicture(g, r, b, x, y, w - 1, h);
}

void RebuildCache(FrameSurface& cache, const FrameSurface& from, int x, int y, int w, int h) {
    cache = FrameSurface(w, h);
    BitBlt(cache.dc(), 0, 0, w, h, from.dc(), x, y, SRCCOPY);
}

}  // namespace

void SetFrameRegion(HWND hwnd) {
    RECT rc{}, box{};
    GetClientRect(hwnd, &rc);
    // Setting a region again costs a round trip to the display: keep one that already fits.
    HRGN current = CreateRectRgn(0, 0, 0, 0);
    const bool fits = GetWindowRgn(hwnd, current) != ERROR && GetRgnBox(current, &box) != ERROR &&
                      box.right == rc.right && box.bottom == rc.bottom;
    DeleteObject(current);
    if (fits) return;
    SetWindowRgn(hwnd, nullptr, TRUE);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(hwnd, &rc);
    // The window owns the region once it is set; no DeleteObject after success.
    HRGN rgn = CreateRoundRectRgn(0, 0, rc.right + 1, rc.bottom + 1, 5, 5);
    if (SetWindowRgn(hwnd, rgn, TRUE) == 0) DeleteObject(rgn);
}

void ExcludeChildren(HWND hwnd, HDC dc, int limitW, int limitH, bool onlyUnskinned) {
    RECT origin{};
    GetWindowRect(hwnd, &origin);
    POINT o{0, 0};
    ClientToScreen(hwnd, &o);
    for (HWND c = FindWindowExA(hwnd, nullptr, nullptr, nullptr); c != nullptr; c = FindWindowExA(hwnd, c, nullptr, nullptr)) {
        if (!IsWindowVisible(c) || (GetWindowLongPtrA(c, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) continue;
        if (onlyUnskinned && GetProperty(c, kHw_FuID) != 0) continue;
        RECT r{};
        if (FindSkinByHandle(c) < 1) {
            GetWindowRect(c, &r);
            OffsetRect(&r, -o.x, -o.y);
        }
        if (r.left < 0) r.left = 0;
        if (r.top < 0) r.top = 0;
        if (limitW > 0 && r.right > limitW) r.right = limitW;
        if (limitH > 0 && r.bottom > limitH) r.bottom = limitH;
        if (r.right < r.left) r.right = r.left;
        if (r.bottom < r.top) r.bottom = r.top;
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

void ShowBackground(int n, HDC dc) {
    SkinRecord* r = RecordAt(n);
    if (r == nullptr || !r->background) return;
    const int saved = SaveDC(dc);
    ExcludeChildren(r->window, dc, r->lastWidth, r->lastHeight, false);
    BitBlt(dc, 0, 0, r->background.width(), r->background.height(), r->background.dc(), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
}

void LayOutCaption(int n) {
    SkinRecord* r = RecordAt(n);
    if (r == nullptr || !IsWindow(r->window)) return;
    RECT rc{};
    GetClientRect(r->window, &rc);
    std::vector<int> kinds;
    for (const CaptionButton& b : r->buttons) kinds.push_back(b.kind);
    const CaptionLayoutResult layout = CaptionLayout(rc.right, kinds, r->strip.y);
    r->strip = layout.strip;
    for (std::size_t i = 0; i < r->buttons.size(); ++i) r->buttons[i].hit = layout.hits[i];
}

void FullRepaint(int n, HDC paintDc, bool show) {
    SkinRecord* r = RecordAt(n);
    if (r == nullptr) return;
    RECT rc{};
    GetClientRect(r->window, &rc);
    const int w = rc.right, h = rc.bottom;
    if (r->captionDrawn && show) SetFrameRegion(r->window);
    r->background = FrameSurface(w, h);
    SetPropertyAs(r->window, kCk_Ycjdx, r->background.previous());
    SetPropertyAs(r->window, kCk_wtjbdx, r->background.bitmap());
    {
        // Deleted before the surface is read or blitted.
        PaintPicture(r->background.dc(), *r, w, h);
        fgp::Graphics g(r->background.dc());
        PaintBackground(g, *r, w, h);
        if (r->captionDrawn) {
            // An overlay goes under the frame lines, so they cannot come with the cached picture.
            if (r->overlayColour >= 0 || r->overlayBelowCaption) PaintFrameLines(g, w, h);
            RebuildCache(r->captionCache, r->background, 0, 0, w, r->captionHeight);
            if (r->drawTitle) DrawTitle(g, *r, w, nullptr);
            for (std::size_t i = 0; i < r->buttons.size(); ++i) DrawButton(g, *r, static_cast<int>(i), 0);
        }
    }
    r->composite = FrameSurface(w, h);
    BitBlt(r->composite.dc(), 0, 0, w, h, r->background.dc(), 0, 0, SRCCOPY);
    r->dirty = false;
    r->lastWidth = w;
    r->lastHeight = h;
    if (!show) return;
    HDC dc = paintDc != nullptr ? paintDc : GetDC(r->window);
    ShowBackground(n, dc);
    if (paintDc == nullptr) ReleaseDC(r->window, dc);
    for (HWND c = FindWindowExA(r->window, nullptr, nullptr, nullptr); c != nullptr;
         c = FindWindowExA(r->window, c, nullptr, nullptr))
        if (GetProperty(c, kHw_FuID) == n) InvalidateRect(c, nullptr, TRUE);
}

void PaintTitle(int n, const std::string* text) {
    SkinRecord* r = RecordAt(n);
    if (r == nullptr || !r->background) return;
    const int w = r->lastWidth;
    const int tw = static_cast<int>(TitleWidth(*r, w));
    RestoreFromCaptionCache(*r, 9, 4, 9 + tw, 4 + 42);
    {
        fgp::Graphics g(r->background.dc());
        DrawTitle(g, *r, w, text);
    }
    HDC dc = GetDC(r->window);
    const int saved = SaveDC(dc);
    ExcludeChildren(r->window, dc, r->lastWidth, r->lastHeight, false);
    BitBlt(dc, 9, 4, tw, 42, r->background.dc(), 9, 4, SRCCOPY);
    RestoreDC(dc, saved);
    ReleaseDC(r->window, dc);
}

void PaintCaptionButton(int n, int button, bool pressed, int alpha) {
    SkinRecord* r = RecordAt(n);
    if (r == nullptr || !r->background || button < 1 || button > static_cast<int>(r->buttons.size())) return;
    const int i = button - 1;
    {
        fgp::Graphics g(r->background.dc());
        if (pressed)
            DrawPressedButton(g, *r, i);
        else
            DrawButton(g, *r, i, alpha);
    }
    const CaptionButton& b = r->buttons[static_cast<std::size_t>(i)];
    CopyToWindow(*r, static_cast<int>(b.hit.x) - 2, static_cast<int>(r->strip.y) + 1, b.width + 2, b.height + 1);
}

}  // namespace skin
