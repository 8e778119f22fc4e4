#include "cli/CliOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>

#include "options/OptionTables.h"

namespace {

constexpr int64_t kMaxSide = kMaxOutputSide;
constexpr int64_t kMaxFontPixels = 10000;
constexpr int kMaxJobs = 256;
// Where the descriptions start in the usage text, and its width.
constexpr std::size_t kHelpColumn = 28;
constexpr std::size_t kUsageWidth = 78;

bool ParseInt(const std::string& text, int64_t low, int64_t high, int64_t& out) {
    if (text.empty())
        return false;
    std::size_t i = 0;
    if (text[0] == '+' || text[0] == '-')
        i = 1;
    if (i == text.size())
        return false;
    for (std::size_t k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9')
            return false;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno == ERANGE || value < low || value > high)
        return false;
    out = value;
    return true;
}

bool ParseDouble(const std::string& text, double low, double high, double& out) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])))
        return false;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(value) || value < low || value > high)
        return false;
    out = value;
    return true;
}

bool SplitPair(const std::string& text, std::string& first, std::string& second) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos)
        return false;
    first = text.substr(0, comma);
    second = text.substr(comma + 1);
    return true;
}

// "a, b, c or d".
std::string JoinOr(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

// One accepted name of a fixed set and the value it stands for.
struct Accepted {
    std::string name;
    int32_t value;
};

// A fixed set: every accepted name, and the ones the usage shows.
struct ChoiceSet {
    std::vector<Accepted> accepted;
    std::vector<std::string> shown;

    void Add(const std::string& name, int32_t value, bool show = true) {
        accepted.push_back({name, value});
        if (show)
            shown.push_back(name);
    }
    std::string NameOf(int32_t value) const {
        for (const Accepted& a : accepted)
            if (a.value == value)
                return a.name;
        return {};
    }
};

ChoiceSet FromNamed(const std::vector<NamedChoice>& rows) {
    ChoiceSet set;
    for (const NamedChoice& row : rows)
        set.Add(row.cliName, row.value);
    return set;
}

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

// A handler takes the value (empty for flags) and returns "" or the reason
// the value is refused ("must be ...").
using Handler = std::function<std::string(const std::string& value, CliOptions& o)>;

struct OptionRule {
    const char* group;      // the usage's heading
    const char* longName;
    char shortName;         // 0: none
    const char* valueName;  // null: a flag
    std::string help;
    Handler handle;
    std::vector<std::string> values;  // a fixed set's shown names
};

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

const std::vector<OptionRule>& Rules() {
    static const std::vector<OptionRule> rules = [] {
        const OutputPhotoFormat d = BuiltInDefaultOutputPhotoFormat();
        const ChoiceSet formats = FormatSet(), sizes = SizeSet(), pixels = PixelFormatSet();
        const ChoiceSet keeps = FromNamed(KeepAspectChoices());
        const ChoiceSet rotations = FromNamed(RotationChoices());
        const ChoiceSet flips = FromNamed(FlipChoices());
        const ChoiceSet metadata = FromNamed(MetadataChoices());
        const ChoiceSet dates = FromNamed(NamingDateChoices());
        const ChoiceSet overwrites = OverwriteSet();
        const OutputNaming naming;
        const TextOverlay overlay;
        constexpr const char* kOutput = "Output";
        constexpr const char* kNames = "Names";
        constexpr const char* kText = "Text overlay";
        constexpr const char* kRun = "Run";
        return std::vector<OptionRule>{
            {kOutput, "output", 'o', "DIR",
             "output folder (default: the work folder, Pictures/Quillmere/)",
             [](const std::string& v, CliOptions& o) -> std::string {
                 if (v.empty())
                     return "must name a folder";
                 o.outputFolder = v;
                 return {};
             },
             {}},
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
            {kText, "text", 0, "TEXT", "a line of text drawn on every photo",
             [](const std::string& v, CliOptions& o) -> std::string {
                 o.overlay.text = v;
                 return {};
             },
             {}},
            {kText, "text-pos", 0, "X,Y", "its top-left corner in output pixels (default 0,0)",
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
            Choice(kRun, "overwrite", 0, "POLICY", overwrites,
                   JoinOr(overwrites.shown) +
                       " when an output file exists (default: ask when standard input is a "
                       "terminal, else no)",
                   [](CliOptions& o, int32_t x) { o.overwrite = static_cast<OverwritePolicy>(x); }),
            {kRun, "jobs", 'j', "N", "photos converted at once (default: one per core)",
             IntIn(1, kMaxJobs, [](CliOptions& o, int64_t x) { o.jobs = static_cast<int>(x); }), {}},
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

// text broken into lines of at most width characters at blanks.
std::vector<std::string> Wrap(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

}  // namespace

ParseOutcome ParseArguments(const std::vector<std::string>& args) {
    ParseOutcome out;
    CliOptions& o = out.options;
    auto fail = [&](std::string message) {
        out.ok = false;
        out.error = std::move(message);
        return out;
    };

    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            o.paths.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }

        const OptionRule* rule = nullptr;
        std::string shown;  // the option as the user wrote it, for messages
        std::optional<std::string> value;
        if (arg[1] == '-') {
            const std::size_t eq = arg.find('=');
            const std::string name = arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
            if (eq != std::string::npos)
                value = arg.substr(eq + 1);
            shown = "--" + name;
            for (const OptionRule& r : Rules())
                if (name == r.longName)
                    rule = &r;
        } else {
            shown = arg.substr(0, 2);
            for (const OptionRule& r : Rules())
                if (r.shortName != 0 && arg[1] == r.shortName)
                    rule = &r;
            if (arg.size() > 2)
                value = arg.substr(arg[2] == '=' ? 3 : 2);
        }
        if (!rule)
            return fail("unknown option " + shown);

        if (!rule->valueName) {
            if (value)
                return fail("option " + shown + " takes no value");
            rule->handle({}, o);
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size())
                return fail("option " + shown + " needs a value");
            value = args[++i];
        }
        const std::string reason = rule->handle(*value, o);
        if (!reason.empty())
            return fail("option " + shown + ": '" + *value + "' " + reason);
    }

    if (!o.help && !o.version && !o.listValues && o.paths.empty())
        return fail("no photos given: name at least one file or folder");
    out.ok = true;
    return out;
}

std::string UsageText() {
    std::string text =
        "Usage: quillmere-convert [options] PATH...\n"
        "Converts photos (files, or folders searched with their sub-folders) into a\n"
        "new time-stamped folder inside the output folder, and prints that folder.\n";
    const char* group = nullptr;
    for (const OptionRule& rule : Rules()) {
        if (!group || std::string(group) != rule.group) {
            group = rule.group;
            text += std::string("\n") + group + ":\n";
        }
        std::string left = "  ";
        left += rule.shortName ? std::string("-") + rule.shortName + ", " : std::string("    ");
        left += std::string("--") + rule.longName;
        if (rule.valueName)
            left += std::string(" ") + rule.valueName;
        const std::vector<std::string> lines = Wrap(rule.help, kUsageWidth - kHelpColumn);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i == 0 && left.size() < kHelpColumn)
                text += left + std::string(kHelpColumn - left.size(), ' ');
            else if (i == 0)
                text += left + "\n" + std::string(kHelpColumn, ' ');
            else
                text += std::string(kHelpColumn, ' ');
            text += lines[i] + "\n";
        }
    }
    text +=
        "\nOptions take their value as the next argument or after '=' (--text-pos=-5,3).\n"
        "Exit status: 0 every photo converted, 1 some were not, 2 bad arguments.\n";
    return text;
}

std::optional<std::vector<std::string>> ValuesOfOption(const std::string& longName) {
    for (const OptionRule& rule : Rules())
        if (longName == rule.longName && !rule.values.empty())
            return rule.values;
    return std::nullopt;
}
