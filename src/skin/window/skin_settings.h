// Process-wide skin settings, the skin start-up and the background every skinned window shows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace skin {

using Bytes = std::vector<unsigned char>;
using Colour = long;  // 0x00BBGGRR; -1 means none

struct SkinSettings {
    Colour themeColour = 0xDDCA22;
    Colour baseColour = 0;
    int backgroundMode = 0;
    Bytes backgroundImage;
    int backgroundGeneration = 0;  // counts changes of the background, for caches of it
    int frameBorder = 0;
    HICON applicationIcon = nullptr;
    bool firstSize = true;
};

// Options that switch the control skin on, set by each window before it is skinned.
struct ControlOptions {
    bool controlsSkinned = true;
    int veilAlpha = 160;
    bool backgroundsSkinned = false;
    int trackBarOption = 1;
};

SkinSettings& Settings();
ControlOptions& ControlSkinOptionsValues();

// Starts GDI+ and sets the defaults; returns false when GDI+ did not start. SkinShutDown ends GDI+:
// no skinned window may be left then.
bool SkinStartUp(HINSTANCE instance);
void SkinShutDown();

void SetSkinBackground(const std::string& picturePath, const Bytes& pictureBytes,
                       std::optional<Colour> baseColour = std::nullopt,
                       std::optional<Colour> themeColour = std::nullopt, std::optional<int> mode = std::nullopt);

void ControlSkinOptions(bool controlsSkinned, int veilAlpha, bool useVeilAlpha, int trackBarOption,
                        bool useTrackBarOption);

}  // namespace skin
