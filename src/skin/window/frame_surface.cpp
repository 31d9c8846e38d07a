// Off-screen images of a skinned window.
#include "skin/window/frame_surface.h"

namespace skin {

FrameSurface::FrameSurface(int width, int height) noexcept {
    if (width < 1) width = 1;
    if (height < 1) height = 1;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down: row y is at y
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bmp == nullptr) return;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) {
        DeleteObject(bmp);
        return;
    }
    dc_ = dc;
    bitmap_ = bmp;
    previous_ = static_cast<HBITMAP>(SelectObject(dc, bmp));
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
}

FrameSurface& FrameSurface::operator=(FrameSurface&& o) noexcept {
    if (this != &o) {
        Reset();
        dc_ = o.dc_;
        bitmap_ = o.bitmap_;
        previous_ = o.previous_;
        bits_ = o.bits_;
        width_ = o.width_;
        height_ = o.height_;
        o.dc_ = nullptr;
        o.bitmap_ = o.previous_ = nullptr;
        o.bits_ = nullptr;
        o.width_ = o.height_ = 0;
    }
    return *this;
}

void FrameSurface::Reset() noexcept {
    if (dc_ != nullptr) {
        // A bitmap still selected into a DC cannot be deleted.
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    dc_ = nullptr;
    bitmap_ = previous_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

}  // namespace skin
