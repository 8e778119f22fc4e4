#include <gtest/gtest.h>

#include <functional>

#include "CliOptions.h"
#include "model/OptionTables.h"

namespace {

ParseOutcome Parse(std::vector<std::string> args) {
    return ParseArguments(args);
}

TEST(ParseArguments, DefaultsAreTheWindowsFirstStart) {
    const ParseOutcome r = Parse({"a.jpg", "folder"});
    ASSERT_TRUE(r.ok) << r.error;
    const CliOptions& o = r.options;
    EXPECT_EQ(o.paths, (std::vector<std::string>{"a.jpg", "folder"}));
    EXPECT_EQ(o.format, BuiltInDefaultOutputPhotoFormat());
    EXPECT_EQ(o.naming.prefix, "output.photo");
    EXPECT_FALSE(o.naming.notRename);
    EXPECT_FALSE(o.outputFolder.has_value());
    EXPECT_EQ(o.overlay.x, 0);
    EXPECT_EQ(o.overlay.y, 0);
    EXPECT_EQ(o.overlay.font, LogFont{});
    EXPECT_EQ(o.overlay.color, 0u);
    EXPECT_EQ(o.overwrite, OverwritePolicy::Default);
    EXPECT_EQ(o.jobs, 0);
    EXPECT_EQ(o.naming.date, kDateFile);
}

struct GoodRow {
    const char* name;
    std::vector<std::string> args;
    std::function<bool(const CliOptions&)> check;
};

class ParseGood : public ::testing::TestWithParam<GoodRow> {};

TEST_P(ParseGood, Accepted) {
    std::vector<std::string> args = GetParam().args;
    args.push_back("x.jpg");
    const ParseOutcome r = ParseArguments(args);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(GetParam().check(r.options));
}

INSTANTIATE_TEST_SUITE_P(
    Options, ParseGood,
    ::testing::Values(
        GoodRow{"output_next", {"-o", "/out"}, [](auto& o) { return *o.outputFolder == "/out"; }},
        GoodRow{"output_equals", {"--output=/o u t"}, [](auto& o) { return *o.outputFolder == "/o u t"; }},
        GoodRow{"format_each",
                {"-f", "bmp"}, [](auto& o) { return o.format.nOuptputFormat == kFormatBmp; }},
        GoodRow{"format_tif", {"--format=tif"}, [](auto& o) { return o.format.nOuptputFormat == kFormatTif; }},
        GoodRow{"size_stretch", {"--size", "stretch", "--stretch", "0.5,2"},
                [](auto& o) {
                    return o.format.nOuputSizeType == kSizeStretch &&
                           o.format.dStretchHorizontal == 0.5 && o.format.dStretchVertical == 2.0;
                }},
        GoodRow{"stretch_exponent", {"--stretch=1e1,.5"},
                [](auto& o) { return o.format.dStretchHorizontal == 10.0 && o.format.dStretchVertical == 0.5; }},
        GoodRow{"stretch_bounds", {"--stretch=0.000001,1000000"},
                [](auto& o) { return o.format.dStretchVertical == 1000000.0; }},
        GoodRow{"width_height_short_attached", {"-W1024", "-H=600"},
                [](auto& o) { return o.format.nOutputWidth == 1024 && o.format.nOutputHeight == 600; }},
        GoodRow{"keep_height", {"--keep-aspect", "height"},
                [](auto& o) { return o.format.nKeepAspectRatio == kKeepHeight; }},
        GoodRow{"pixel_format_name", {"--pixel-format", "4bit"},
                [](auto& o) { return o.format.iComboPixelFormat == 1; }},
        GoodRow{"pixel_format_number", {"--pixel-format=9"},
                [](auto& o) { return o.format.iComboPixelFormat == 9; }},
        GoodRow{"adaptive_palette", {"--pixel-format=8bit", "--palette", "adaptive"},
                [](auto& o) { return o.format.nPalette == kPaletteAdaptive; }},
        GoodRow{"quality_bounds", {"-q", "1"}, [](auto& o) { return o.format.nCurrentJpegQuality == 1; }},
        GoodRow{"quality_100", {"--quality=100"}, [](auto& o) { return o.format.nCurrentJpegQuality == 100; }},
        GoodRow{"rotate_flip", {"--rotate", "270", "--flip", "vertical"},
                [](auto& o) { return o.format.nRotateAngel == 270 && o.format.nFlipType == kFlipVertical; }},
        GoodRow{"empty_prefix", {"--prefix", ""}, [](auto& o) { return o.naming.prefix.empty(); }},
        GoodRow{"no_rename", {"--no-rename"}, [](auto& o) { return o.naming.notRename; }},
        GoodRow{"negative_text_pos_equals", {"--text-pos=-5,3"},
                [](auto& o) { return o.overlay.x == -5 && o.overlay.y == 3; }},
        GoodRow{"negative_text_pos_next", {"--text-pos", "-5,-3"},
                [](auto& o) { return o.overlay.x == -5 && o.overlay.y == -3; }},
        GoodRow{"font_record", {"--font", "DejaVu Serif", "--font-px", "40", "--bold", "--italic",
                                "--underline", "--strikeout"},
                [](auto& o) {
                    return o.overlay.font.lfFaceName == "DejaVu Serif" && o.overlay.font.lfHeight == -40 &&
                           o.overlay.font.lfWeight == 700 && o.overlay.font.lfItalic && o.overlay.font.lfUnderline &&
                           o.overlay.font.lfStrikeOut;
                }},
        GoodRow{"color_is_stored_bgr", {"--color", "ff8001"}, [](auto& o) { return o.overlay.color == 0x0180FFu; }},
        GoodRow{"overwrite_yes", {"--overwrite=yes"}, [](auto& o) { return o.overwrite == OverwritePolicy::Yes; }},
        GoodRow{"jobs", {"-j", "3"}, [](auto& o) { return o.jobs == 3; }},
        GoodRow{"max_memory", {"--max-memory", "512"}, [](auto& o) { return o.maxMemoryMiB == 512; }},
        GoodRow{"keep_folders_and_shard_numbers", {"--keep-folders", "--number-start", "101", "--number-width=4"},
                [](auto& o) {
                    return o.naming.keepFolders && o.naming.numberStart == 101 && o.naming.numberWidth == 4;
                }},
        GoodRow{"text_placement",
                {"--text-anchor", "bottom-right", "--text-size-percent=2.5", "--text-opacity", "0",
                 "--text-effect", "shadow"},
                [](auto& o) {
                    return o.overlay.anchor == kAnchorBottomRight && o.overlay.sizePercent == 2.5 &&
                           o.overlay.opacity == 0 && o.overlay.effect == kTextEffectShadow;
                }},
        GoodRow{"script_options", {"--files-from", "-", "--null", "--into", "/o/run", "--report=r.jsonl"},
                [](auto& o) {
                    return *o.filesFrom == "-" && o.nulSeparated && *o.into == "/o/run" && *o.report == "r.jsonl";
                }},
        GoodRow{"text_taken_whole", {"--text", "--bold"}, [](auto& o) { return o.overlay.text == "--bold" && o.overlay.font.lfWeight == 400; }},
        GoodRow{"format_new_rows", {"-f", "avif"}, [](auto& o) { return o.format.nOuptputFormat == kFormatAvif; }},
        GoodRow{"format_same", {"--format=same"}, [](auto& o) { return o.format.nOuptputFormat == kFormatSame; }},
        GoodRow{"size_fit", {"--size", "fit", "-W", "1600", "-H", "1200"},
                [](auto& o) {
                    return o.format.nOuputSizeType == kSizeFit && o.format.nOutputWidth == 1600 &&
                           o.format.nOutputHeight == 1200;
                }},
        GoodRow{"size_long_edge", {"--size", "long-edge", "--long-edge", "2048"},
                [](auto& o) { return o.format.nOuputSizeType == kSizeLongEdge && o.format.nLongEdge == 2048; }},
        GoodRow{"long_edge_bounds", {"--long-edge=1"}, [](auto& o) { return o.format.nLongEdge == 1; }},
        GoodRow{"no_enlarge_lossless", {"--no-enlarge", "--lossless"},
                [](auto& o) { return o.format.bNoEnlarge && o.format.bLossless; }},
        GoodRow{"metadata_each", {"--metadata", "no-location"},
                [](auto& o) { return o.format.nMetadata == kMetadataNoLocation; }},
        GoodRow{"metadata_all", {"--metadata=all"}, [](auto& o) { return o.format.nMetadata == kMetadataAll; }},
        GoodRow{"date_taken", {"--date", "taken"}, [](auto& o) { return o.naming.date == kDateTaken; }},
        GoodRow{"double_dash_ends_options", {"--", "-W"},
                [](auto& o) { return o.paths == std::vector<std::string>{"-W", "x.jpg"}; }},
        // K and M count thousands, KiB and MiB 1,024s.
        GoodRow{"max_file_size_units",
                {"--max-file-size", "500K", "--max-file-size=488KiB"},
                [](auto& o) { return o.format.nMaxFileSize == 499712; }},
        GoodRow{"max_file_size_each",
                {"--max-file-size", "1.5M"},
                [](auto& o) { return o.format.nMaxFileSize == 1500000; }},
        GoodRow{"max_file_size_mib_and_bytes",
                {"--max-file-size", "2MiB", "--min-quality", "50", "--chroma", "444",
                 "--progressive", "--no-shrink-to-fit"},
                [](auto& o) {
                    return o.format.nMaxFileSize == 2097152 && o.format.nMinQuality == 50 &&
                           o.format.nChroma == kChroma444 && o.format.bProgressive &&
                           o.format.bNoShrinkToFit;
                }}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadRow {
    const char* name;
    std::vector<std::string> args;
    const char* mentions;  // the option the message must name
};

class ParseBad : public ::testing::TestWithParam<BadRow> {};

TEST_P(ParseBad, RefusedNamingTheOption) {
    const ParseOutcome r = ParseArguments(GetParam().args);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(GetParam().mentions), std::string::npos) << r.error;
}

INSTANTIATE_TEST_SUITE_P(
    Options, ParseBad,
    ::testing::Values(
        BadRow{"no_paths", {"-q", "50"}, "no photos"},
        BadRow{"unknown_long", {"--colour", "ffffff", "a"}, "--colour"},
        BadRow{"unknown_short", {"-x", "a"}, "-x"},
        BadRow{"missing_value", {"a", "--quality"}, "--quality"},
        BadRow{"flag_with_value", {"--bold=yes", "a"}, "--bold"},
        BadRow{"quality_zero_not_clamped", {"--quality=0", "a"}, "--quality"},
        BadRow{"quality_101", {"-q", "101", "a"}, "-q"},
        BadRow{"quality_trailing_text", {"-q", "80%", "a"}, "-q"},
        BadRow{"width_zero", {"--width", "0", "a"}, "--width"},
        BadRow{"width_above_limit", {"-W", "10000001", "a"}, "from 1 to 10000000"},
        BadRow{"height_negative", {"-H", "-1", "a"}, "-H"},
        BadRow{"format", {"--format", "gif", "a"}, "--format"},
        BadRow{"size", {"--size=huge", "a"}, "--size"},
        BadRow{"keep", {"--keep-aspect", "both", "a"}, "--keep-aspect"},
        BadRow{"stretch_zero", {"--stretch", "0,1", "a"}, "--stretch"},
        BadRow{"stretch_one_factor", {"--stretch", "2", "a"}, "--stretch"},
        BadRow{"stretch_nan", {"--stretch", "nan,1", "a"}, "--stretch"},
        BadRow{"stretch_hex", {"--stretch", "0x10,1", "a"}, "--stretch"},
        BadRow{"stretch_blank", {"--stretch", " 2,1", "a"}, "--stretch"},
        BadRow{"text_line_break", {"--text", "two\nlines", "a"}, "--text"},
        BadRow{"pixel_format", {"--pixel-format", "10", "a"}, "--pixel-format"},
        BadRow{"rotate", {"--rotate", "45", "a"}, "--rotate"},
        BadRow{"flip", {"--flip", "both", "a"}, "--flip"},
        BadRow{"text_pos_one", {"--text-pos", "5", "a"}, "--text-pos"},
        BadRow{"text_pos_letters", {"--text-pos", "5,3px", "a"}, "--text-pos"},
        BadRow{"text_pos_overflow", {"--text-pos", "99999999999,0", "a"}, "--text-pos"},
        BadRow{"font_px", {"--font-px", "0", "a"}, "--font-px"},
        BadRow{"font_too_long", {"--font", std::string(32, 'F'), "a"}, "--font"},
        BadRow{"color_name", {"--color", "red", "a"}, "--color"},
        BadRow{"color_short", {"--color", "fff", "a"}, "--color"},
        BadRow{"overwrite", {"--overwrite", "maybe", "a"}, "--overwrite"},
        BadRow{"jobs_zero", {"-j", "0", "a"}, "-j"},
        BadRow{"max_memory_zero", {"--max-memory=0", "a"}, "--max-memory"},
        BadRow{"max_memory_unit", {"--max-memory", "2G", "a"}, "--max-memory"},
        BadRow{"prefix_with_slash", {"--prefix", "a/b", "a"}, "--prefix"},
        BadRow{"empty_output", {"-o", "", "a"}, "-o"},
        BadRow{"long_edge_zero", {"--long-edge", "0", "a"}, "--long-edge"},
        BadRow{"long_edge_above_limit", {"--long-edge", "10000001", "a"}, "--long-edge"},
        BadRow{"lossless_with_value", {"--lossless=yes", "a"}, "--lossless"},
        BadRow{"metadata", {"--metadata", "some", "a"}, "--metadata"},
        BadRow{"date", {"--date", "exif", "a"}, "--date"},
        BadRow{"anchor", {"--text-anchor", "middle", "a"}, "--text-anchor"},
        BadRow{"opacity_101", {"--text-opacity", "101", "a"}, "--text-opacity"},
        BadRow{"size_percent_over_100", {"--text-size-percent", "101", "a"}, "--text-size-percent"},
        BadRow{"number_width_zero", {"--number-width", "0", "a"}, "--number-width"},
        BadRow{"number_start_negative", {"--number-start", "-1", "a"}, "--number-start"},
        BadRow{"null_without_a_list", {"--null", "a"}, "--null"},
        BadRow{"answers_and_list_both_on_stdin",
               {"--files-from", "-", "--overwrite", "ask"},
               "--overwrite ask"},
        BadRow{"preset_name_with_slash", {"--save-preset", "a/b"}, "--save-preset"},
        BadRow{"preset_not_stored", {"--preset", "nowhere", "a"}, "no preset 'nowhere'"},
        BadRow{"max_file_size_unit", {"--max-file-size", "500X", "a"}, "--max-file-size"},
        BadRow{"max_file_size_negative", {"--max-file-size", "-5K", "a"}, "--max-file-size"},
        BadRow{"min_quality_zero", {"--min-quality", "0", "a"}, "--min-quality"},
        BadRow{"chroma", {"--chroma", "422", "a"}, "--chroma"},
        BadRow{"name_unknown_token", {"--name", "{nmae}_web", "a"}, "unknown token {nmae}"},
        BadRow{"name_with_slash", {"--name", "web/{name}", "a"}, "'/'"},
        BadRow{"beside_path", {"--beside", "a/web", "a"}, "--beside"},
        BadRow{"beside_and_into", {"--beside", "web", "--into", "x", "a"}, "--beside"},
        BadRow{"outputs_not_stored", {"--outputs", "web,nowhere", "a"}, "no preset 'web'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseArguments, APresetCountsWhereItStands) {
    Preset web;
    web.format.nOuptputFormat = kFormatPng;
    web.format.nCurrentJpegQuality = 40;
    web.naming.prefix = "web";
    web.overlay.anchor = kAnchorBottom;
    const PresetLookup lookup = [&](const std::string& name) -> Result<std::optional<Preset>> {
        return name == "web" ? std::optional<Preset>(web) : std::nullopt;
    };
    const ParseOutcome r = ParseArguments(
        {"-q", "90", "--number-start", "7", "--number-width", "4", "--preset", "web", "--prefix",
         "after", "a.jpg"},
        lookup);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.format.nOuptputFormat, kFormatPng);
    EXPECT_EQ(r.options.format.nCurrentJpegQuality, 40) << "given before the preset: the preset's";
    EXPECT_EQ(r.options.naming.prefix, "after") << "given after it: overrides it";
    EXPECT_EQ(r.options.naming.numberStart, 7) << "the run's own numbering is no preset's";
    EXPECT_EQ(r.options.naming.numberWidth, 4) << "the run's own numbering is no preset's";
    EXPECT_EQ(r.options.overlay.anchor, kAnchorBottom);
    EXPECT_EQ(PresetOfOptions(ParseArguments({"--preset", "web", "x"}, lookup).options), web);
}

// Camera data is private: a preset and --metadata that disagree are
// accepted silently only where the winner keeps less, else a notice says so.
TEST(ParseArguments, PrivacyOverriddenTowardsMoreDataIsNoticed) {
    const PresetLookup lookup = [](const std::string& name) -> Result<std::optional<Preset>> {
        Preset preset;
        preset.format.nMetadata = name == "all" ? kMetadataAll : kMetadataNone;
        return std::optional<Preset>(preset);
    };
    const struct {
        std::vector<std::string> args;
        int32_t kept;
        const char* notice;  // a part of the one notice, or nullptr for none
    } rows[] = {
        {{"--metadata", "none", "--preset", "all"}, kMetadataAll, "not --metadata none given before"},
        {{"--preset", "none", "--metadata", "all"}, kMetadataAll, "more camera data than preset 'none'"},
        {{"--metadata", "all", "--preset", "none"}, kMetadataNone, nullptr},
        {{"--preset", "all", "--metadata", "no-location"}, kMetadataNoLocation, nullptr},
        {{"--preset", "all", "--metadata", "all"}, kMetadataAll, nullptr},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = row.args;
        args.push_back("a.jpg");
        const ParseOutcome r = ParseArguments(args, lookup);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.options.format.nMetadata, row.kept) << args[1] << " " << args[3];
        ASSERT_EQ(r.notices.size(), row.notice ? 1u : 0u) << args[1] << " " << args[3];
        if (row.notice) {
            EXPECT_NE(r.notices[0].find(row.notice), std::string::npos) << r.notices[0];
        }
    }
}

// A preset with a value its setting does not take is not used at all.
TEST(ParseArguments, ARefusedPresetIsNamedWithItsKey) {
    const PresetLookup lookup = [](const std::string&) -> Result<std::optional<Preset>> {
        return Status::Failed("nTextOpacity", "the value 140 is not between 0 and 100");
    };
    const ParseOutcome r = ParseArguments({"--preset", "web", "a.jpg"}, lookup);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error,
              "option --preset: preset 'web' is not used: nTextOpacity: the value 140 is not "
              "between 0 and 100");
}

TEST(ParseArguments, HelpAndVersionNeedNoPaths) {
    EXPECT_TRUE(Parse({"--help"}).ok);
    EXPECT_TRUE(Parse({"--help"}).options.help);
    EXPECT_TRUE(Parse({"--version"}).options.version);
    for (auto args : {std::vector<std::string>{"--list-presets"},
                      {"--save-preset", "web"},
                      {"--files-from", "-"}})
        EXPECT_TRUE(Parse(args).ok) << args[0];
    EXPECT_NE(UsageText().find("--text-pos X,Y"), std::string::npos);
}

}  // namespace
