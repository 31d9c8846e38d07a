// Image and Bitmap over GpImage / GpBitmap. An image loaded from bytes keeps its stream until it
// is disposed: GDI+ reads the stream lazily.
#pragma once

#include "skin/graphics/gdi_handles.h"
#include "skin/graphics/gp_base.h"
#include "skin/graphics/gp_stream.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace skin::gp {

// The PNG image format identifier.
inline constexpr std::string_view kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr Gdiplus::PixelFormat kPixel32Argb = PixelFormat32bppARGB;  // 0x26200A

struct ImageFree {
    void operator()(GpImage* p) const noexcept { Gdiplus::DllExports::GdipDisposeImage(p); }
};

class Image : public Owned<GpImage, ImageFree> {
public:
    Image() = default;
    Image(Image&&) noexcept = default;
    Image& operator=(Image&&) noexcept = default;
    ~Image() { Dispose(); }

    // Load a complete PNG/JPEG/BMP file held in memory; false (and no image) when it does not decode.
    bool LoadFromBytes(std::span<const std::uint8_t> bytes);
    unsigned Width() const;
    unsigned Height() const;
    // Frees the image, then its stream.
    void Dispose() noexcept;
    // Encodes with the encoder of the format identifier given as text ("{...}"); an empty format
    // means the image's own raw format. Empty result on failure.
    std::vector<std::uint8_t> SaveToBytes(std::string_view format = kPngFormat);

protected:
    MemoryStream stream_;
};

class Bitmap : public Image {
public:
    Bitmap() = default;
    // An empty bitmap of that size (32-bit ARGB unless told), every pixel transparent black.
    Bitmap(int width, int height, Gdiplus::PixelFormat format = kPixel32Argb);

    bool CreateFromBytes(std::span<const std::uint8_t> bytes);
    bool CreateFromIcon(HICON icon);
    bool Create(int width, int height, Gdiplus::PixelFormat format = kPixel32Argb);
    // A 32-bit DIB section of the bitmap, translucent pixels mixed over the background colour.
    GdiOwned<HBITMAP> MakeGdiBitmap(Argb background);
    bool GetPixel(int x, int y, Argb& out);
    bool SetPixel(int x, int y, Argb colour);

    GpBitmap* nativeBitmap() const noexcept { return static_cast<GpBitmap*>(native()); }
};

}  // namespace skin::gp
