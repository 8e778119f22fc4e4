#include <gtest/gtest.h>

#include <QSettings>

#include <filesystem>

#include "platform/SettingsStore.h"
#include "settings/FontSettings.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::ClearSettings(); }
    void TearDown() override { testsupport::ClearSettings(); }

    // Writes a raw text value, as a hand-edited or foreign store would hold it.
    static void WriteRaw(const char* section, const char* key, const QString& text) {
        QSettings s(QString::fromStdString(SettingsStore::Location()), QSettings::IniFormat);
        s.setValue(QString::fromLatin1(section) + "/" + key, text);
        s.sync();
    }
};

TEST_F(SettingsStoreTest, LivesUnderTheMakerInTheUsersConfig) {
    std::string location = SettingsStore::Location();
    EXPECT_NE(location.find("/Harbenwick/"), std::string::npos) << location;
    EXPECT_EQ(location.find(getenv("XDG_CONFIG_HOME")), 0u) << location;
}

TEST_F(SettingsStoreTest, RoundTrip) {
    EXPECT_TRUE(SettingsStore::WriteInt("Option", "nCurrentJpegQuality", 55));
    EXPECT_TRUE(SettingsStore::WriteString("Option", "m_batch_renamer", "trip, day 1 = fun"));
    EXPECT_TRUE(SettingsStore::WriteInt("CurrentFont", "lfHeight", -2147483647 - 1));
    EXPECT_EQ(SettingsStore::GetInt("Option", "nCurrentJpegQuality", 80), 55);
    EXPECT_EQ(SettingsStore::GetString("Option", "m_batch_renamer", "x"), "trip, day 1 = fun");
    EXPECT_EQ(SettingsStore::GetInt("CurrentFont", "lfHeight", 0), -2147483647 - 1);
    // Sections keep their keys apart.
    EXPECT_EQ(SettingsStore::GetInt("CurrentFont", "nCurrentJpegQuality", 80), 80);
}

TEST_F(SettingsStoreTest, BadIntegersReadAsTheDefault) {
    struct Row {
        const char* stored;
        int expected;
    } rows[] = {
        {"42", 42},
        {"-13", -13},
        {" 7 ", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 99},
        {"4294967376", 99},  // would wrap to 80 in a careless read
        {"-2147483649", 99},
        {"99999999999999999999999", 99},
        {"abc", 99},
        {"12abc", 99},
        {"", 99},
        {"1.5", 99},
        {"0x10", 99},
    };
    for (const Row& r : rows) {
        WriteRaw("Option", "nCurrentJpegQuality", QString::fromLatin1(r.stored));
        EXPECT_EQ(SettingsStore::GetInt("Option", "nCurrentJpegQuality", 99), r.expected)
            << "stored '" << r.stored << "'";
    }
}

TEST_F(SettingsStoreTest, MissingValuesGiveTheDefaults) {
    EXPECT_EQ(SettingsStore::GetInt("Option", "nOuptputFormat", 1), 1);
    EXPECT_EQ(SettingsStore::GetString("Option", "m_batch_renamer", settings::kDefaultBatchRenamer),
              "output.photo");
    EXPECT_EQ(SettingsStore::GetString("Option", "LastPhotoFolder", ""), "");

    LogFont font = LoadTextFont();
    EXPECT_EQ(font, LogFont{});
    EXPECT_EQ(font.lfHeight, -13);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfFaceName, "");
    EXPECT_EQ(LoadTextColor(), 0u);
}

TEST_F(SettingsStoreTest, FontRoundTripsAndKeepsTheLowByte) {
    LogFont font;
    font.lfHeight = -24;
    font.lfWeight = 700;
    font.lfItalic = 1;
    font.lfUnderline = 1;
    font.lfStrikeOut = 1;
    font.lfCharSet = 204;
    font.lfPitchAndFamily = 34;
    font.lfFaceName = "DejaVu Serif";
    ASSERT_TRUE(SaveTextFont(font));
    ASSERT_TRUE(SaveTextColor(0x00FF8000));
    EXPECT_EQ(LoadTextFont(), font);
    EXPECT_EQ(LoadTextColor(), 0x00FF8000u);

    ASSERT_TRUE(SettingsStore::WriteInt("CurrentFont", "lfItalic", 257));
    ASSERT_TRUE(SettingsStore::WriteInt("CurrentFont", "lfUnderline", -1));
    EXPECT_EQ(LoadTextFont().lfItalic, 1);
    EXPECT_EQ(LoadTextFont().lfUnderline, 255);
}

TEST_F(SettingsStoreTest, LongFaceNamesAreCutTo31Characters) {
    std::string forty(40, 'F');
    ASSERT_TRUE(SettingsStore::WriteString("CurrentFont", "lfFaceName", forty));
    EXPECT_EQ(LoadTextFont().lfFaceName, std::string(31, 'F'));
    // Characters, not bytes: 40 two-byte letters keep 31 letters whole.
    std::string accents;
    for (int i = 0; i < 40; ++i) accents += "\xC3\xA9";
    ASSERT_TRUE(SettingsStore::WriteString("CurrentFont", "lfFaceName", accents));
    EXPECT_EQ(LoadTextFont().lfFaceName, accents.substr(0, 62));
}

TEST_F(SettingsStoreTest, FontKeysAreWrittenUnderTheirNames) {
    ASSERT_TRUE(SaveTextFont(LogFont{}));
    QSettings s(QString::fromStdString(SettingsStore::Location()), QSettings::IniFormat);
    s.beginGroup("CurrentFont");
    QStringList expected = {"lfHeight",  "lfWidth",        "lfEscapement",    "lfOrientation",
                            "lfWeight",  "lfItalic",       "lfUnderline",     "lfStrikeOut",
                            "lfCharSet", "lfOutPrecision", "lfClipPrecision", "lfPitchAndFamily",
                            "lfFaceName"};
    QStringList keys = s.childKeys();
    keys.sort();
    expected.sort();
    EXPECT_EQ(keys, expected);
}

// A store that cannot be written says so, naming its file, and the user is
// told once, not at every key.
TEST_F(SettingsStoreTest, AnUnwritableStoreIsToldOnce) {
    const std::string file = SettingsStore::Location();
    std::filesystem::create_directories(file);  // a folder where the file goes
    const Status written = SettingsStore::WriteInt("Option", "nCurrentJpegQuality", 55);
    EXPECT_FALSE(written);
    EXPECT_EQ(written.Subject(), file);
    EXPECT_FALSE(SaveTextFont(LogFont{}));
    RecordingPrompter prompter;
    SettingsStore::TellUnsaved(written, prompter);
    SettingsStore::TellUnsaved(SettingsStore::WriteString("Option", "m_batch_renamer", "x"),
                               prompter);
    ASSERT_EQ(prompter.Prompts().size(), 1u);
    EXPECT_EQ(prompter.Prompts()[0].caption, file);
    std::filesystem::remove(file);
}

}  // namespace
