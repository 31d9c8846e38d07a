// The embedded pictures (complete PNG/JPEG files kept as bytes, decoded on each use), their sizes,
// and the pictures derived from them: the average colour and the blended background.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace skin {

enum class Picture {
    kBackground,   // JPEG 640 x 480
    kHelp,         // caption button kind 4, PNG 26 x 18
    kMainMenu,     // kind 3
    kMinimise,     // kind 2
    kMaximise,     // kind 1
    kRestore,      // kind 1 while maximised
    kClose,        // kind 0, PNG 38 x 18
    kDialogClose,  // dialogs and message boxes, PNG 38 x 18
    kCheckMark,    // PNG 13 x 12
    kArrowUp,      // PNG 7 x 4
    kArrowDown,
    kArrowLeft,    // PNG 4 x 7
    kArrowRight,
};

struct PictureSize {
    int width = 0, height = 0;
};

constexpr PictureSize PictureSizeOf(Picture p) {
    switch (p) {
    case Picture::kBackground: return {640, 480};
    case Picture::kClose:
    case Picture::kDialogClose: return {38, 18};
    case Picture::kCheckMark: return {13, 12};
    case Picture::kArrowUp:
    case Picture::kArrowDown: return {7, 4};
    case Picture::kArrowLeft:
    case Picture::kArrowRight: return {4, 7};
    default: return {26, 18};
    }
}

// Resource id of the picture (resource_ids.h).
int PictureResourceId(Picture p);
// The bytes of an RCDATA resource of this program; empty when it is missing.
std::span<const std::uint8_t> EmbeddedBytes(int resourceId);
// The bytes embedded in this program; empty when the resource is missing.
std::span<const std::uint8_t> PictureBytes(Picture p);

// Windows colour averaged over `samples` pixels; the skin passes 2000, 0, 0.
std::uint32_t AverageColour(std::span<const std::uint8_t> picture, int samples = 2000, int rightStrip = 0,
                            int bottomStrip = 0);
// The same for a picture file (GBK path).
std::uint32_t AverageColourOfFile(const std::string& path, int samples = 2000, int rightStrip = 0,
                                  int bottomStrip = 0);

// Background modes 0 and 1: the picture with bands fading into the base colour, as PNG bytes.
// variant 0: right and bottom bands; variant 1: left and bottom bands. Band width defaults to 30 %
// of the picture width. Empty when the picture does not decode.
std::vector<std::uint8_t> BlendedPicture(std::span<const std::uint8_t> picture, std::uint32_t baseColour,
                                         int variant, std::optional<int> bandWidth = std::nullopt);

}  // namespace skin
