// The skinned frame image: background, frame lines, region, caption, title and caption buttons.
#include "skin/window/frame.h"

#include "skin/graphics/gdi_handles.h"
#include "skin/graphics/gp_graphics.h"
#include "skin/window/colour.h"
#include "skin/window/dc_utils.h"
#include "skin/window/paths.h"
#include "skin/window/pictures.h"
#include "skin/window/properties.h"
#include "skin/window/skin_table.h"
#include "skin/window/text_effects.h"

#include <vector>

namespace skin {

namespace {

std::uint32_t Argb(Colour c, int alpha = 255) {
    return ToArgb(static_cast<std::uint32_t>(c), static_cast<std::uint8_t>(alpha));
}

gp::LinearGradientBrush Vertical(float x, float y1, float y2, std::uint32_t from, std::uint32_t to) {
    return gp::LinearGradientBrush(x, y1, x, y2, from, to);
}

void DrawButtonPicture(gp::Graphics& g, const SkinRecord& r, const CaptionButton& b, float x, float y, float w,
                       float h) {
    const bool restore = b.kind == kMaximiseButton && r.maximised;
    gp::Image img;
    if (img.LoadFromBytes(PictureBytes(restore ? b.secondPicture : b.picture))) g.DrawImage(img, {x, y, w, h});
}

void RestoreFromCaptionCache(const SkinRecord& r, int left, int top, int right, int bottom) {
    if (!r.captionCache || !r.background) return;
    BitBlt(r.background.dc(), left, top, right - left, bottom - top, r.captionCache.dc(), left, top, SRCCOPY);
}

void CopyToWindow(const SkinRecord& r, int x, int y, int w, int h) {
    const WindowDc dc(r.window);
    BitBlt(dc.get(), x, y, w, h, r.background.dc(), x, y, SRCCOPY);
}

void PaintFrameLines(gp::Graphics& g, int w, int h) {
    gp::Path outer, inner;
    RoundedRectPath(outer, 0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1), 7);
    g.DrawPath(gp::Pen(Argb(0x000000, 180), 2), outer);
    RoundedRectPath(inner, 1, 1, static_cast<float>(w - 3), static_cast<float>(h - 3), 6);
    g.DrawPath(gp::Pen(Argb(0xFFFFFF, 180), 1), inner);
}

// Decoding and stretching the picture and the anti-aliased frame lines are most of a full repaint;
// they are kept for the last size, picture and mode, so repaints at the same size only copy them.
struct PlacedPicture {
    Surface image;
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

void PlacePicture(gp::Graphics& g, const Bytes& picture, int mode, int w, int h) {
    gp::Image img;
    if (!img.LoadFromBytes(picture)) return;
    const auto iw = static_cast<float>(img.Width()), ih = static_cast<float>(img.Height());
    switch (mode) {
    case 1: g.DrawImage(img, static_cast<float>(w) - iw, 0); break;
    case 2: g.DrawImage(img, (static_cast<float>(w) - iw) / 2, (static_cast<float>(h) - ih) / 2); break;
    case 3: g.DrawImage(img, {0, 0, static_cast<float>(w), static_cast<float>(h)}); break;
    default: g.DrawImage(img, 0, 0); break;
    }
}

bool LinesComeWithPicture(const SkinRecord& r) {
    return r.captionDrawn && r.overlayColour < 0 && !r.overlayBelowCaption;
}

void PaintPicture(HDC target, const SkinRecord& r, int w, int h) {
    const SkinSettings& s = Settings();
    const bool own = !r.ownImage.empty();
    const Colour base = own ? r.ownBaseColour : s.baseColour;
    const Bytes& picture = own ? r.ownImage : s.backgroundImage;
    const int mode = own ? r.ownMode : s.backgroundMode;
    const void* owner = own ? &r : nullptr;
    const bool lines = LinesComeWithPicture(r);
    PlacedPicture& c = PlacedCache();
    if (!(c.image && c.owner == owner && c.generation == s.backgroundGeneration && c.width == w &&
          c.height == h && c.mode == mode && c.base == base && c.lines == lines)) {
        c.image = Surface(w, h);
        {
            gp::Graphics g(c.image.dc());
            g.Clear(Argb(base));
            if (!picture.empty()) PlacePicture(g, picture, mode, w, h);
            if (lines) {
                g.SetSmoothingMode();
                PaintFrameLines(g, w, h);
            }
        }
        c.owner = owner;
        c.generation = s.backgroundGeneration;
        c.width = w;
        c.height = h;
        c.mode = mode;
        c.base = base;
        c.lines = lines;
    }
    BitBlt(target, 0, 0, w, h, c.image.dc(), 0, 0, SRCCOPY);
}

void PaintOverlay(gp::Graphics& g, const SkinRecord& r, int w, int h) {
    const auto fw = static_cast<float>(w);
    if (r.overlayColour >= 0) {
        const float top = r.overlayBelowCaption ? static_cast<float>(r.captionHeight) : 0;
        g.FillRectangle(gp::SolidBrush(Argb(r.overlayColour, r.overlayAlpha)), {0, top, fw, static_cast<float>(h) - top});
    }
    if (r.overlayBelowCaption) {
        const auto ch = static_cast<float>(r.captionHeight);
        const bool white = r.overlayColour < 1;
        const Colour c = white ? 0xFFFFFF : r.overlayColour;
        const int a1 = white ? 150 : static_cast<int>(r.overlayAlpha * 0.2), a2 = white ? 0 : r.overlayAlpha;
        g.FillRectangle(Vertical(0, 0, ch, Argb(c, a1), Argb(c, a2)), {0, 0, fw, ch});
    }
}

float TitleWidth(const SkinRecord& r, int w) {
    return static_cast<float>(w) - r.strip.width - 10 - 2 * kFrameBorder;
}

void DrawTitle(gp::Graphics& g, const SkinRecord& r, int w, const std::string* text) {
    const int border = Settings().frameBorder;
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
    const gp::RectF layout{static_cast<float>(border + 6 + 20), static_cast<float>(border + 1 + 2), TitleWidth(r, w),
                           42};
    const auto size = static_cast<float>(r.fontSize);
    if (r.effectColour == -1) {
        const gp::Font font(r.fontFamily, size, r.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular);
        const gp::StringFormat format;
        g.DrawString(title, font, layout, &format, gp::SolidBrush(Argb(r.titleColour)));
    } else if (r.glow) {
        GlowText(g, layout, title, static_cast<std::uint32_t>(r.effectColour), static_cast<std::uint32_t>(r.titleColour),
                 4, r.fontFamily, size, r.bold);
    } else {
        OutlinedText(g, layout, title, static_cast<std::uint32_t>(r.titleColour),
                     static_cast<std::uint32_t>(r.effectColour), 1, r.fontFamily, size, r.bold);
    }
}

void ShapeOf(gp::Path& p, const CaptionButton& b, float x, float y, float w, float h) {
    if (b.kind == kCloseButton)
        TopRightRoundedPath(p, x, y, w, h, 5);
    else
        TopRoundedPath(p, x, y, w, h, 1);
}

void DrawHotHighlight(gp::Graphics& g, const SkinRecord& r, const CaptionButton& b, float x, float y, float w,
                      float h, int a) {
    RestoreFromCaptionCache(r, static_cast<int>(x) - 1, static_cast<int>(y), static_cast<int>(x - 1 + w + 2),
                            static_cast<int>(y + h + 1));
    if (a <= 0) return;  // every layer would be fully transparent
    gp::Path shape, outline;
    ShapeOf(shape, b, x, y, w, h);
    g.FillPath(Vertical(x, y, y + h + 1, Argb(0, a / 5), Argb(0xFFFFFF, 0)), shape);
    const Colour accent = b.kind == kCloseButton ? 0x0000FF : Settings().themeColour;
    g.FillPath(Vertical(x, y, y + h + 1, Argb(accent, a), Argb(0xFFFFFF, 0)), shape);
    ShapeOf(outline, b, x, y, w - 1, h * 0.8f);
    const gp::LinearGradientBrush edge = Vertical(x, y, y + h + 1, Argb(0xFFFFFF, static_cast<int>(a * 0.8)),
                                                  Argb(0xFFFFFF, 0));
    g.DrawPath(gp::Pen(edge, 1), outline);
}

void DrawSeparator(gp::Graphics& g, const SkinRecord& r, int index) {
    const auto x = static_cast<float>(static_cast<int>(r.buttons[static_cast<std::size_t>(index)].hit.x - 2));
    const float y0 = r.strip.y + 1, y1 = r.strip.y + r.strip.height - 4;
    const gp::LinearGradientBrush b = Vertical(x, r.strip.y, r.strip.y + r.strip.height - 3,
                                               Argb(0, index == 0 ? 100 : 60), Argb(0, 0));
    g.DrawLine(gp::Pen(b, 1), x, y0, x, y1);
}

// One button in its normal or hot look (alpha 0..240) onto the background surface.
void DrawButton(gp::Graphics& g, const SkinRecord& r, int index, int alpha) {
    const CaptionButton& b = r.buttons[static_cast<std::size_t>(index)];
    const float x = b.hit.x - 1, y = r.strip.y + 1, w = static_cast<float>(b.width), h = static_cast<float>(b.height);
    DrawHotHighlight(g, r, b, x, y, w, h, alpha);
    g.FillRectangle(Vertical(x, y, y + h, Argb(0xFFFFFF, 50), Argb(0, 0)), {x - 1, y, w + 1, h - 1});
    DrawButtonPicture(g, r, b, x, y, w, h);
    DrawSeparator(g, r, index);
}

void DrawPressedButton(gp::Graphics& g, const SkinRecord& r, int index) {
    const CaptionButton& b = r.buttons[static_cast<std::size_t>(index)];
    const float x = b.hit.x - 1, y = r.strip.y + 1, w = static_cast<float>(b.width), h = static_cast<float>(b.height);
    RestoreFromCaptionCache(r, static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + w),
                            static_cast<int>(y + h));
    gp::Path shape;
    const bool close = b.kind == kCloseButton;
    if (close)
        TopRightRoundedPath(shape, x, y, w, h, 5);
    else
        shape.AddRectangle(x, y, w, h);
    g.FillPath(close ? Vertical(x, y, y + h, Argb(0x0000FF), Argb(0xFFFFFF, 30))
                     : Vertical(x, y, y + h, Argb(0, 80), Argb(0xFFFFFF, 5)),
               shape);
    DrawButtonPicture(g, r, b, x, y, w - 1, h);
}

void RebuildCache(Surface& cache, const Surface& from, int x, int y, int w, int h) {
    cache = Surface(w, h);
    BitBlt(cache.dc(), 0, 0, w, h, from.dc(), x, y, SRCCOPY);
}

// The window DC that leaves children alone, through the paint DC when there is one.
void BlitWithoutChildren(HWND hwnd, HDC paintDc, const Surface& from, int x, int y, int w, int h) {
    HDC dc = paintDc != nullptr ? paintDc : GetDC(hwnd);
    {
        const SavedDc saved(dc);
        WindowDcWithoutChildren(hwnd, dc);
        BitBlt(dc, x, y, w, h, from.dc(), x, y, SRCCOPY);
    }
    if (paintDc == nullptr) ReleaseDC(hwnd, dc);
}

}  // namespace

void SetFrameRegion(HWND hwnd) {
    RECT rc{}, box{};
    GetClientRect(hwnd, &rc);
    // Setting a region again costs a round trip to the display: keep one that already fits.
    const GdiOwned<HRGN> current(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(hwnd, current.get()) != ERROR && GetRgnBox(current.get(), &box) != ERROR &&
        box.right == rc.right && box.bottom == rc.bottom)
        return;
    SetWindowRgn(hwnd, nullptr, TRUE);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(hwnd, &rc);
    // The window owns the region once it is set: deleting it then would break the window's shape.
    GdiOwned<HRGN> region(CreateRoundRectRgn(0, 0, rc.right + 1, rc.bottom + 1, 5, 5));
    if (SetWindowRgn(hwnd, region.get(), TRUE) != 0) region.release();
}

void ExcludeUnskinnedChildren(HWND hwnd, HDC dc) {
    for (HWND c = FindWindowExA(hwnd, nullptr, nullptr, nullptr); c != nullptr; c = FindWindowExA(hwnd, c, nullptr, nullptr)) {
        if (!IsWindowVisible(c) || GetProperty(c, kHw_FuID) != 0) continue;
        const RECT r = ChildOffset(c);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

void ShowBackground(int n, HDC dc) {
    SkinRecord* r = RecordAt(n);
    if (r == nullptr || !r->background) return;
    BlitWithoutChildren(r->window, dc, r->background, 0, 0, r->background.width(), r->background.height());
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
    for (std::size_t i = 0; i < r->buttons.size(); ++i) {
        r->buttons[i].hit = layout.hits[i];
        const FloatRect& h = layout.hits[i];
        const RECT tool{static_cast<LONG>(h.x), static_cast<LONG>(h.y), static_cast<LONG>(h.x + h.width),
                        static_cast<LONG>(h.y + h.height)};
        if (r->tooltip.window() != nullptr) r->tooltip.NewToolRect(static_cast<UINT>(i) + 1, tool);
    }
}

void FullRepaint(int n, HDC paintDc, bool show) {
    SkinRecord* r = RecordAt(n);
    if (r == nullptr) return;
    RECT rc{};
    GetClientRect(r->window, &rc);
    const int w = rc.right, h = rc.bottom;
    if (r->captionDrawn && show) SetFrameRegion(r->window);
    r->background = Surface(w, h);
    SetPropertyAs(r->window, kCk_wtjbdx, r->background.bitmap());
    PaintPicture(r->background.dc(), *r, w, h);
    {
        // Deleted before the surface is read or blitted.
        gp::Graphics g(r->background.dc());
        g.SetSmoothingMode();
        PaintOverlay(g, *r, w, h);
        if (r->captionDrawn) {
            // An overlay goes under the frame lines, so then they cannot come with the kept picture.
            if (!LinesComeWithPicture(*r)) PaintFrameLines(g, w, h);
            RebuildCache(r->captionCache, r->background, 0, 0, w, r->captionHeight);
            if (r->drawTitle) DrawTitle(g, *r, w, nullptr);
            for (std::size_t i = 0; i < r->buttons.size(); ++i) DrawButton(g, *r, static_cast<int>(i), 0);
        }
    }
    r->composite = Surface(w, h);
    BitBlt(r->composite.dc(), 0, 0, w, h, r->background.dc(), 0, 0, SRCCOPY);
    r->dirty = false;
    r->lastWidth = w;
    r->lastHeight = h;
    if (!show) return;
    ShowBackground(n, paintDc);
    for (HWND c = FindWindowExA(r->window, nullptr, nullptr, nullptr); c != nullptr;
         c = FindWindowExA(r->window, c, nullptr, nullptr))
        if (GetProperty(c, kHw_FuID) == n) Invalidate(c, true);
}

void PaintTitle(int n, const std::string* text) {
    SkinRecord* r = RecordAt(n);
    if (r == nullptr || !r->background) return;
    const int tw = static_cast<int>(TitleWidth(*r, r->lastWidth));
    RestoreFromCaptionCache(*r, 9, 4, 9 + tw, 4 + 42);
    {
        gp::Graphics g(r->background.dc());
        g.SetSmoothingMode();
        DrawTitle(g, *r, r->lastWidth, text);
    }
    BlitWithoutChildren(r->window, nullptr, r->background, 9, 4, tw, 42);
}

void PaintCaptionButton(int n, int button, bool pressed, int alpha) {
    SkinRecord* r = RecordAt(n);
    if (r == nullptr || !r->background || button < 1 || button > static_cast<int>(r->buttons.size())) return;
    const int i = button - 1;
    {
        gp::Graphics g(r->background.dc());
        g.SetSmoothingMode();
        if (pressed)
            DrawPressedButton(g, *r, i);
        else
            DrawButton(g, *r, i, alpha);
    }
    const CaptionButton& b = r->buttons[static_cast<std::size_t>(i)];
    CopyToWindow(*r, static_cast<int>(b.hit.x) - 2, static_cast<int>(r->strip.y) + 1, b.width + 2, b.height + 1);
}

}  // namespace skin
