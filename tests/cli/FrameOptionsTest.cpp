// The options of exact frames, finishing and the image watermark: what each
// sets, and the values refused with the option named.

#include <gtest/gtest.h>

#include <functional>

#include "CliOptions.h"
#include "model/OptionTables.h"

namespace {

TEST(FrameOptions, EachSetsItsField) {
    const struct {
        std::vector<std::string> args;
        std::function<bool(const CliOptions&)> check;
    } rows[] = {
        {{"--size", "fill", "-W", "1080", "-H", "1350", "--crop", "smart"},
         [](auto& o) {
             return o.format.nOuputSizeType == kSizeFill && o.format.nCropAnchor == kCropSmart;
         }},
        {{"--size=pad", "--crop=bottom-right", "--background", "#0A14c8"},
         [](auto& o) {
             return o.format.nOuputSizeType == kSizePad &&
                    o.format.nCropAnchor == kAnchorBottomRight &&
                    o.format.nBackgroundColor == 0x00C8140Au;  // kept as 0x00BBGGRR
         }},
        {{"--sharpen", "medium", "--dpi", "300"},
         [](auto& o) { return o.format.nSharpen == kSharpenMedium && o.format.nDpi == 300; }},
        {{"--watermark", "/logo.svg", "--watermark-anchor", "top", "--watermark-size-percent",
          "12.5", "--watermark-opacity", "40", "--watermark-margin", "0"},
         [](auto& o) {
             return o.overlay.watermark == ImageWatermark{"/logo.svg", kAnchorTop, 12.5, 40, 0, {}};
         }},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = row.args;
        args.push_back("x.jpg");
        const ParseOutcome r = ParseArguments(args);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_TRUE(row.check(r.options)) << args[0];
    }
}

TEST(FrameOptions, BadValuesAreRefusedNamingTheOption) {
    const std::pair<std::string, std::string> refused[] = {
        {"--crop", "middle"},           {"--background", "12345"},
        {"--background", "white"},      {"--sharpen", "max"},
        {"--dpi", "10001"},             {"--dpi", "72.5"},
        {"--watermark-opacity", "101"}, {"--watermark-size-percent", "0"},
        {"--watermark-margin", "51"},   {"--watermark", ""}};
    for (const auto& [option, value] : refused) {
        const ParseOutcome r = ParseArguments({option, value, "x.jpg"});
        EXPECT_FALSE(r.ok) << option << " " << value;
        EXPECT_NE(r.error.find(option), std::string::npos) << r.error;
    }
}

}  // namespace
