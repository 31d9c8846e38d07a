// The embedded pictures, their average colour and the blended background of modes 0 and 1.
#include "skin/window/pictures.h"

#include "skin/assets/resource_ids.h"
#include "skin/graphics/gp_graphics.h"
#include "skin/window/colour.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace skin {

int PictureResourceId(Picture p) {
    switch (p) {
    case Picture::kBackground: return IDR_PICTURE_BACKGROUND;
    case Picture::kHelp: return IDR_PICTURE_HELP;
    case Picture::kMainMenu: return IDR_PICTURE_MAIN_MENU;
    case Picture::kMinimise: return IDR_PICTURE_MINIMISE;
    case Picture::kMaximise: return IDR_PICTURE_MAXIMISE;
    case Picture::kRestore: return IDR_PICTURE_RESTORE;
    case Picture::kClose: return IDR_PICTURE_CLOSE;
    case Picture::kDialogClose: return IDR_PICTURE_DIALOG_CLOSE;
    case Picture::kCheckMark: return IDR_PICTURE_CHECK_MARK;
    case Picture::kArrowUp: return IDR_PICTURE_ARROW_UP;
    case Picture::kArrowDown: return IDR_PICTURE_ARROW_DOWN;
    case Picture::kArrowLeft: return IDR_PICTURE_ARROW_LEFT;
    case Picture::kArrowRight: return IDR_PICTURE_ARROW_RIGHT;
    }
    return 0;
}

std::span<const std::uint8_t> EmbeddedBytes(int resourceId) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found)};
}

std::span<const std::uint8_t> PictureBytes(Picture p) { return EmbeddedBytes(PictureResourceId(p)); }

std::uint32_t AverageColour(std::span<const std::uint8_t> picture, int samples, int rightStrip, int bottomStrip) {
    gp::Bitmap bitmap;
    if (!bitmap.CreateFromBytes(picture)) return 0;
    const SampleArea area = AverageSampleArea(static_cast<int>(bitmap.Width()), static_cast<int>(bitmap.Height()),
                                              rightStrip, bottomStrip);
    return AverageColourOf(area, samples, [&bitmap](int x, int y) {
        gp::Argb argb = 0;
        bitmap.GetPixel(x, y, argb);
        return FromArgb(argb).colour;
    });
}

std::uint32_t AverageColourOfFile(const std::string& path, int samples, int rightStrip, int bottomStrip) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return AverageColour(bytes, samples, rightStrip, bottomStrip);
}

std::vector<std::uint8_t> BlendedPicture(std::span<const std::uint8_t> picture, std::uint32_t baseColour,
                                         int variant, std::optional<int> bandWidth) {
    gp::Image source;
    if (!source.LoadFromBytes(picture)) return {};
    const int w = static_cast<int>(source.Width()), h = static_cast<int>(source.Height());
    gp::Bitmap result(w, h);
    if (!result) return {};
    const float b = static_cast<float>(bandWidth ? *bandWidth : w * 3 / 10);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    {
        gp::Graphics g(result);
        g.DrawImage(source, gp::RectF{0, 0, fw, fh});
        if (variant == 1) {
            gp::LinearGradientBrush left(0, 0, b, 0, ToArgb(baseColour), ToArgb(0xFFFFFF, 0));
            g.FillRectangle(left, {0, 0, b, fh});
        } else {
            gp::LinearGradientBrush right(fw - b, 0, fw, 0, ToArgb(0xFFFFFF, 0), ToArgb(baseColour));
            g.FillRectangle(right, {fw - b + 1, 0, b, fh});
        }
        gp::LinearGradientBrush bottom(0, fh - b, 0, fh, ToArgb(baseColour, 0), ToArgb(baseColour));
        g.FillRectangle(bottom, {0, fh - b + 1, fw, b});
    }
    return result.SaveToBytes(gp::kPngFormat);
}

}  // namespace skin
