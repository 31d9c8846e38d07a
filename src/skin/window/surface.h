// Off-screen surfaces: a memory DC with a 32-bit DIB section selected into it, and the process-wide
// registry that owns them so that a surface is released by its DC alone.
#pragma once

#include "skin/graphics/gdi_handles.h"

#include <cstdint>
#include <utility>

namespace skin {

// A 32-bit bottom-up DIB section (BI_RGB); bits receives its pixel memory when given.
GdiOwned<HBITMAP> MakeDib(int width, int height, void** bits = nullptr);

// Row of pixel row y in a bottom-up DIB of that height.
constexpr int DibRow(int height, int y) { return height - 1 - y; }

class Surface {
public:
    Surface() = default;
    Surface(int width, int height);
    // Adopts a triple made elsewhere: the DC, its selected bitmap and the bitmap it held before.
    Surface(HDC dc, HBITMAP bitmap, HBITMAP previous) noexcept;
    ~Surface();
    Surface(Surface&& other) noexcept;
    Surface& operator=(Surface&& other) noexcept;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const noexcept { return dc_; }
    HBITMAP bitmap() const noexcept { return bitmap_; }
    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }
    explicit operator bool() const noexcept { return dc_ != nullptr && bits_ != nullptr; }
    // 0xAARRGGBB of pixel (x, y) counted from the top; GDI leaves the alpha byte undefined.
    std::uint32_t& Pixel(int x, int y) noexcept { return bits_[DibRow(height_, y) * width_ + x]; }
    std::uint32_t Pixel(int x, int y) const noexcept { return bits_[DibRow(height_, y) * width_ + x]; }
    std::uint32_t* bits() const noexcept { return bits_; }

private:
    void Free() noexcept;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HBITMAP previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0, height_ = 0;
};

// Creates a registered surface and returns its DC (null on failure).
HDC CreateSurface(int width, int height);
// Enters a triple made by the caller; the registry then owns all three.
void RegisterSurface(HDC dc, HBITMAP bitmap, HBITMAP previous);
// 1 when the DC was registered (the surface is freed), 0 otherwise.
int ReleaseSurface(HDC dc);
// The registered surface of a DC, or null.
Surface* FindSurface(HDC dc);
int RegisteredSurfaceCount();

}  // namespace skin
