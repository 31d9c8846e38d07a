// Skin start-up, the process-wide settings and the background of all skinned windows.
#include "skin/window/skin_settings.h"

#include "skin/window/frame.h"
#include "skin/window/frame_gdip.h"
#include "skin/window/skin_table.h"

#include <objidl.h>
#include <gdiplus.h>

namespace skin {

SkinSettings& Settings() {
    static SkinSettings settings;
    return settings;
}

ControlOptions& ControlSkinOptionsValues() {
    static ControlOptions options;
    return options;
}

bool SkinStartUp(HINSTANCE instance) {
    SkinSettings& s = Settings();
    if (s.gdiplusToken == 0) {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&s.gdiplusToken, &input, nullptr);
    }
    s.applicationIcon = LoadIconA(instance, MAKEINTRESOURCEA(129));
    if (s.applicationIcon == nullptr) s.applicationIcon = LoadIconA(instance, "DEFAULT_ICON");
    s.firstSize = true;
    s.themeColour = 0xDDCA22;
    ControlOptions& c = ControlSkinOptionsValues();
    c.controlsSkinned = true;
    c.veilAlpha = 160;
    c.trackBarOption = 1;
    return s.gdiplusToken != 0;
}

void SkinShutDown() {
    SkinSettings& s = Settings();
    if (s.gdiplusToken != 0) Gdiplus::GdiplusShutdown(s.gdiplusToken);
    s.gdiplusToken = 0;
}

namespace {

Bytes ReadWholeFile(const std::string& path) {
    Bytes bytes;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return bytes;
    const DWORD size = GetFileSize(f, nullptr);
    if (size != INVALID_FILE_SIZE) {
        bytes.resize(size);
        DWORD got = 0;
        if (!ReadFile(f, bytes.data(), size, &got, nullptr)) got = 0;
        bytes.resize(got);
    }
    CloseHandle(f);
    return bytes;
}

void RefreshVisibleSkins() {
    for (std::size_t i = 0; i < Skins().size(); ++i) {
        SkinRecord* rec = Skins()[i].get();
        if (rec == nullptr || !IsWindowVisible(rec->window)) continue;
        FullRepaint(static_cast<int>(i) + 1, nullptr, false);
        InvalidateRect(rec->window, nullptr, FALSE);
        for (HWND c = FindWindowExA(rec->window, nullptr, nullptr, nullptr); c != nullptr;
             c = FindWindowExA(rec->window, c, nullptr, nullptr))
            if (IsWindowVisible(c)) InvalidateRect(c, nullptr, TRUE);
    }
}

}  // namespace

void SetSkinBackground(const std::string& picturePath, const Bytes& pictureBytes, std::optional<Colour> baseColour,
                       std::optional<Colour> themeColour, std::optional<int> mode) {
    SkinSettings& s = Settings();
    const bool themeFromBase = themeColour && *themeColour == -1;
    if (!themeFromBase) s.themeColour = themeColour ? *themeColour : 0xDDCA22;
    if (picturePath.empty() && pictureBytes.empty() && !baseColour) return;
    if (!picturePath.empty() || !pictureBytes.empty()) {
        // A file wins over bytes; it is kept as bytes so every paint decodes the same picture.
        const Bytes picture = picturePath.empty() ? pictureBytes : ReadWholeFile(picturePath);
        s.baseColour = baseColour ? *baseColour : AverageColour(picture, 2000);
        if (themeFromBase) s.themeColour = s.baseColour;
        s.backgroundMode = mode ? *mode : 4;
        s.backgroundImage = (s.backgroundMode == 0 || s.backgroundMode == 1)
                                ? BlendedPicture(picture, s.baseColour, s.backgroundMode)
                                : picture;
    } else {
        s.backgroundImage.clear();
        s.baseColour = *baseColour;
        if (themeFromBase) s.themeColour = s.baseColour;
    }
    ++s.backgroundGeneration;
    RefreshVisibleSkins();
}

void ControlSkinOptions(bool controlsSkinned, int veilAlpha, bool useVeilAlpha, int trackBarOption,
                        bool useTrackBarOption) {
    ControlOptions& c = ControlSkinOptionsValues();
    c.controlsSkinned = controlsSkinned;
    c.veilAlpha = useVeilAlpha ? veilAlpha : 160;
    c.backgroundsSkinned = useVeilAlpha;
    c.trackBarOption = useTrackBarOption ? trackBarOption : 1;
}

}  // namespace skin
