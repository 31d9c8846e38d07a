// The extra-sites window: what it opens with, the confirm and cancel rules, url.txt, and the
// extra-sites text read at start-up.
#include <gtest/gtest.h>

#include "app/extra_sites_window.h"
#include "app/file_io.h"
#include "app_fixture.h"

namespace apptest {
namespace {

// Found once shown, when its created handler has filled it.
HWND WaitForExtraSitesWindow() {
    for (int i = 0; i < 1000; ++i) {
        HWND w = FindWindowA(app::kExtraSitesWindowClass, nullptr);
        if (w != nullptr && IsWindowVisible(w)) return w;
        Sleep(5);
    }
    return nullptr;
}

struct Visit {
    std::string openedWith;
    bool stayedOpenAfterConfirm = false;
};

class ExtraSitesTest : public MainWindowTest {
protected:
    // Ticks 选择框1 (unticking it first), types text into the window and confirms; cancels if the
    // window stays open. With cancel, cancels right away after typing.
    Visit OpenAndConfirm(const std::string& text, bool cancel = false) {
        Visit visit;
        if (Ticked(app::kIdOtherSites)) Click(app::kIdOtherSites);  // unticking opens nothing
        std::thread driver([&] {
            HWND w = nullptr;
            w = WaitForExtraSitesWindow();
            if (w == nullptr) return;
            char opened[4096] = {};
            GetDlgItemTextA(w, app::kIdSitesEdit, opened, sizeof opened);
            visit.openedWith = opened;
            SendDlgItemMessageA(w, app::kIdSitesEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            const int button = cancel ? app::kIdCancelButton : app::kIdConfirmButton;
            PostMessageA(w, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(w, button)));
            // Long enough for a message box to come and be closed by the closer.
            for (int i = 0; i < 100 && IsWindow(w); ++i) Sleep(10);
            Sleep(100);
            if (!IsWindow(w)) return;
            visit.stayedOpenAfterConfirm = true;
            PostMessageA(w, WM_COMMAND, MAKEWPARAM(app::kIdCancelButton, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(w, app::kIdCancelButton)));
        });
        Click(app::kIdOtherSites);  // returns when the window is gone
        driver.join();
        EXPECT_TRUE(Ticked(app::kIdOtherSites));
        EXPECT_TRUE(IsWindowEnabled(main_));
        return visit;
    }
    std::string UrlFile() const {
        const std::optional<std::string> content = app::ReadWholeFile(directory_ + "\\url.txt");
        return content ? *content : std::string("<missing>");
    }
};

TEST_F(ExtraSitesTest, ConfirmRules) {
    struct Case {
        const char* what;
        std::string text;
        std::string boxTitle, boxText;  // empty: no box
        bool staysOpen;
        std::string urlFile, extraSites;  // afterwards
    };
    const Case cases[] = {
        {"two domains", "a.com;b.com", "", "", false, "a.com;b.com", "a.com;b.com"},
        {"ends with a separator", "c.com;d.com;", "信息：", "请不用分号结尾！", true, "a.com;b.com", "a.com;b.com"},
        {"space after the separator", "c.com;d.com; ", "", "", false, "c.com;d.com; ", "c.com;d.com; "},
        {"empty", "", "提示", "请输入内容！", true, "c.com;d.com; ", "c.com;d.com; "},
        {"a single space", " ", "", "", false, " ", " "},
        {"two lines", "e.com\r\nf.com", "", "", false, "e.com\r\nf.com", "e.com\r\nf.com"},
    };
    std::string previous;  // what the window opens with: the last confirmed text
    for (const Case& c : cases) {
        MessageBoxCloser closer;
        const Visit visit = OpenAndConfirm(c.text);
        EXPECT_EQ(visit.openedWith, previous) << c.what;
        EXPECT_EQ(visit.stayedOpenAfterConfirm, c.staysOpen) << c.what;
        const auto seen = closer.Seen();
        if (c.boxText.empty()) {
            EXPECT_TRUE(seen.empty()) << c.what;
        } else {
            ASSERT_EQ(seen.size(), 1u) << c.what;
            EXPECT_EQ(seen[0].title, c.boxTitle) << c.what;
            EXPECT_EQ(seen[0].text, c.boxText) << c.what;
        }
        EXPECT_EQ(UrlFile(), c.urlFile) << c.what;
        EXPECT_EQ(app::ExtraSitesText(), c.extraSites) << c.what;
        previous = app::ExtraSitesText();
    }
}

TEST_F(ExtraSitesTest, CancelKeepsTextAndFile) {
    OpenAndConfirm("a.com;b.com");
    const Visit visit = OpenAndConfirm("changed.com", true);
    EXPECT_EQ(visit.openedWith, "a.com;b.com");
    EXPECT_FALSE(visit.stayedOpenAfterConfirm);
    EXPECT_EQ(UrlFile(), "a.com;b.com");
    EXPECT_EQ(app::ExtraSitesText(), "a.com;b.com");
    EXPECT_EQ(OpenAndConfirm("x.com", true).openedWith, "a.com;b.com");
}

TEST_F(ExtraSitesTest, FailedWriteKeepsTheOldFileAndIsReported) {
    OpenAndConfirm("a.com;b.com");
    // A folder where the new file would be put beside url.txt makes the write fail.
    ASSERT_TRUE(CreateDirectoryA((directory_ + "\\url.txt.new").c_str(), nullptr));
    MessageBoxCloser closer;
    const Visit visit = OpenAndConfirm("c.com");
    RemoveDirectoryA((directory_ + "\\url.txt.new").c_str());
    EXPECT_FALSE(visit.stayedOpenAfterConfirm);
    ASSERT_EQ(closer.Seen().size(), 1u);
    EXPECT_EQ(closer.Seen()[0].text, "url.txt 保存失败！");
    EXPECT_EQ(UrlFile(), "a.com;b.com");
    EXPECT_EQ(app::ExtraSitesText(), "c.com");  // used until the program ends
}

TEST_F(ExtraSitesTest, EscapeClosesTheWindowWithoutSaving) {
    OpenAndConfirm("a.com");
    Click(app::kIdOtherSites);
    std::thread driver([] {
        HWND w = nullptr;
        w = WaitForExtraSitesWindow();
        PostMessageA(GetDlgItem(w, app::kIdSitesEdit), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    Click(app::kIdOtherSites);
    driver.join();
    EXPECT_EQ(UrlFile(), "a.com");
    EXPECT_TRUE(IsWindow(main_));
}

TEST_F(ExtraSitesTest, HelpText) {
    MessageBoxCloser closer;
    if (Ticked(app::kIdOtherSites)) Click(app::kIdOtherSites);
    std::thread driver([] {
        HWND w = nullptr;
        w = WaitForExtraSitesWindow();
        PostMessageA(w, WM_COMMAND, MAKEWPARAM(app::kIdHelpButton, BN_CLICKED), 0);
        Sleep(300);
        PostMessageA(w, WM_COMMAND, MAKEWPARAM(app::kIdCancelButton, BN_CLICKED), 0);
    });
    Click(app::kIdOtherSites);
    driver.join();
    const auto seen = closer.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "帮助");
    EXPECT_EQ(seen[0].text.rfind("只需写入网址", 0), 0u);
}

TEST_F(ExtraSitesTest, StartUpReadsUrlFile) {
    struct Case {
        const char* what;
        std::optional<std::string> file;
        std::string want;
    };
    const Case cases[] = {
        {"missing", std::nullopt, ""},
        {"ends with a separator", std::string("a.com;b.com;"), "a.com;b.com;"},
        {"zero byte ends the text", std::string("a.com\0b.com", 11), "a.com"},
    };
    for (const Case& c : cases) {
        DeleteFileA("url.txt");
        if (c.file) {
            ASSERT_TRUE(app::WriteWholeFile("url.txt", *c.file));
        }
        app::ExtraSitesText() = "stale";
        app::LoadExtraSitesText();
        EXPECT_EQ(app::ExtraSitesText(), c.want) << c.what;
    }
    DeleteFileA("url.txt");
}

}  // namespace
}  // namespace apptest
