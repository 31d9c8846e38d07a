// Off-screen 32-bit surfaces and the registry that releases them by their DC.
#include "skin/window/surface.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace skin {

namespace {

// User-interface thread only, like every caller.
std::vector<std::unique_ptr<Surface>>& Registry() {
    static std::vector<std::unique_ptr<Surface>> registry;
    return registry;
}

}  // namespace

GdiOwned<HBITMAP> MakeDib(int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    GdiOwned<HBITMAP> dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (bits != nullptr) *bits = dib ? pixels : nullptr;
    return dib;
}

Surface::Surface(int width, int height) {
    if (width < 1 || height < 1) return;
    void* bits = nullptr;
    GdiOwned<HBITMAP> dib = MakeDib(width, height, &bits);
    MemoryDc dc(nullptr);
    if (!dib || dc.get() == nullptr) return;
    previous_ = static_cast<HBITMAP>(SelectObject(dc.get(), dib.get()));
    dc_ = dc.release();
    bitmap_ = dib.release();
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
}

Surface::Surface(HDC dc, HBITMAP bitmap, HBITMAP previous) noexcept : dc_(dc), bitmap_(bitmap), previous_(previous) {
    DIBSECTION section{};
    if (bitmap != nullptr && GetObjectA(bitmap, sizeof section, &section) == sizeof section &&
        section.dsBm.bmBitsPixel == 32) {
        bits_ = static_cast<std::uint32_t*>(section.dsBm.bmBits);
        width_ = section.dsBm.bmWidth;
        height_ = section.dsBm.bmHeight;
    }
}

Surface::~Surface() { Free(); }

Surface::Surface(Surface&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)),
      bitmap_(std::exchange(other.bitmap_, nullptr)),
      previous_(std::exchange(other.previous_, nullptr)),
      bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

Surface& Surface::operator=(Surface&& other) noexcept {
    if (this != &other) {
        Free();
        dc_ = std::exchange(other.dc_, nullptr);
        bitmap_ = std::exchange(other.bitmap_, nullptr);
        previous_ = std::exchange(other.previous_, nullptr);
        bits_ = std::exchange(other.bits_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

// A bitmap still selected into a DC cannot be deleted: select the old one back first.
void Surface::Free() noexcept {
    if (dc_ != nullptr && previous_ != nullptr) SelectObject(dc_, previous_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    if (dc_ != nullptr) DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = previous_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

HDC CreateSurface(int width, int height) {
    auto surface = std::make_unique<Surface>(width, height);
    if (!*surface) return nullptr;
    HDC dc = surface->dc();
    Registry().push_back(std::move(surface));
    return dc;
}

void RegisterSurface(HDC dc, HBITMAP bitmap, HBITMAP previous) {
    if (dc == nullptr || FindSurface(dc) != nullptr) return;
    Registry().push_back(std::make_unique<Surface>(dc, bitmap, previous));
}

int ReleaseSurface(HDC dc) {
    if (dc == nullptr) return 0;
    auto& registry = Registry();
    const auto it = std::find_if(registry.begin(), registry.end(), [dc](const auto& s) { return s->dc() == dc; });
    if (it == registry.end()) return 0;
    registry.erase(it);
    return 1;
}

Surface* FindSurface(HDC dc) {
    if (dc == nullptr) return nullptr;
    for (const auto& s : Registry())
        if (s->dc() == dc) return s.get();
    return nullptr;
}

int RegisteredSurfaceCount() { return static_cast<int>(Registry().size()); }

}  // namespace skin
