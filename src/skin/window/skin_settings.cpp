// Skin start-up, the process-wide settings and the background of all skinned windows.
#include "skin/window/skin_settings.h"

#include "skin/graphics/gp_base.h"
#include "skin/window/dc_utils.h"
#include "skin/window/frame.h"
#include "skin/window/pictures.h"
#include "skin/window/skin_table.h"

#include <memory>

namespace skin {

SkinSettings& Settings() {
    static SkinSettings settings;
    return settings;
}

ControlOptions& ControlSkinOptionsValues() {
    static ControlOptions options;
    return options;
}

namespace {

std::unique_ptr<gp::Session>& GdiplusSession() {
    static std::unique_ptr<gp::Session> session;
    return session;
}

std::optional<ClipLimit> LastPaintedSize(HWND window) {
    const int n = FindSkinByHandle(window);
    if (n < 1) return std::nullopt;
    const SkinRecord& r = *Skins()[static_cast<std::size_t>(n) - 1];
    return ClipLimit{r.lastWidth, r.lastHeight};
}

bool IsSkinnedWindow(HWND window) { return FindSkinByHandle(window) >= 1; }

}  // namespace

bool SkinStartUp(HINSTANCE instance) {
    SkinSettings& s = Settings();
    if (!GdiplusSession()) GdiplusSession() = std::make_unique<gp::Session>();
    SetChildClipQueries(&LastPaintedSize, &IsSkinnedWindow);
    s.applicationIcon = LoadIconA(instance, MAKEINTRESOURCEA(129));
    if (s.applicationIcon == nullptr) s.applicationIcon = LoadIconA(instance, "DEFAULT_ICON");
    s.firstSize = true;
    s.themeColour = 0xDDCA22;
    ControlOptions& c = ControlSkinOptionsValues();
    c.controlsSkinned = true;
    c.veilAlpha = 160;
    c.trackBarOption = 1;
    return GdiplusSession()->ok();
}

void SkinShutDown() { GdiplusSession().reset(); }

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
        s.baseColour = baseColour ? *baseColour : static_cast<Colour>(AverageColour(picture));
        if (themeFromBase) s.themeColour = s.baseColour;
        s.backgroundMode = mode ? *mode : 4;
        s.backgroundImage = (s.backgroundMode == 0 || s.backgroundMode == 1)
                                ? BlendedPicture(picture, static_cast<std::uint32_t>(s.baseColour), s.backgroundMode)
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
