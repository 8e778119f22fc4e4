#include "CliOptions.h"

#include <cstdlib>
#include <functional>
#include <limits>

#include "CliRules.h"
#include "run/MemoryEstimate.h"
#include "model/OptionTables.h"
#include "model/RawDevelop.h"
#include "settings/PresetStore.h"

namespace cli {
namespace {

constexpr int64_t kMaxSide = kMaxOutputSide;
constexpr int64_t kMaxFontPixels = 10000;
constexpr int kMaxJobs = 256;
constexpr int64_t kMaxMemoryMiB = int64_t{1} << 30;  // a pebibyte
constexpr int64_t kMaxNumberStart = 1000000000;
constexpr int64_t kMaxNumberWidth = 10;

ChoiceSet FormatSet() {
    ChoiceSet set;
    for (const OutputFormatRow& row : OutputFormats())
        for (std::size_t i = 0; i < row.cliNames.size(); ++i)
            set.Add(row.cliNames[i], row.id, i == 0);
    return set;
}

// The names of the formats (list texts) and the size rules (command-line
// names) a setting applies to, "a, b or c".
std::string FormatsWith(unsigned setting) {
    std::vector<std::string> names;
    for (const OutputFormatRow& row : OutputFormats())
        if ((row.settings & setting) && !(row.settings & kFollowsSource))
            names.push_back(row.listText);
    return JoinOr(names);
}

std::string RulesWith(unsigned input) {
    std::vector<std::string> names;
    for (const SizeRuleRow& row : SizeRules())
        if (row.inputs & input)
            names.push_back(row.cliName);
    return "--size " + JoinOr(names);
}

ChoiceSet SizeSet() {
    ChoiceSet set;
    for (const SizeRuleRow& row : SizeRules())
        set.Add(row.cliName, row.id);
    return set;
}

ChoiceSet PixelFormatSet() {
    ChoiceSet set;
    for (int i = 0; i < kPixelFormatChoiceCount; ++i)
        set.Add(PixelFormatChoices()[i].cliName, i);
    // The list positions are accepted as well, as the settings store them.
    for (int i = 0; i < kPixelFormatChoiceCount; ++i)
        set.Add(std::to_string(i), i, false);
    return set;
}

ChoiceSet OverwriteSet() {
    ChoiceSet set;
    set.Add("ask", static_cast<int32_t>(OverwritePolicy::Ask));
    set.Add("yes", static_cast<int32_t>(OverwritePolicy::Yes));
    set.Add("no", static_cast<int32_t>(OverwritePolicy::No));
    return set;
}

OptionRule Choice(const char* group, const char* longName, char shortName, const char* valueName,
                  const ChoiceSet& set, const std::string& help,
                  std::function<void(CliOptions&, int32_t)> apply) {
    Handler handle = [set, apply](const std::string& v, CliOptions& o) -> std::string {
        for (const Accepted& a : set.accepted)
            if (v == a.name) {
                apply(o, a.value);
                return {};
            }
        return "must be one of " + JoinOr(set.shown);
    };
    return {group, longName, shortName, valueName, help, handle, set.shown};
}

Handler IntIn(int64_t low, int64_t high, std::function<void(CliOptions&, int64_t)> set) {
    return [=](const std::string& v, CliOptions& o) -> std::string {
        int64_t x = 0;
        if (!ParseInt(v, low, high, x))
            return "must be an integer from " + std::to_string(low) + " to " + std::to_string(high);
        set(o, x);
        return {};
    };
}

Handler Flag(std::function<void(CliOptions&)> set) {
    return [=](const std::string&, CliOptions& o) -> std::string {
        set(o);
        return {};
    };
}

std::string Default(const std::string& value) { return " (default " + value + ")"; }

Handler PathIn(const char* what, std::function<void(CliOptions&, const std::string&)> set) {
    return [=](const std::string& v, CliOptions& o) -> std::string {
        if (v.empty())
            return std::string("must name a ") + what;
        set(o, v);
        return {};
    };
}

Handler PresetName(std::function<void(CliOptions&, const std::string&)> set) {
    return [=](const std::string& v, CliOptions& o) -> std::string {
        std::string problem = presets::NameProblem(v);
        if (problem.empty())
            set(o, v);
        return problem;
    };
}

}  // namespace

const std::vector<OptionRule>& Rules() {
    static const std::vector<OptionRule> rules = [] {
        const OutputPhotoFormat d = BuiltInDefaultOutputPhotoFormat();
        const ChoiceSet formats = FormatSet(), sizes = SizeSet(), pixels = PixelFormatSet();
        const ChoiceSet keeps = FromRows(KeepAspectChoices());
        const ChoiceSet rotations = FromRows(RotationChoices());
        const ChoiceSet flips = FromRows(FlipChoices());
        const ChoiceSet metadata = FromRows(MetadataChoices());
        const ChoiceSet dates = FromRows(NamingDateChoices());
        const ChoiceSet overwrites = OverwriteSet();
        const ChoiceSet anchors = FromRows(TextAnchors()), effects = FromRows(TextEffects());
        const OutputNaming naming;
        const TextOverlay overlay;
        constexpr const char* kOutput = "Output";
        constexpr const char* kNames = "Names";
        constexpr const char* kText = "Text overlay";
        constexpr const char* kRun = "Run";
        constexpr const char* kPresets = "Presets";
        constexpr const char* kScripts = "Scripts and clusters";
        OptionRule preset{kPresets, "preset", 0, "NAME",
                          "start from the saved preset NAME; options after it override it",
                          PresetName([](CliOptions& o, const std::string& v) { o.preset = v; }), {}};
        preset.appliesPreset = true;
        return std::vector<OptionRule>{
            {kOutput, "output", 'o', "DIR",
             "output folder (default: the work folder, Pictures/Quillmere/)",
             PathIn("folder", [](CliOptions& o, const std::string& v) { o.outputFolder = v; }), {}},
            Choice(kOutput, "format", 'f', "FMT", formats,
                   JoinOr(formats.shown) + Default(formats.NameOf(d.nOuptputFormat)),
                   [](CliOptions& o, int32_t x) { o.format.nOuptputFormat = x; }),
            Choice(kOutput, "size", 0, "RULE", sizes,
                   JoinOr(sizes.shown) + Default(sizes.NameOf(d.nOuputSizeType)),
                   [](CliOptions& o, int32_t x) { o.format.nOuputSizeType = x; }),
            {kOutput, "width", 'W', "N",
             "output width for " + RulesWith(kUsesWidthHeight) + Default(std::to_string(d.nOutputWidth)),
             IntIn(1, kMaxSide, [](CliOptions& o, int64_t x) { o.format.nOutputWidth = static_cast<int32_t>(x); }),
             {}},
            {kOutput, "height", 'H', "N",
             "output height for " + RulesWith(kUsesWidthHeight) + Default(std::to_string(d.nOutputHeight)),
             IntIn(1, kMaxSide, [](CliOptions& o, int64_t x) { o.format.nOutputHeight = static_cast<int32_t>(x); }),
             {}},
            {kOutput, "long-edge", 0, "N",
             "the longer side for " + RulesWith(kUsesLongEdge) + Default(std::to_string(d.nLongEdge)),
             IntIn(1, kMaxSide, [](CliOptions& o, int64_t x) { o.format.nLongEdge = static_cast<int32_t>(x); }),
             {}},
            {kOutput, "no-enlarge", 0, nullptr,
             "with " + RulesWith(kUsesNoEnlarge) + ": a photo smaller than the result keeps its size",
             Flag([](CliOptions& o) { o.format.bNoEnlarge = true; }), {}},
            Choice(kOutput, "keep-aspect", 0, "FROM", keeps,
                   JoinOr(keeps.shown) + Default(keeps.NameOf(d.nKeepAspectRatio)),
                   [](CliOptions& o, int32_t x) { o.format.nKeepAspectRatio = x; }),
            {kOutput, "stretch", 0, "H,V", "factors for --size stretch (default 1,1)",
             [](const std::string& v, CliOptions& o) -> std::string {
                 std::string h, vert;
                 double dh = 0, dv = 0;
                 if (!SplitPair(v, h, vert) || !ParseDouble(h, kMinStretch, kMaxStretch, dh) ||
                     !ParseDouble(vert, kMinStretch, kMaxStretch, dv))
                     return "must be two factors H,V from 0.000001 to 1000000";
                 o.format.dStretchHorizontal = dh;
                 o.format.dStretchVertical = dv;
                 return {};
             },
             {}},
            Choice(kOutput, "pixel-format", 0, "PF", pixels,
                   "BMP pixel format: " + JoinOr(pixels.shown) + ", or 0 to " +
                       std::to_string(kPixelFormatChoiceCount - 1) +
                       Default(pixels.NameOf(d.iComboPixelFormat)),
                   [](CliOptions& o, int32_t x) { o.format.iComboPixelFormat = x; }),
            {kOutput, "quality", 'q', "N",
             "quality of " + FormatsWith(kUsesQuality) + ", " + std::to_string(kMinQuality) + " to " +
                 std::to_string(kMaxQuality) + Default(std::to_string(d.nCurrentJpegQuality)),
             IntIn(kMinQuality, kMaxQuality,
                   [](CliOptions& o, int64_t x) { o.format.nCurrentJpegQuality = static_cast<int32_t>(x); }),
             {}},
            {kOutput, "lossless", 0, nullptr,
             "lossless " + FormatsWith(kUsesLossless) + " (the quality is not used)",
             Flag([](CliOptions& o) { o.format.bLossless = true; }), {}},
            Choice(kOutput, "metadata", 0, "KEEP", metadata,
                   "camera data (EXIF, XMP, IPTC) the outputs keep: " + JoinOr(metadata.shown) +
                       Default(metadata.NameOf(d.nMetadata)),
                   [](CliOptions& o, int32_t x) { o.format.nMetadata = x; }),
            // Camera RAW sources.
            Choice(kOutput, "raw", 0, "HOW", FromRows(RawDevelopChoices()),
                   "how camera RAW photos are developed: auto (the camera's preview when it "
                   "covers the output, else half size when that does, else full), preview or full" +
                       Default(FromRows(RawDevelopChoices()).NameOf(d.nRawDevelop)),
                   [](CliOptions& o, int32_t x) { o.format.nRawDevelop = x; }),
            Choice(kOutput, "rotate", 0, "DEG", rotations,
                   JoinOr(rotations.shown) + Default(rotations.NameOf(d.nRotateAngel)),
                   [](CliOptions& o, int32_t x) { o.format.nRotateAngel = x; }),
            Choice(kOutput, "flip", 0, "HOW", flips,
                   JoinOr(flips.shown) + Default(flips.NameOf(d.nFlipType)),
                   [](CliOptions& o, int32_t x) { o.format.nFlipType = x; }),
            {kNames, "prefix", 0, "TEXT", "rename prefix" + Default("\"" + naming.prefix + "\""),
             [](const std::string& v, CliOptions& o) -> std::string {
                 if (v.find('/') != std::string::npos)
                     return "must not contain '/'";
                 o.naming.prefix = v;
                 return {};
             },
             {}},
            {kNames, "no-rename", 0, nullptr, "keep the source names, change the extension only",
             Flag([](CliOptions& o) { o.naming.notRename = true; }), {}},
            Choice(kNames, "date", 0, "WHICH", dates,
                   "the date in the names: " + JoinOr(dates.shown) + " (from EXIF, else the file's)" +
                       Default(dates.NameOf(naming.date)),
                   [](CliOptions& o, int32_t x) { o.naming.date = x; }),
            {kNames, "keep-folders", 0, nullptr,
             "photos found in a folder keep their path below it inside the run folder",
             Flag([](CliOptions& o) { o.naming.keepFolders = true; }), {}},
            {kNames, "number-start", 0, "N", "the number of the first photo" + Default("1"),
             IntIn(0, kMaxNumberStart,
                   [](CliOptions& o, int64_t x) { o.naming.numberStart = static_cast<int32_t>(x); }),
             {}},
            {kNames, "number-width", 0, "W",
             "digits the numbers are padded to (default: those of the last number)",
             IntIn(1, kMaxNumberWidth,
                   [](CliOptions& o, int64_t x) { o.naming.numberWidth = static_cast<int32_t>(x); }),
             {}},
            {kText, "text", 0, "TEXT", "a line of text drawn on every photo",
             [](const std::string& v, CliOptions& o) -> std::string {
                 // Drawn as one line, a line break would be lost.
                 if (v.find_first_of("\r\n") != std::string::npos)
                     return "must be one line, without line breaks";
                 o.overlay.text = v;
                 return {};
             },
             {}},
            {kText, "text-pos", 0, "X,Y",
             "its margin in output pixels from the anchor; for top-left, its top-left corner "
             "(default 0,0)",
             [](const std::string& v, CliOptions& o) -> std::string {
                 std::string xs, ys;
                 int64_t x = 0, y = 0;
                 constexpr int64_t lo = std::numeric_limits<int32_t>::min();
                 constexpr int64_t hi = std::numeric_limits<int32_t>::max();
                 if (!SplitPair(v, xs, ys) || !ParseInt(xs, lo, hi, x) || !ParseInt(ys, lo, hi, y))
                     return "must be two integers X,Y";
                 o.overlay.x = static_cast<int32_t>(x);
                 o.overlay.y = static_cast<int32_t>(y);
                 return {};
             },
             {}},
            Choice(kText, "text-anchor", 0, "WHERE", anchors,
                   JoinOr(anchors.shown) + Default(anchors.NameOf(overlay.anchor)),
                   [](CliOptions& o, int32_t x) { o.overlay.anchor = x; }),
            {kText, "font", 0, "FAMILY", "font family (default: the sans-serif font)",
             [](const std::string& v, CliOptions& o) -> std::string {
                 if (TruncateFaceName(v) != v)
                     return "must be a family name of at most 31 characters";
                 o.overlay.font.lfFaceName = v;
                 return {};
             },
             {}},
            {kText, "font-px", 0, "N",
             "font size in pixels" + Default(std::to_string(-overlay.font.lfHeight)),
             IntIn(1, kMaxFontPixels,
                   [](CliOptions& o, int64_t x) { o.overlay.font.lfHeight = -static_cast<int32_t>(x); }),
             {}},
            {kText, "text-size-percent", 0, "P",
             "text size as a percentage of the output's shorter side, in place of --font-px; 0 "
             "to 100 (default 0: the font's size)",
             [](const std::string& v, CliOptions& o) -> std::string {
                 double percent = 0;
                 if (!ParseDouble(v, 0, kMaxTextSizePercent, percent))
                     return "must be a number from 0 to 100";
                 o.overlay.sizePercent = percent;
                 return {};
             },
             {}},
            {kText, "bold", 0, nullptr, "bold text", Flag([](CliOptions& o) { o.overlay.font.lfWeight = 700; }), {}},
            {kText, "italic", 0, nullptr, "italic text", Flag([](CliOptions& o) { o.overlay.font.lfItalic = 1; }), {}},
            {kText, "underline", 0, nullptr, "underlined text",
             Flag([](CliOptions& o) { o.overlay.font.lfUnderline = 1; }), {}},
            {kText, "strikeout", 0, nullptr, "struck-out text",
             Flag([](CliOptions& o) { o.overlay.font.lfStrikeOut = 1; }), {}},
            {kText, "color", 0, "RRGGBB", "text colour (default 000000)",
             [](const std::string& v, CliOptions& o) -> std::string {
                 std::string hex = v;
                 if (!hex.empty() && hex[0] == '#')
                     hex.erase(0, 1);
                 if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
                     return "must be six hexadecimal digits RRGGBB";
                 const uint32_t rgb = static_cast<uint32_t>(std::strtoul(hex.c_str(), nullptr, 16));
                 // Stored the way the font record's colour is: 0x00BBGGRR.
                 o.overlay.color = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
                 return {};
             },
             {}},
            {kText, "text-opacity", 0, "N", "text opacity in percent, 0 to 100" + Default("100"),
             IntIn(0, 100, [](CliOptions& o, int64_t x) { o.overlay.opacity = static_cast<int32_t>(x); }), {}},
            Choice(kText, "text-effect", 0, "HOW", effects,
                   JoinOr(effects.shown) + " around the text" + Default(effects.NameOf(overlay.effect)),
                   [](CliOptions& o, int32_t x) { o.overlay.effect = x; }),
            preset,
            {kPresets, "save-preset", 0, "NAME",
             "save the settings this command gives as preset NAME (PATHs optional)",
             PresetName([](CliOptions& o, const std::string& v) { o.savePreset = v; }), {}},
            {kPresets, "list-presets", 0, nullptr, "print the saved presets' names, one per line",
             Flag([](CliOptions& o) { o.listPresets = true; }), {}},
            {kScripts, "files-from", 0, "FILE",
             "also convert the paths listed in FILE, one per line (- for standard input)",
             PathIn("file", [](CliOptions& o, const std::string& v) { o.filesFrom = v; }), {}},
            {kScripts, "null", 0, nullptr, "the --files-from entries end with NUL, as find -print0 writes them",
             Flag([](CliOptions& o) { o.nulSeparated = true; }), {}},
            {kScripts, "into", 0, "DIR",
             "write into DIR (made if missing) instead of a new time-stamped folder",
             PathIn("folder", [](CliOptions& o, const std::string& v) { o.into = v; }), {}},
            {kScripts, "report", 0, "FILE",
             "write one JSON object per photo, then a summary object, one per line, to FILE",
             PathIn("file", [](CliOptions& o, const std::string& v) { o.report = v; }), {}},
            Choice(kRun, "overwrite", 0, "POLICY", overwrites,
                   JoinOr(overwrites.shown) +
                       " when an output file exists (default: ask when standard input is a "
                       "terminal, else no)",
                   [](CliOptions& o, int32_t x) { o.overwrite = static_cast<OverwritePolicy>(x); }),
            {kRun, "jobs", 'j', "N", "photos converted at once (default: one per core)",
             IntIn(1, kMaxJobs, [](CliOptions& o, int64_t x) { o.jobs = static_cast<int>(x); }), {}},
            {kRun, "max-memory", 0, "MIB",
             "memory the photos in hand may take, in MiB; a larger photo converts alone "
             "(default: half the physical memory, " +
                 std::to_string(DefaultMemoryBudget() >> 20) + " MiB)",
             IntIn(1, kMaxMemoryMiB, [](CliOptions& o, int64_t x) { o.maxMemoryMiB = x; }), {}},
            {kRun, "quiet", 0, nullptr, "no progress bar and no notices",
             Flag([](CliOptions& o) { o.quiet = true; }), {}},
            {kRun, "list-values", 0, "OPTION",
             "print the values a fixed-set option accepts, one per line",
             [](const std::string& v, CliOptions& o) -> std::string {
                 o.listValues = v;
                 return {};
             },
             {}},
            {kRun, "help", 'h', nullptr, "this text", Flag([](CliOptions& o) { o.help = true; }), {}},
            {kRun, "version", 0, nullptr, "the program's version",
             Flag([](CliOptions& o) { o.version = true; }), {}},
        };
    }();
    return rules;
}

}  // namespace cli
