// Presets in the window's settings file: every field kept, a newer
// version's preset still read, a value its setting does not take refused,
// names that cannot be stored refused.

#include <gtest/gtest.h>

#include <QSettings>

#include <fstream>

#include "platform/SettingsStore.h"
#include "settings/PresetStore.h"

namespace {

QSettings WindowStore() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, settings::kMaker,
                     settings::kWindowStore);
}

class PresetTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings store = WindowStore();
        store.clear();
        store.setValue("Option/m_batch_renamer", "kept");
        store.sync();
    }
};

// Every field away from its built-in value, so that a field the store
// forgets comes back different.
Preset EveryFieldSet() {
    Preset p;
    p.format = {kSizeStretch, 2048, 1536, kFormatPng,   1, 55, kKeepHeight,
                0.5,          2.25, 270,  kFlipVertical};
    p.format.nLongEdge = 3000;
    p.format.bNoEnlarge = true;
    p.format.bLossless = true;
    p.format.nMetadata = kMetadataNoLocation;
    p.naming.date = kDateTaken;
    p.naming.prefix = "web, = day";
    p.naming.notRename = true;
    p.naming.keepFolders = true;
    p.overlay.text = "© Jane";
    p.overlay.x = -7;
    p.overlay.y = 12;
    p.overlay.font = {-40, 3, 5, 6, 700, 1, 1, 1, 2, 3, 4, 0, 34, "DejaVu Serif"};
    p.overlay.color = 0x00FF8001;
    p.overlay.anchor = kAnchorBottomRight;
    p.overlay.sizePercent = 4.5;
    p.overlay.opacity = 60;
    p.overlay.effect = kTextEffectShadow;
    p.format.nCropAnchor = kCropSmart;
    p.format.nBackgroundColor = 0x00102030;
    p.format.nSharpen = kSharpenLight;
    p.format.nDpi = 300;
    p.format.nPalette = kPaletteAdaptive;
    p.overlay.watermark = {"/logos/studio.svg", kAnchorTop, 12.5, 70, 3.5, nullptr};
    return p;
}

TEST_F(PresetTest, EveryFieldComesBackAndOtherGroupsStay) {
    const Preset saved = EveryFieldSet();
    std::string reason;
    ASSERT_TRUE(presets::Save("web 2048", saved, &reason)) << reason;
    ASSERT_TRUE(presets::Save("Archive", Preset{}, &reason)) << reason;
    EXPECT_EQ(presets::Names(), (std::vector<std::string>{"Archive", "web 2048"}));
    const auto loaded = presets::Load("web 2048");
    ASSERT_TRUE(loaded && loaded.Value());
    EXPECT_EQ(*loaded.Value(), saved);
    EXPECT_EQ(presets::Load("Archive").Value(), Preset{});
    ASSERT_TRUE(presets::Load("web"));
    EXPECT_FALSE(presets::Load("web").Value());
    EXPECT_EQ(WindowStore().value("Option/m_batch_renamer").toString(), "kept");

    ASSERT_TRUE(presets::Remove("web 2048", &reason)) << reason;
    EXPECT_EQ(presets::Names(), std::vector<std::string>{"Archive"});
    EXPECT_TRUE(presets::Remove("", &reason));
    EXPECT_EQ(presets::Names(), std::vector<std::string>{"Archive"})
        << "an empty name removes nothing";
}

void Store(const char* preset, const QString& key, const QString& value) {
    QSettings store = WindowStore();
    store.setValue(QStringLiteral("Presets/") + preset + "/" + key, value);
}

TEST_F(PresetTest, ANewerVersionsPresetStillLoads) {
    Store("newer", "nOutputWidth", "2048");
    Store("newer", "nTextOpacity", "40");
    Store("newer", "strWatermarkImage", "/logo.png");  // a key this version does not know
    Store("newer", "iComboPixelFormat", "-1");         // the options dialog's "no entry"
    const auto loaded = presets::Load("newer");
    ASSERT_TRUE(loaded) << loaded.GetStatus().Told();
    Preset expected;
    expected.format.nOutputWidth = 2048;
    expected.format.iComboPixelFormat = -1;
    expected.overlay.opacity = 40;
    EXPECT_EQ(loaded.Value(), expected);
}

// Never used in part: a value its setting does not take refuses the whole
// preset, and the reason names the key.
TEST_F(PresetTest, AValueItsSettingDoesNotTakeRefusesThePreset) {
    const std::pair<const char*, const char*> refused[] = {
        {"nOuptputFormat", "9"},  // a format this version does not have
        {"nOuptputFormat", "8"},  // the options dialog's "nothing to set"
        {"nTextAnchor", "12"},    // an anchor no row has
        {"nRotateAngel", "45"},   // nor this angle
        {"nCurrentJpegQuality", "lots"}, {"nCurrentJpegQuality", "0"}, {"nOutputWidth", "-3"},
        {"nTextOpacity", "140"},         {"dStretchVertical", "0"},    {"lfHeight", "-20000"},
        {"iComboPixelFormat", "12"},
        {"nCropAnchor", "10"},  // beyond smart
        {"nBackgroundColor", "16777216"}, {"nDpi", "10001"}, {"nWatermarkOpacity", "101"},
    };
    for (auto [key, value] : refused) {
        Store("bad", "nOutputWidth", "2048");
        Store("bad", key, value);
        const auto loaded = presets::Load("bad");
        EXPECT_FALSE(loaded) << key << "=" << value;
        EXPECT_EQ(loaded.GetStatus().Subject(), key) << loaded.GetStatus().Told();
        WindowStore().remove("Presets/bad");
    }
}

TEST_F(PresetTest, NamesThatCannotBeStoredAreRefused) {
    for (const char* name : {"", "web/2048", "web\\2048", "tab\tname"}) {
        std::string reason;
        EXPECT_FALSE(presets::Save(name, Preset{}, &reason)) << name;
        EXPECT_EQ(reason.rfind("a preset name must", 0), 0u) << reason;
        EXPECT_FALSE(presets::NameProblem(name).empty()) << name;
    }
    EXPECT_TRUE(presets::Names().empty());
    EXPECT_TRUE(presets::NameProblem("Web – 2048 px, ünïcode").empty());
}

// One unreadable line in the settings file must not make a saved preset
// look unsaved, nor an unsaved one look saved.
TEST_F(PresetTest, SaveTellsTheTruthBesideAnUnreadableLine) {
    std::ofstream(presets::Location(), std::ios::app) << "this line is no setting\n";
    std::string reason;
    const bool saved = presets::Save("web", EveryFieldSet(), &reason);
    const Result<std::optional<Preset>> stored = presets::Load("web");
    EXPECT_EQ(saved, stored && stored.Value() && *stored.Value() == EveryFieldSet()) << reason;
    if (!saved) {
        EXPECT_NE(reason.find("has a line that cannot be read"), std::string::npos) << reason;
    }
}

}  // namespace
