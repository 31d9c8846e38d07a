// Image and Bitmap over the GDI+ flat API.
#include "skin/graphics/gp_image.h"

#include <vector>

namespace skin::gp {

using namespace Gdiplus::DllExports;

namespace {

// The class id of the installed encoder for a format identifier ("{...}").
bool EncoderFor(const GUID& format, CLSID& out) {
    UINT count = 0, size = 0;
    if (GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    std::vector<std::uint8_t> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (IsEqualGUID(codecs[i].FormatID, format)) {
            out = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

bool Image::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    Dispose();
    MemoryStream stream = MemoryStream::FromBytes(bytes);
    if (!stream) return record(Gdiplus::InvalidParameter);
    GpImage* image = nullptr;
    if (!record(GdipLoadImageFromStream(stream.get(), &image))) return false;
    reset(image);
    stream_ = std::move(stream);
    return true;
}

unsigned Image::Width() const {
    UINT w = 0;
    if (native_ != nullptr) record(GdipGetImageWidth(native_, &w));
    return w;
}

unsigned Image::Height() const {
    UINT h = 0;
    if (native_ != nullptr) record(GdipGetImageHeight(native_, &h));
    return h;
}

void Image::Dispose() noexcept {
    reset();
    stream_.Release();
}

std::vector<std::uint8_t> Image::SaveToBytes(std::string_view format) {
    if (native_ == nullptr) return {};
    GUID formatId{};
    if (format.empty()) {
        if (!record(GdipGetImageRawFormat(native_, &formatId))) return {};
    } else {
        std::wstring text = Widen(format);
        if (CLSIDFromString(text.c_str(), &formatId) != NOERROR) return {};
    }
    CLSID encoder{};
    if (!EncoderFor(formatId, encoder)) {
        record(Gdiplus::UnknownImageFormat);
        return {};
    }
    MemoryStream out = MemoryStream::CreateEmpty();
    if (!out || !record(GdipSaveImageToStream(native_, out.get(), &encoder, nullptr))) return {};
    return out.ReadAll();
}

Bitmap::Bitmap(int width, int height, Gdiplus::PixelFormat format) { Create(width, height, format); }

bool Bitmap::CreateFromBytes(std::span<const std::uint8_t> bytes) {
    Dispose();
    MemoryStream stream = MemoryStream::FromBytes(bytes);
    if (!stream) return record(Gdiplus::InvalidParameter);
    GpBitmap* bitmap = nullptr;
    if (!record(GdipCreateBitmapFromStream(stream.get(), &bitmap))) return false;
    reset(bitmap);
    stream_ = std::move(stream);
    return true;
}

bool Bitmap::CreateFromIcon(HICON icon) {
    Dispose();
    GpBitmap* bitmap = nullptr;
    if (!record(GdipCreateBitmapFromHICON(icon, &bitmap))) return false;
    reset(bitmap);
    return true;
}

bool Bitmap::Create(int width, int height, Gdiplus::PixelFormat format) {
    Dispose();
    GpBitmap* bitmap = nullptr;
    if (!record(GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &bitmap))) return false;
    reset(bitmap);
    return true;
}

GdiOwned<HBITMAP> Bitmap::MakeGdiBitmap(Argb background) {
    HBITMAP out = nullptr;
    if (native_ == nullptr || !record(GdipCreateHBITMAPFromBitmap(nativeBitmap(), &out, background))) return {};
    return GdiOwned<HBITMAP>(out);
}

bool Bitmap::GetPixel(int x, int y, Argb& out) {
    Gdiplus::ARGB value = 0;
    if (native_ == nullptr || !record(GdipBitmapGetPixel(nativeBitmap(), x, y, &value))) return false;
    out = value;
    return true;
}

bool Bitmap::SetPixel(int x, int y, Argb colour) {
    return native_ != nullptr && record(GdipBitmapSetPixel(nativeBitmap(), x, y, colour));
}

}  // namespace skin::gp
