#include "CliOptions.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include <QtGlobal>

#include "CliRules.h"
#include "model/NumberSettings.h"
#include "model/OptionTables.h"
#include "platform/Words.h"
#include "run/MemoryEstimate.h"
#include "settings/PresetStore.h"

namespace cli {

namespace n = numbers;

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
    for (const SizeRuleRow& row : SizeRules()) set.Add(row.cliName, row.id);
    return set;
}

ChoiceSet PixelFormatSet() {
    ChoiceSet set;
    for (const PixelFormatChoice& row : PixelFormatChoices()) set.Add(row.cliName, row.id);
    // The ids are accepted as well, as the settings store them.
    for (const PixelFormatChoice& row : PixelFormatChoices())
        set.Add(std::to_string(row.id), row.id, false);
    return set;
}

// The ids of the pixel formats as the usage shows them: "0 to 9" while they
// run without a gap, else each of them.
std::string PixelFormatIds() {
    std::vector<int32_t> ids = IdsOf(PixelFormatChoices());
    std::sort(ids.begin(), ids.end());
    if (!ids.empty() && ids.back() - ids.front() + 1 == static_cast<int32_t>(ids.size()))
        return words::Filled(shown::translate("CommandLine", "%1 to %2"),
                             {std::to_string(ids.front()), std::to_string(ids.back())});
    std::vector<std::string> names;
    for (const int32_t id : ids) names.push_back(std::to_string(id));
    return JoinOr(names);
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
        return words::Filled(shown::translate("CommandLine", "must be one of %1"),
                             {JoinOr(set.shown)});
    };
    return {group, longName, shortName, valueName, help, handle, set.shown};
}

// A value of a numeric setting, refused outside the row's range.
bool ParseNumber(const NumberSetting& row, const std::string& text, double& out) {
    if (!row.whole)
        return ParseDouble(text, row.min, row.max, out);
    int64_t whole = 0;
    if (!ParseInt(text, static_cast<int64_t>(row.min), static_cast<int64_t>(row.max), whole))
        return false;
    out = static_cast<double>(whole);
    return true;
}

std::string MustBe(const NumberSetting& row) {
    return words::Filled(row.whole
                             ? shown::translate("CommandLine", "must be an integer from %1 to %2")
                             : shown::translate("CommandLine", "must be a number from %1 to %2"),
                         {NumberText(row.min), NumberText(row.max)});
}

Handler NumberIn(const NumberSetting& row, std::function<void(CliOptions&, double)> set) {
    return [&row, set](const std::string& v, CliOptions& o) -> std::string {
        double x = 0;
        if (!ParseNumber(row, v, x))
            return MustBe(row);
        set(o, x);
        return {};
    };
}

// Two values "A,B" of two settings, refused unless both are in range.
Handler PairIn(const NumberSetting& first, const NumberSetting& second, const std::string& refusal,
               std::function<void(CliOptions&, double, double)> set) {
    return [&first, &second, refusal, set](const std::string& v, CliOptions& o) -> std::string {
        std::string a, b;
        double x = 0, y = 0;
        if (!SplitPair(v, a, b) || !ParseNumber(first, a, x) || !ParseNumber(second, b, y))
            return refusal;
        set(o, x, y);
        return {};
    };
}

Handler Flag(std::function<void(CliOptions&)> set) {
    return [=](const std::string&, CliOptions& o) -> std::string {
        set(o);
        return {};
    };
}

std::string Default(const std::string& value) {
    return words::Filled(shown::translate("CommandLine", " (default %1)"), {value});
}
std::string Default(const NumberSetting& row) {
    return Default(NumberText(row.builtIn));
}
// ", 1 to 100": the range, after the setting's description.
std::string Range(const NumberSetting& row) {
    return ", " + RangeShown(row);
}

std::string RangeShown(const NumberSetting& row) {
    return words::Filled(shown::translate("CommandLine", "%1 to %2"),
                         {NumberText(row.min), NumberText(row.max)});
}

Handler PathIn(const char* what, std::function<void(CliOptions&, const std::string&)> set) {
    return [=](const std::string& v, CliOptions& o) -> std::string {
        if (v.empty())
            return std::string(what) == "folder"
                       ? shown::translate("CommandLine", "must name a folder")
                       : shown::translate("CommandLine", "must name a file");
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

std::string ParseColour(const std::string& text, uint32_t& colour) {
    std::string hex = text;
    if (!hex.empty() && hex[0] == '#')
        hex.erase(0, 1);
    if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return shown::translate("CommandLine", "must be six hexadecimal digits RRGGBB");
    const uint32_t rgb = static_cast<uint32_t>(std::strtoul(hex.c_str(), nullptr, 16));
    colour = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    return {};
}

const std::vector<OptionRule>& Rules() {
    static const std::vector<OptionRule> rules = WithFrameRules([] {
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
        constexpr const char* kOutput = QT_TRANSLATE_NOOP("CommandLine", "Output");
        constexpr const char* kNames = QT_TRANSLATE_NOOP("CommandLine", "Names");
        constexpr const char* kText = QT_TRANSLATE_NOOP("CommandLine", "Text overlay");
        constexpr const char* kRun = QT_TRANSLATE_NOOP("CommandLine", "Run");
        constexpr const char* kPresets = QT_TRANSLATE_NOOP("CommandLine", "Presets");
        constexpr const char* kScripts = QT_TRANSLATE_NOOP("CommandLine", "Scripts and clusters");
        OptionRule preset{
            kPresets,
            "preset",
            0,
            "NAME",
            shown::translate("CommandLine",
                             "start from the saved preset NAME; options after it override it"),
            PresetName([](CliOptions& o, const std::string& v) { o.preset = v; }),
            {}};
        preset.appliesPreset = true;
        std::vector<OptionRule> all{
            {kOutput,
             "output",
             'o',
             "DIR",
             shown::translate("CommandLine",
                              "output folder (default: the work folder, Pictures/Quillmere/)"),
             PathIn("folder", [](CliOptions& o, const std::string& v) { o.outputFolder = v; }),
             {}},
            Choice(kOutput, "format", 'f', "FMT", formats,
                   JoinOr(formats.shown) + Default(formats.NameOf(d.nOuptputFormat)),
                   [](CliOptions& o, int32_t x) { o.format.nOuptputFormat = x; }),
            Choice(kOutput, "size", 0, "RULE", sizes,
                   JoinOr(sizes.shown) + Default(sizes.NameOf(d.nOuputSizeType)),
                   [](CliOptions& o, int32_t x) { o.format.nOuputSizeType = x; }),
            {kOutput,
             "width",
             'W',
             "N",
             words::Filled(shown::translate("CommandLine", "output width for %1"),
                           {RulesWith(kUsesWidthHeight)}) +
                 Range(n::kOutputWidth) + Default(n::kOutputWidth),
             NumberIn(
                 n::kOutputWidth,
                 [](CliOptions& o, double x) { o.format.nOutputWidth = static_cast<int32_t>(x); }),
             {}},
            {kOutput,
             "height",
             'H',
             "N",
             words::Filled(shown::translate("CommandLine", "output height for %1"),
                           {RulesWith(kUsesWidthHeight)}) +
                 Range(n::kOutputHeight) + Default(n::kOutputHeight),
             NumberIn(
                 n::kOutputHeight,
                 [](CliOptions& o, double x) { o.format.nOutputHeight = static_cast<int32_t>(x); }),
             {}},
            {kOutput,
             "long-edge",
             0,
             "N",
             words::Filled(shown::translate("CommandLine", "the longer side for %1"),
                           {RulesWith(kUsesLongEdge)}) +
                 Range(n::kLongEdge) + Default(n::kLongEdge),
             NumberIn(n::kLongEdge, [](CliOptions& o,
                                       double x) { o.format.nLongEdge = static_cast<int32_t>(x); }),
             {}},
            {kOutput,
             "no-enlarge",
             0,
             nullptr,
             words::Filled(
                 shown::translate("CommandLine",
                                  "with %1: a photo smaller than the result keeps its size"),
                 {RulesWith(kUsesNoEnlarge)}),
             Flag([](CliOptions& o) { o.format.bNoEnlarge = true; }),
             {}},
            Choice(kOutput, "keep-aspect", 0, "FROM", keeps,
                   JoinOr(keeps.shown) + Default(keeps.NameOf(d.nKeepAspectRatio)),
                   [](CliOptions& o, int32_t x) { o.format.nKeepAspectRatio = x; }),
            {kOutput,
             "stretch",
             0,
             "H,V",
             words::Filled(shown::translate("CommandLine", "factors for %1"),
                           {RulesWith(kUsesStretch)}) +
                 Range(n::kStretchHorizontal) +
                 Default(NumberText(n::kStretchHorizontal.builtIn) + "," +
                         NumberText(n::kStretchVertical.builtIn)),
             PairIn(
                 n::kStretchHorizontal, n::kStretchVertical,
                 words::Filled(shown::translate("CommandLine", "must be two factors H,V from %1"),
                               {RangeShown(n::kStretchHorizontal)}),
                 [](CliOptions& o, double h, double v) {
                     o.format.dStretchHorizontal = h;
                     o.format.dStretchVertical = v;
                 }),
             {}},
            Choice(kOutput, "pixel-format", 0, "PF", pixels,
                   words::Filled(shown::translate("CommandLine", "BMP pixel format: %1, or %2"),
                                 {JoinOr(pixels.shown), PixelFormatIds()}) +
                       Default(pixels.NameOf(d.iComboPixelFormat)),
                   [](CliOptions& o, int32_t x) { o.format.iComboPixelFormat = x; }),
            PaletteRule(),
            {kOutput,
             "quality",
             'q',
             "N",
             words::Filled(shown::translate("CommandLine", "quality of %1"),
                           {FormatsWith(kUsesQuality)}) +
                 Range(n::kQuality) + Default(n::kQuality),
             NumberIn(n::kQuality,
                      [](CliOptions& o, double x) {
                          o.format.nCurrentJpegQuality = static_cast<int32_t>(x);
                      }),
             {}},
            {kOutput,
             "lossless",
             0,
             nullptr,
             words::Filled(shown::translate("CommandLine", "lossless %1 (the quality is not used)"),
                           {FormatsWith(kUsesLossless)}),
             Flag([](CliOptions& o) { o.format.bLossless = true; }),
             {}},
            Choice(kOutput, "metadata", 0, "KEEP", metadata,
                   words::Filled(
                       shown::translate("CommandLine",
                                        "camera data (EXIF, XMP, IPTC) the outputs keep: %1"),
                       {JoinOr(metadata.shown)}) +
                       Default(metadata.NameOf(d.nMetadata)),
                   [](CliOptions& o, int32_t x) { o.format.nMetadata = x; }),
            RawDevelopRule(),
            Choice(kOutput, "rotate", 0, "DEG", rotations,
                   JoinOr(rotations.shown) + Default(rotations.NameOf(d.nRotateAngel)),
                   [](CliOptions& o, int32_t x) { o.format.nRotateAngel = x; }),
            Choice(kOutput, "flip", 0, "HOW", flips,
                   JoinOr(flips.shown) + Default(flips.NameOf(d.nFlipType)),
                   [](CliOptions& o, int32_t x) { o.format.nFlipType = x; }),
            {kNames,
             "prefix",
             0,
             "TEXT",
             shown::translate("CommandLine", "rename prefix") +
                 Default("\"" + naming.prefix + "\""),
             [](const std::string& v, CliOptions& o) -> std::string {
                 if (v.find('/') != std::string::npos)
                     return shown::translate("CommandLine", "must not contain '/'");
                 o.naming.prefix = v;
                 return {};
             },
             {}},
            {kNames,
             "no-rename",
             0,
             nullptr,
             shown::translate("CommandLine", "keep the source names, change the extension only"),
             Flag([](CliOptions& o) { o.naming.notRename = true; }),
             {}},
            Choice(kNames, "date", 0, "WHICH", dates,
                   words::Filled(
                       shown::translate("CommandLine",
                                        "the date in the names: %1 (from EXIF, else the file's)"),
                       {JoinOr(dates.shown)}) +
                       Default(dates.NameOf(naming.date)),
                   [](CliOptions& o, int32_t x) { o.naming.date = x; }),
            {kNames,
             "keep-folders",
             0,
             nullptr,
             shown::translate(
                 "CommandLine",
                 "photos found in a folder keep their path below it inside the run folder"),
             Flag([](CliOptions& o) { o.naming.keepFolders = true; }),
             {}},
            {kNames,
             "number-start",
             0,
             "N",
             shown::translate("CommandLine", "the number of the first photo") +
                 Range(n::kNumberStart) + Default(n::kNumberStart),
             NumberIn(
                 n::kNumberStart,
                 [](CliOptions& o, double x) { o.naming.numberStart = static_cast<int32_t>(x); }),
             {}},
            {kNames,
             "number-width",
             0,
             "W",
             shown::translate("CommandLine", "digits the numbers are padded to") +
                 Range(n::kNumberWidth) +
                 shown::translate("CommandLine", " (default: those of the last number)"),
             NumberIn(
                 n::kNumberWidth,
                 [](CliOptions& o, double x) { o.naming.numberWidth = static_cast<int32_t>(x); }),
             {}},
            {kText,
             "text",
             0,
             "TEXT",
             shown::translate("CommandLine", "a line of text drawn on every photo"),
             [](const std::string& v, CliOptions& o) -> std::string {
                 // Drawn as one line, a line break would be lost.
                 if (v.find_first_of("\r\n") != std::string::npos)
                     return shown::translate("CommandLine",
                                             "must be one line, without line breaks");
                 o.overlay.text = v;
                 return {};
             },
             {}},
            {kText,
             "text-pos",
             0,
             "X,Y",
             shown::translate("CommandLine",
                              "its margin in output pixels from the anchor; for top-left, its "
                              "top-left corner (default 0,0)"),
             PairIn(n::kTextX, n::kTextY, "must be two integers X,Y",
                    [](CliOptions& o, double x, double y) {
                        o.overlay.x = static_cast<int32_t>(x);
                        o.overlay.y = static_cast<int32_t>(y);
                    }),
             {}},
            Choice(kText, "text-anchor", 0, "WHERE", anchors,
                   JoinOr(anchors.shown) + Default(anchors.NameOf(overlay.anchor)),
                   [](CliOptions& o, int32_t x) { o.overlay.anchor = x; }),
            {kText,
             "font",
             0,
             "FAMILY",
             shown::translate("CommandLine", "font family (default: the sans-serif font)"),
             [](const std::string& v, CliOptions& o) -> std::string {
                 if (TruncateFaceName(v) != v)
                     return shown::translate("CommandLine",
                                             "must be a family name of at most 31 characters");
                 o.overlay.font.lfFaceName = v;
                 return {};
             },
             {}},
            {kText,
             "font-px",
             0,
             "N",
             shown::translate("CommandLine", "font size in pixels") + Range(n::kFontPixels) +
                 Default(n::kFontPixels),
             NumberIn(n::kFontPixels,
                      [](CliOptions& o, double x) {
                          // Kept as the font record keeps a size in pixels.
                          o.overlay.font.lfHeight = -static_cast<int32_t>(x);
                      }),
             {}},
            {kText,
             "text-size-percent",
             0,
             "P",
             words::Filled(
                 shown::translate("CommandLine",
                                  "text size as a percentage of the output's shorter "
                                  "side, in place of --font-px; %1 (default %2: the "
                                  "font's size)"),
                 {RangeShown(n::kTextSizePercent), NumberText(n::kTextSizePercent.builtIn)}),
             NumberIn(n::kTextSizePercent,
                      [](CliOptions& o, double x) { o.overlay.sizePercent = x; }),
             {}},
            {kText,
             "bold",
             0,
             nullptr,
             shown::translate("CommandLine", "bold text"),
             Flag([](CliOptions& o) { o.overlay.font.lfWeight = 700; }),
             {}},
            {kText,
             "italic",
             0,
             nullptr,
             shown::translate("CommandLine", "italic text"),
             Flag([](CliOptions& o) { o.overlay.font.lfItalic = 1; }),
             {}},
            {kText,
             "underline",
             0,
             nullptr,
             shown::translate("CommandLine", "underlined text"),
             Flag([](CliOptions& o) { o.overlay.font.lfUnderline = 1; }),
             {}},
            {kText,
             "strikeout",
             0,
             nullptr,
             shown::translate("CommandLine", "struck-out text"),
             Flag([](CliOptions& o) { o.overlay.font.lfStrikeOut = 1; }),
             {}},
            {kText,
             "color",
             0,
             "RRGGBB",
             shown::translate("CommandLine", "text colour (default 000000)"),
             [](const std::string& v, CliOptions& o) { return ParseColour(v, o.overlay.color); },
             {}},
            {kText,
             "text-opacity",
             0,
             "N",
             shown::translate("CommandLine", "text opacity in percent") + Range(n::kTextOpacity) +
                 Default(n::kTextOpacity),
             NumberIn(n::kTextOpacity,
                      [](CliOptions& o, double x) { o.overlay.opacity = static_cast<int32_t>(x); }),
             {}},
            Choice(kText, "text-effect", 0, "HOW", effects,
                   words::Filled(shown::translate("CommandLine", "%1 around the text"),
                                 {JoinOr(effects.shown)}) +
                       Default(effects.NameOf(overlay.effect)),
                   [](CliOptions& o, int32_t x) { o.overlay.effect = x; }),
            preset,
            {kPresets,
             "save-preset",
             0,
             "NAME",
             shown::translate(
                 "CommandLine",
                 "save the settings this command gives as preset NAME (PATHs optional)"),
             PresetName([](CliOptions& o, const std::string& v) { o.savePreset = v; }),
             {}},
            {kPresets,
             "list-presets",
             0,
             nullptr,
             shown::translate("CommandLine", "print the saved presets' names, one per line"),
             Flag([](CliOptions& o) { o.listPresets = true; }),
             {}},
            {kScripts,
             "files-from",
             0,
             "FILE",
             shown::translate(
                 "CommandLine",
                 "also convert the paths listed in FILE, one per line (- for standard input)"),
             PathIn("file", [](CliOptions& o, const std::string& v) { o.filesFrom = v; }),
             {}},
            {kScripts,
             "null",
             0,
             nullptr,
             shown::translate("CommandLine",
                              "the --files-from entries end with NUL, as find -print0 writes them"),
             Flag([](CliOptions& o) { o.nulSeparated = true; }),
             {}},
            {kScripts,
             "into",
             0,
             "DIR",
             shown::translate(
                 "CommandLine",
                 "write into DIR (made if missing) instead of a new time-stamped folder"),
             PathIn("folder", [](CliOptions& o, const std::string& v) { o.into = v; }),
             {}},
            {kScripts,
             "report",
             0,
             "FILE",
             shown::translate(
                 "CommandLine",
                 "write one JSON object per photo, then a summary object, one per line, to FILE"),
             PathIn("file", [](CliOptions& o, const std::string& v) { o.report = v; }),
             {}},
            {kScripts,
             "summary",
             0,
             "FILE",
             shown::translate("CommandLine",
                              "when the run ends, write to FILE in the user's language how many "
                              "photos were converted and into which folder, then each photo that "
                              "was not, with its reason"),
             PathIn("file", [](CliOptions& o, const std::string& v) { o.summary = v; }),
             {}},
            Choice(
                kRun, "overwrite", 0, "POLICY", overwrites,
                words::Filled(shown::translate("CommandLine",
                                               "%1 when an output file exists (default: ask when "
                                               "standard input is a terminal, else no)"),
                              {JoinOr(overwrites.shown)}),
                [](CliOptions& o, int32_t x) { o.overwrite = static_cast<OverwritePolicy>(x); }),
            {kRun,
             "jobs",
             'j',
             "N",
             shown::translate("CommandLine", "photos converted at once") + Range(n::kJobs) +
                 shown::translate("CommandLine", " (default: one per core)"),
             NumberIn(n::kJobs, [](CliOptions& o, double x) { o.jobs = static_cast<int>(x); }),
             {}},
            {kRun,
             "max-memory",
             0,
             "MIB",
             shown::translate("CommandLine", "memory the photos in hand may take, in MiB") +
                 Range(n::kMaxMemoryMiB) +
                 words::Filled(shown::translate("CommandLine",
                                                "; a larger photo converts alone (default: half "
                                                "the physical memory, %1 MiB)"),
                               {std::to_string(DefaultMemoryBudget() >> 20)}),
             NumberIn(n::kMaxMemoryMiB,
                      [](CliOptions& o, double x) { o.maxMemoryMiB = static_cast<int64_t>(x); }),
             {}},
            {kRun,
             "quiet",
             0,
             nullptr,
             shown::translate("CommandLine", "no progress bar and no notices"),
             Flag([](CliOptions& o) { o.quiet = true; }),
             {}},
            {kRun,
             "list-values",
             0,
             "OPTION",
             shown::translate("CommandLine",
                              "print the values a fixed-set option accepts, one per line"),
             [](const std::string& v, CliOptions& o) -> std::string {
                 o.listValues = v;
                 return {};
             },
             {}},
            {kRun,
             "help",
             'h',
             nullptr,
             shown::translate("CommandLine", "this text"),
             Flag([](CliOptions& o) { o.help = true; }),
             {}},
            {kRun,
             "version",
             0,
             nullptr,
             shown::translate("CommandLine", "the program's version"),
             Flag([](CliOptions& o) { o.version = true; }),
             {}},
        };
        // After the camera data: the last of the output settings that every
        // format shares.
        const auto metadataRule = std::find_if(all.begin(), all.end(), [](const OptionRule& r) {
            return std::string(r.longName) == "metadata";
        });
        const std::vector<OptionRule> fileSize = FileSizeRules();
        all.insert(metadataRule + 1, fileSize.begin(), fileSize.end());
        // After the numbering: the last of the naming options.
        const auto widthRule = std::find_if(all.begin(), all.end(), [](const OptionRule& r) {
            return std::string(r.longName) == "number-width";
        });
        const std::vector<OptionRule> names = NameRules();
        all.insert(widthRule + 1, names.begin(), names.end());
        return all;
    }());
    return rules;
}

}  // namespace cli
