// The off-screen 32-bit images a skinned window keeps: a memory DC with a top-down DIB section
// selected into it. Move-only; releases in the order GDI needs (old bitmap back, DIB, DC).
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

class FrameSurface {
public:
    FrameSurface() = default;
    FrameSurface(int width, int height) noexcept;
    FrameSurface(const FrameSurface&) = delete;
    FrameSurface& operator=(const FrameSurface&) = delete;
    FrameSurface(FrameSurface&& o) noexcept { *this = static_cast<FrameSurface&&>(o); }
    FrameSurface& operator=(FrameSurface&& o) noexcept;
    ~FrameSurface() { Reset(); }

    void Reset() noexcept;
    explicit operator bool() const { return dc_ != nullptr; }
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    HBITMAP previous() const { return previous_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Pixel (x, y) as 0xAARRGGBB; rows are top-down.
    std::uint32_t* Row(int y) const { return bits_ + static_cast<std::size_t>(y) * width_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr, previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0, height_ = 0;
};

}  // namespace skin
