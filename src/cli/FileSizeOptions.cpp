// The options of a byte limit per output file and the encoder switches that
// the search keeps fixed.

#include "CliRules.h"

#include <QtGlobal>

#include "model/NumberSettings.h"
#include "model/OptionTables.h"

namespace cli {
namespace {

// "500K", "1.5M", "200KiB", "800000": bytes, with K/M in units of 1,000 and
// KiB/MiB of 1,024 (a trailing B optional: "500KB"). 0: no limit.
bool ParseByteSize(const std::string& text, int64_t& bytes) {
    struct Unit {
        const char* suffix;
        double factor;
    };
    static const Unit units[] = {{"KiB", 1024.0},    {"MiB", 1048576.0}, {"KB", 1000.0},
                                 {"MB", 1000000.0}, {"K", 1000.0},      {"M", 1000000.0},
                                 {"k", 1000.0},     {"kB", 1000.0},     {"B", 1.0}};
    std::string number = text;
    double factor = 1;
    for (const Unit& unit : units) {
        const std::string suffix = unit.suffix;
        if (number.size() > suffix.size() &&
            number.compare(number.size() - suffix.size(), suffix.size(), suffix) == 0) {
            number.erase(number.size() - suffix.size());
            factor = unit.factor;
            break;
        }
    }
    const NumberSetting& row = numbers::kMaxFileSize;
    double value = 0;
    if (!ParseDouble(number, 0, row.max, value))
        return false;
    const double total = value * factor;
    if (total > row.max || (total != 0 && total < 1))
        return false;
    bytes = static_cast<int64_t>(total);
    return true;
}

std::string FormatsWithQuality() {
    std::vector<std::string> names;
    for (const OutputFormatRow& row : OutputFormats())
        if ((row.settings & kUsesQuality) && !(row.settings & kFollowsSource))
            names.push_back(row.listText);
    return JoinOr(names);
}

}  // namespace

std::vector<OptionRule> FileSizeRules() {
    constexpr const char* kOutput = QT_TRANSLATE_NOOP("CommandLine", "Output");
    const NumberSetting& minQuality = numbers::kMinQuality;
    ChoiceSet chroma;
    for (const NamedChoice& row : ChromaChoices()) chroma.Add(row.cliName, row.id);
    const OutputPhotoFormat d = BuiltInDefaultOutputPhotoFormat();
    return {
        {kOutput,
         "max-file-size",
         0,
         "SIZE",
         words::Filled(shown::translate("CommandLine",
                                        "at most SIZE bytes per output file; K and M count 1,000 "
                                        "and 1,000,000, KiB and MiB 1,024 and 1,048,576 (500K, "
                                        "2MiB; 0: no limit). %1 get the best quality that fits, "
                                        "down to --min-quality, then smaller dimensions; lossless "
                                        "outputs (PNG, TIF, BMP, --lossless) only smaller "
                                        "dimensions"),
                       {FormatsWithQuality()}),
         [](const std::string& v, CliOptions& o) -> std::string {
             int64_t bytes = 0;
             if (!ParseByteSize(v, bytes))
                 return shown::translate(
                     "CommandLine",
                     "must be a size in bytes such as 500000, 500K or 488KiB, at most 1000000M");
             o.format.nMaxFileSize = bytes;
             return {};
         },
         {}},
        {kOutput,
         "min-quality",
         0,
         "N",
         words::Filled(shown::translate("CommandLine",
                                        "the lowest quality --max-file-size may use, %1 (default "
                                        "%2; never above --quality)"),
                       {RangeShown(minQuality), NumberText(minQuality.builtIn)}),
         [&minQuality](const std::string& v, CliOptions& o) -> std::string {
             int64_t value = 0;
             if (!ParseInt(v, static_cast<int64_t>(minQuality.min),
                           static_cast<int64_t>(minQuality.max), value))
                 return words::Filled(
                     shown::translate("CommandLine", "must be an integer from %1 to %2"),
                     {NumberText(minQuality.min), NumberText(minQuality.max)});
             o.format.nMinQuality = static_cast<int32_t>(value);
             return {};
         },
         {}},
        {kOutput,
         "no-shrink-to-fit",
         0,
         nullptr,
         shown::translate("CommandLine",
                          "with --max-file-size: a photo that does not fit at --min-quality fails "
                          "instead of being made smaller"),
         [](const std::string&, CliOptions& o) -> std::string {
             o.format.bNoShrinkToFit = true;
             return {};
         },
         {}},
        {kOutput, "chroma", 0, "MODE",
         words::Filled(shown::translate("CommandLine",
                                        "colour resolution of JPG and AVIF: %1 (default %2: 420 "
                                        "below quality 90, else 444, which --max-file-size keeps "
                                        "only where the --quality file fits)"),
                       {JoinOr(chroma.shown), chroma.NameOf(d.nChroma)}),
         [chroma](const std::string& v, CliOptions& o) -> std::string {
             for (const Accepted& a : chroma.accepted)
                 if (v == a.name) {
                     o.format.nChroma = a.value;
                     return {};
                 }
             return words::Filled(shown::translate("CommandLine", "must be one of %1"),
                                  {JoinOr(chroma.shown)});
         },
         chroma.shown},
        {kOutput,
         "progressive",
         0,
         nullptr,
         shown::translate("CommandLine", "progressive JPG, shown coarse first while it loads"),
         [](const std::string&, CliOptions& o) -> std::string {
             o.format.bProgressive = true;
             return {};
         },
         {}},
    };
}

}  // namespace cli
