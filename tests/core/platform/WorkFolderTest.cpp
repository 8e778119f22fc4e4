// The work folder in the user's pictures folder, and the shell helpers that
// need no window.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QObject>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "platform/ProductInfo.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/ShellHelpers.h"
#include "platform/WorkFolder.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// A private home folder (and so pictures folder) for one test.
class WorkFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ClearSettings();
        const char* old = std::getenv("HOME");
        if (old)
            oldHome_ = old;
        setenv("HOME", home_.path().c_str(), 1);
        userDirs_ = std::string(std::getenv("XDG_CONFIG_HOME")) + "/user-dirs.dirs";
        fs::remove(userDirs_);
    }
    void TearDown() override {
        fs::remove(userDirs_);
        if (oldHome_)
            setenv("HOME", oldHome_->c_str(), 1);
        else
            unsetenv("HOME");
        testsupport::ClearSettings();
    }

    std::string Get() {
        return GetOutputFolderSetting(settings::kOption, settings::kPhotoOutputFolder, HomeFolder(),
                                      prompter_);
    }
    std::string Pictures() const { return home_.path() + "/Pictures/"; }

    testsupport::TempDir home_;
    std::optional<std::string> oldHome_;
    std::string userDirs_;
    RecordingPrompter prompter_;
};

TEST_F(WorkFolderTest, FirstStartCreatesTheFolderWithItsParents) {
    ASSERT_FALSE(fs::exists(Pictures()));
    EXPECT_EQ(Get(), Pictures() + "Quillmere/");
    EXPECT_TRUE(fs::is_directory(Pictures() + "Quillmere"));
    EXPECT_TRUE(prompter_.Prompts().empty());
}

TEST_F(WorkFolderTest, StoredFolderWinsButTheWorkFolderIsStillMade) {
    ASSERT_TRUE(SettingsStore::WriteString(settings::kOption, settings::kPhotoOutputFolder,
                                           "/srv/photos/out/"));
    EXPECT_EQ(Get(), "/srv/photos/out/");
    EXPECT_TRUE(fs::is_directory(Pictures() + "Quillmere"));
    EXPECT_TRUE(prompter_.Prompts().empty());
}

TEST_F(WorkFolderTest, ExistingReadOnlyFolderIsUsedSilently) {
    fs::create_directories(Pictures() + "Quillmere");
    fs::permissions(Pictures() + "Quillmere", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(Get(), Pictures() + "Quillmere/");
    EXPECT_TRUE(prompter_.Prompts().empty());
    fs::permissions(Pictures() + "Quillmere", fs::perms::owner_all);
}

TEST_F(WorkFolderTest, PlainFileInTheWayFallsBackToThePicturesFolder) {
    fs::create_directories(Pictures());
    std::ofstream(Pictures() + "Quillmere") << "not a folder";
    EXPECT_EQ(Get(), Pictures());
    auto prompts = prompter_.Prompts();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].text, "Can not create the directory");
    EXPECT_EQ(prompts[0].caption, Pictures() + "Quillmere/");
    EXPECT_TRUE(fs::is_regular_file(Pictures() + "Quillmere"));
}

TEST_F(WorkFolderTest, FollowsTheDesktopsPicturesFolder) {
    std::ofstream(userDirs_) << "XDG_PICTURES_DIR=\"$HOME/Fotos\"\n";
    EXPECT_EQ(Get(), home_.path() + "/Fotos/Quillmere/");
    EXPECT_TRUE(fs::is_directory(home_.path() + "/Fotos/Quillmere"));
}

// Update names the installed version and where updates come from, and no
// address unless the build was given one.
TEST(ShellHelpersTest, UpdateSaysWhereUpdatesComeFrom) {
    const struct {
        bool packaged;
        std::string source;
        std::vector<std::string> said, unsaid;
    } cases[] = {
        {true, "", {"1.0 is installed", "package manager"}, {"http", "built from source"}},
        {false, "", {"1.0 is installed", "built from source"}, {"http"}},
        {false, "https://git.example.org/q", {"built from source", "https://git.example.org/q"}, {}},
    };
    for (const auto& c : cases) {
        const std::string text = UpdateText(c.packaged, c.source);
        for (const std::string& part : c.said)
            EXPECT_NE(text.find(part), std::string::npos) << text;
        for (const std::string& part : c.unsaid)
            EXPECT_EQ(text.find(part), std::string::npos) << text;
    }
}

// Help says so when no browser starts, and nothing otherwise.
TEST(ShellHelpersTest, PagesThatNoBrowserOpensAreTold) {
    const std::string help = "file://" + HelpPagePath();
    const struct {
        const char* name;
        std::function<void(Prompter&, const UrlOpener&)> open;
        std::string url;
    } pages[] = {
        {"Help", [](Prompter& p, const UrlOpener& o) { ShowHelp(p, nullptr, o); }, help},
    };
    for (const auto& page : pages)
        for (bool browser : {false, true}) {
            RecordingPrompter prompter;
            std::string opened;
            page.open(prompter,
                      [&](const std::string& url, QObject*, std::function<void()> failed) {
                          opened = url;
                          if (!browser)
                              failed();
                      });
            EXPECT_EQ(opened, page.url) << page.name;
            if (browser) {
                EXPECT_TRUE(prompter.Prompts().empty()) << page.name;
                continue;
            }
            const auto prompts = prompter.Prompts();
            ASSERT_EQ(prompts.size(), 1u) << page.name;
            EXPECT_EQ(prompts[0].caption, "Unknown error");
            EXPECT_EQ(prompts[0].text,
                      "The Program does not launch your web browser to access " + page.url +
                          " ,\nPlease launch your web browser and input the URL manually.");
        }
}

// The desktop's answer decides: a handler program that fails is a failure,
// as is none at all.
TEST(ShellHelpersTest, DesktopOpenerReportsAHandlerThatFails) {
    testsupport::TempDir bin;
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    for (const auto& [script, fails] : {std::pair{"exit 0", false}, {"exit 3", true}, {"", true}}) {
        fs::remove(bin.file("xdg-open"));
        if (*script) {
            std::ofstream(bin.file("xdg-open")) << "#!/bin/sh\n" << script << "\n";
            fs::permissions(bin.file("xdg-open"), fs::perms::owner_all);
        }
        setenv("PATH", bin.path().c_str(), 1);
        QObject context;
        QEventLoop loop;
        bool failed = false;
        OpenUrlOnDesktop("https://www.debian.org/", &context, [&] { failed = true; });
        // The handler has ended once its process object is gone.
        QObject::connect(context.findChild<QObject*>(), &QObject::destroyed, &loop,
                         &QEventLoop::quit);
        loop.exec();
        EXPECT_EQ(failed, fails) << script;
    }
    setenv("PATH", oldPath.c_str(), 1);
}

TEST(ShellHelpersTest, HelpPageIsFoundBesideTheData) {
    std::string page = HelpPagePath();
    ASSERT_FALSE(page.empty());
    EXPECT_TRUE(page.ends_with("/Introduction.html")) << page;
    EXPECT_TRUE(fs::is_regular_file(page));
}

}  // namespace
