// The options of exact frames (fill and pad, their crop and background),
// sharpening, resolution and the image watermark.

#include <algorithm>
#include <cstdlib>

#include <QtGlobal>

#include "CliRules.h"
#include "model/OptionTables.h"

namespace cli {
namespace {

namespace n = numbers;
constexpr const char* kOutput = QT_TRANSLATE_NOOP("CommandLine", "Output");
constexpr const char* kWatermark = QT_TRANSLATE_NOOP("CommandLine", "Image watermark");

std::string HexOf(uint32_t colorRef) {
    static const char digits[] = "0123456789ABCDEF";
    const uint32_t rgb = ((colorRef & 0xFF) << 16) | (colorRef & 0xFF00) | ((colorRef >> 16) & 0xFF);
    std::string hex(6, '0');
    for (int i = 5, v = static_cast<int>(rgb); i >= 0; --i, v >>= 4) hex[i] = digits[v & 0xF];
    return hex;
}

std::vector<OptionRule> FrameRules() {
    const OutputPhotoFormat d = BuiltInDefaultOutputPhotoFormat();
    const ChoiceSet crops = FromRows(CropAnchorChoices());
    const ChoiceSet sharpens = FromRows(SharpenChoices());
    return {
        Choice(kOutput, "crop", 0, "WHERE", crops,
               words::Filled(shown::translate("CommandLine",
                                              "for %1: the part fill keeps, or where pad places "
                                              "the photo: %2 (smart: the most interesting part; "
                                              "pad centres it)"),
                             {RulesWith(kUsesCropAnchor), JoinOr(crops.shown)}) +
                   Default(crops.NameOf(d.nCropAnchor)),
               [](CliOptions& o, int32_t x) { o.format.nCropAnchor = x; }),
        {kOutput,
         "background",
         0,
         "RRGGBB",
         shown::translate("CommandLine", "colour of pad's margins and of transparent areas") +
             Default(HexOf(d.nBackgroundColor)),
         [](const std::string& v, CliOptions& o) {
             return ParseColour(v, o.format.nBackgroundColor);
         },
         {}},
        Choice(kOutput, "sharpen", 0, "HOW", sharpens,
               words::Filled(shown::translate("CommandLine",
                                              "sharpen a photo that is made smaller, by as much as "
                                              "it is reduced: %1"),
                             {JoinOr(sharpens.shown)}) +
                   Default(sharpens.NameOf(d.nSharpen)),
               [](CliOptions& o, int32_t x) { o.format.nSharpen = x; }),
        {kOutput,
         "dpi",
         0,
         "N",
         shown::translate("CommandLine",
                          "the resolution written into JPG, PNG, TIF and BMP outputs (and WebP "
                          "and AVIF with camera data)") +
             Range(n::kDpi) + shown::translate("CommandLine", " (default 0: the source's)"),
         NumberIn(n::kDpi,
                  [](CliOptions& o, double x) { o.format.nDpi = static_cast<int32_t>(x); }),
         {}},
    };
}

std::vector<OptionRule> WatermarkRules() {
    const ImageWatermark w;
    const ChoiceSet anchors = FromRows(TextAnchors());
    return {
        {kWatermark,
         "watermark",
         0,
         "FILE",
         shown::translate("CommandLine",
                          "a picture (PNG, WebP or SVG, transparency kept) drawn on every photo"),
         PathIn("file", [](CliOptions& o, const std::string& v) { o.overlay.watermark.path = v; }),
         {}},
        Choice(kWatermark, "watermark-anchor", 0, "WHERE", anchors,
               JoinOr(anchors.shown) + Default(anchors.NameOf(w.anchor)),
               [](CliOptions& o, int32_t x) { o.overlay.watermark.anchor = x; }),
        {kWatermark,
         "watermark-size-percent",
         0,
         "P",
         shown::translate("CommandLine",
                          "its longer side as a percentage of the output's shorter side") +
             Range(n::kWatermarkSizePercent) + Default(n::kWatermarkSizePercent),
         NumberIn(n::kWatermarkSizePercent,
                  [](CliOptions& o, double x) { o.overlay.watermark.sizePercent = x; }),
         {}},
        {kWatermark,
         "watermark-opacity",
         0,
         "N",
         shown::translate("CommandLine", "its opacity in percent") + Range(n::kWatermarkOpacity) +
             Default(n::kWatermarkOpacity),
         NumberIn(n::kWatermarkOpacity,
                  [](CliOptions& o, double x) {
                      o.overlay.watermark.opacity = static_cast<int32_t>(x);
                  }),
         {}},
        {kWatermark,
         "watermark-margin",
         0,
         "P",
         shown::translate("CommandLine",
                          "its distance from the anchor's edges as a percentage of the output's "
                          "shorter side") +
             Range(n::kWatermarkMargin) + Default(n::kWatermarkMargin),
         NumberIn(n::kWatermarkMargin,
                  [](CliOptions& o, double x) { o.overlay.watermark.marginPercent = x; }),
         {}},
    };
}

void InsertAfter(std::vector<OptionRule>& rules, const char* longName,
                 std::vector<OptionRule> more) {
    auto at = std::find_if(rules.begin(), rules.end(), [&](const OptionRule& rule) {
        return std::string(rule.longName) == longName;
    });
    rules.insert(at == rules.end() ? at : at + 1, more.begin(), more.end());
}

}  // namespace

std::vector<OptionRule> WithFrameRules(std::vector<OptionRule> rules) {
    InsertAfter(rules, "flip", FrameRules());
    InsertAfter(rules, "text-effect", WatermarkRules());
    return rules;
}

}  // namespace cli
