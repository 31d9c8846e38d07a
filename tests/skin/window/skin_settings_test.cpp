// SetSkinBackground and ControlSkinOptions: which settings each call form changes.
#include "skin/window/skin_settings.h"
#include "skin_window_fixture.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

// A 4 x 4 BMP of one colour (0x00BBGGRR).
Bytes OneColourPicture(Colour c) {
    Bytes b(54 + 4 * 4 * 3, 0);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 4);
    put32(22, 4);
    b[26] = 1;
    b[28] = 24;
    for (int i = 0; i < 16; ++i) {
        b[54 + i * 3] = static_cast<unsigned char>(c >> 16);
        b[55 + i * 3] = static_cast<unsigned char>(c >> 8);
        b[56 + i * 3] = static_cast<unsigned char>(c);
    }
    return b;
}

class Background : public ::testing::Test {
protected:
    static void SetUpTestSuite() { SkinStartUp(GetModuleHandleA(nullptr)); }
    void SetUp() override {
        Settings().backgroundImage.clear();
        Settings().baseColour = 0;
        Settings().backgroundMode = 0;
    }
};

TEST_F(Background, CallForms) {
    const Bytes picture = OneColourPicture(0x336699);
    struct Case {
        const char* what;
        Bytes bytes;
        std::optional<Colour> base, theme;
        std::optional<int> mode;
        Colour wantTheme, wantBase;
        int wantMode;
        bool wantPicture;
    };
    const Case cases[] = {
        {"the windows' call", picture, std::nullopt, 0xFF8800, 3, 0xFF8800, 0x336699, 3, true},
        {"theme from the picture", picture, std::nullopt, -1, 3, 0x336699, 0x336699, 3, true},
        {"given base wins", picture, 0x010203, 0xFF8800, std::nullopt, 0xFF8800, 0x010203, 4, true},
        {"nothing to set", {}, std::nullopt, std::nullopt, std::nullopt, 0xDDCA22, 0, 0, false},
        {"base colour only", {}, 0x112233, -1, std::nullopt, 0x112233, 0x112233, 0, false},
    };
    for (const Case& c : cases) {
        SetUp();
        SetSkinBackground("", c.bytes, c.base, c.theme, c.mode);
        const SkinSettings& s = Settings();
        EXPECT_EQ(s.themeColour, c.wantTheme) << c.what;
        EXPECT_EQ(s.baseColour, c.wantBase) << c.what;
        EXPECT_EQ(s.backgroundMode, c.wantMode) << c.what;
        EXPECT_EQ(!s.backgroundImage.empty(), c.wantPicture) << c.what;
    }
}

TEST(ControlSkinOptionsCall, Switches) {
    struct Case { bool veilSwitch, trackSwitch; int wantVeil; bool wantBackgrounds; int wantTrack; };
    const Case cases[] = {
        {true, false, 100, true, 1},  // the windows' call
        {false, false, 160, false, 1},
        {true, true, 100, true, 0},
    };
    for (const Case& c : cases) {
        ControlSkinOptions(true, 100, c.veilSwitch, 0, c.trackSwitch);
        const ControlOptions& o = ControlSkinOptionsValues();
        EXPECT_TRUE(o.controlsSkinned);
        EXPECT_EQ(o.veilAlpha, c.wantVeil);
        EXPECT_EQ(o.backgroundsSkinned, c.wantBackgrounds);
        EXPECT_EQ(o.trackBarOption, c.wantTrack);
    }
}

}  // namespace
}  // namespace skin
