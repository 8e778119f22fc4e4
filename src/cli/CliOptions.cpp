#include "cli/CliOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>

namespace {

// libvips refuses larger pictures in any case.
constexpr int64_t kMaxSide = 10000000;
constexpr int64_t kMaxFontPixels = 10000;
constexpr int kMaxJobs = 256;

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

template <typename Table>
bool Lookup(const Table& table, const std::string& text, int32_t& out) {
    for (const auto& [name, value] : table)
        if (text == name) {
            out = value;
            return true;
        }
    return false;
}

struct NamedValue {
    const char* name;
    int32_t value;
};

constexpr NamedValue kFormats[] = {{"bmp", kFormatBmp}, {"jpg", kFormatJpg}, {"jpeg", kFormatJpg},
                                   {"png", kFormatPng}, {"tif", kFormatTif}, {"tiff", kFormatTif}};
constexpr NamedValue kSizes[] = {{"original", kSizeOriginal}, {"fixed", kSizeFixed},
                                 {"stretch", kSizeStretch}};
constexpr NamedValue kKeeps[] = {{"none", kKeepNone}, {"width", kKeepWidth}, {"height", kKeepHeight}};
constexpr NamedValue kPixelFormats[] = {
    {"1bit", 0},        {"4bit", 1},        {"8bit", 2},       {"16bit", 3},
    {"24bit", 4},       {"32bit-argb", 5},  {"32bit-pargb", 6}, {"32bit-rgb", 7},
    {"64bit-argb", 8},  {"64bit-pargb", 9}, {"0", 0},          {"1", 1},
    {"2", 2},           {"3", 3},           {"4", 4},          {"5", 5},
    {"6", 6},           {"7", 7},           {"8", 8},          {"9", 9}};
constexpr NamedValue kRotations[] = {{"0", 0}, {"90", 90}, {"180", 180}, {"270", 270}};
constexpr NamedValue kFlips[] = {{"none", kFlipNone}, {"horizontal", kFlipHorizontal},
                                 {"vertical", kFlipVertical}};
constexpr NamedValue kOverwrites[] = {{"ask", static_cast<int32_t>(OverwritePolicy::Ask)},
                                      {"yes", static_cast<int32_t>(OverwritePolicy::Yes)},
                                      {"no", static_cast<int32_t>(OverwritePolicy::No)}};

// A handler takes the value (empty for flags) and returns "" or the reason
// the value is refused ("must be ...").
using Handler = std::function<std::string(const std::string& value, CliOptions& o)>;

struct OptionRule {
    const char* longName;
    char shortName;  // 0: none
    bool takesValue;
    Handler handle;
};

Handler Choice(const NamedValue* begin, const NamedValue* end, const char* allowed,
               std::function<void(CliOptions&, int32_t)> set) {
    return [=](const std::string& v, CliOptions& o) -> std::string {
        for (const NamedValue* p = begin; p != end; ++p)
            if (v == p->name) {
                set(o, p->value);
                return {};
            }
        return std::string("must be one of ") + allowed;
    };
}

#define CHOICE(table, allowed, body) \
    Choice(std::begin(table), std::end(table), allowed, [](CliOptions& o, int32_t x) { body; })

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

const std::vector<OptionRule>& Specs() {
    static const std::vector<OptionRule> rules = {
        {"output", 'o', true,
         [](const std::string& v, CliOptions& o) -> std::string {
             if (v.empty())
                 return "must name a folder";
             o.outputFolder = v;
             return {};
         }},
        {"format", 'f', true, CHOICE(kFormats, "bmp, jpg, png, tif", o.format.nOuptputFormat = x)},
        {"size", 0, true, CHOICE(kSizes, "original, fixed, stretch", o.format.nOuputSizeType = x)},
        {"width", 'W', true,
         IntIn(1, kMaxSide, [](CliOptions& o, int64_t x) { o.format.nOutputWidth = static_cast<int32_t>(x); })},
        {"height", 'H', true,
         IntIn(1, kMaxSide, [](CliOptions& o, int64_t x) { o.format.nOutputHeight = static_cast<int32_t>(x); })},
        {"keep-aspect", 0, true, CHOICE(kKeeps, "none, width, height", o.format.nKeepAspectRatio = x)},
        {"stretch", 0, true,
         [](const std::string& v, CliOptions& o) -> std::string {
             std::string h, vert;
             double dh = 0, dv = 0;
             if (!SplitPair(v, h, vert) || !ParseDouble(h, 0.000001, 1000000, dh) ||
                 !ParseDouble(vert, 0.000001, 1000000, dv))
                 return "must be two factors H,V from 0.000001 to 1000000";
             o.format.dStretchHorizontal = dh;
             o.format.dStretchVertical = dv;
             return {};
         }},
        {"pixel-format", 0, true,
         CHOICE(kPixelFormats,
                "1bit, 4bit, 8bit, 16bit, 24bit, 32bit-argb, 32bit-pargb, 32bit-rgb, "
                "64bit-argb, 64bit-pargb or 0 to 9",
                o.format.iComboPixelFormat = x)},
        {"quality", 'q', true,
         IntIn(1, 100, [](CliOptions& o, int64_t x) { o.format.nCurrentJpegQuality = static_cast<int32_t>(x); })},
        {"rotate", 0, true, CHOICE(kRotations, "0, 90, 180, 270", o.format.nRotateAngel = x)},
        {"flip", 0, true, CHOICE(kFlips, "none, horizontal, vertical", o.format.nFlipType = x)},
        {"prefix", 0, true,
         [](const std::string& v, CliOptions& o) -> std::string {
             if (v.find('/') != std::string::npos)
                 return "must not contain '/'";
             o.prefix = v;
             return {};
         }},
        {"no-rename", 0, false, Flag([](CliOptions& o) { o.notRename = true; })},
        {"text", 0, true,
         [](const std::string& v, CliOptions& o) -> std::string {
             o.text = v;
             return {};
         }},
        {"text-pos", 0, true,
         [](const std::string& v, CliOptions& o) -> std::string {
             std::string xs, ys;
             int64_t x = 0, y = 0;
             constexpr int64_t lo = std::numeric_limits<int32_t>::min();
             constexpr int64_t hi = std::numeric_limits<int32_t>::max();
             if (!SplitPair(v, xs, ys) || !ParseInt(xs, lo, hi, x) || !ParseInt(ys, lo, hi, y))
                 return "must be two integers X,Y";
             o.xText = std::to_string(x);
             o.yText = std::to_string(y);
             return {};
         }},
        {"font", 0, true,
         [](const std::string& v, CliOptions& o) -> std::string {
             if (TruncateFaceName(v) != v)
                 return "must be a family name of at most 31 characters";
             o.font.lfFaceName = v;
             return {};
         }},
        {"font-px", 0, true,
         IntIn(1, kMaxFontPixels, [](CliOptions& o, int64_t x) { o.font.lfHeight = -static_cast<int32_t>(x); })},
        {"bold", 0, false, Flag([](CliOptions& o) { o.font.lfWeight = 700; })},
        {"italic", 0, false, Flag([](CliOptions& o) { o.font.lfItalic = 1; })},
        {"underline", 0, false, Flag([](CliOptions& o) { o.font.lfUnderline = 1; })},
        {"strikeout", 0, false, Flag([](CliOptions& o) { o.font.lfStrikeOut = 1; })},
        {"color", 0, true,
         [](const std::string& v, CliOptions& o) -> std::string {
             std::string hex = v;
             if (!hex.empty() && hex[0] == '#')
                 hex.erase(0, 1);
             if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
                 return "must be six hexadecimal digits RRGGBB";
             const uint32_t rgb = static_cast<uint32_t>(std::strtoul(hex.c_str(), nullptr, 16));
             // Stored the way the font record's colour is: 0x00BBGGRR.
             o.color = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
             return {};
         }},
        {"overwrite", 0, true,
         CHOICE(kOverwrites, "ask, yes, no", o.overwrite = static_cast<OverwritePolicy>(x))},
        {"jobs", 'j', true, IntIn(1, kMaxJobs, [](CliOptions& o, int64_t x) { o.jobs = static_cast<int>(x); })},
        {"quiet", 0, false, Flag([](CliOptions& o) { o.quiet = true; })},
        {"help", 'h', false, Flag([](CliOptions& o) { o.help = true; })},
        {"version", 0, false, Flag([](CliOptions& o) { o.version = true; })},
    };
    return rules;
}

#undef CHOICE

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
            for (const OptionRule& s : Specs())
                if (name == s.longName)
                    rule = &s;
        } else {
            shown = arg.substr(0, 2);
            for (const OptionRule& s : Specs())
                if (s.shortName != 0 && arg[1] == s.shortName)
                    rule = &s;
            if (arg.size() > 2)
                value = arg.substr(arg[2] == '=' ? 3 : 2);
        }
        if (!rule)
            return fail("unknown option " + shown);

        if (!rule->takesValue) {
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

    if (!o.help && !o.version && o.paths.empty())
        return fail("no photos given: name at least one file or folder");
    out.ok = true;
    return out;
}

std::string UsageText() {
    return R"(Usage: quillmere-convert [options] PATH...
Converts photos (files, or folders searched with their sub-folders) into a
new time-stamped folder inside the output folder, and prints that folder.

Output:
  -o, --output DIR          output folder (default: the work folder,
                            Pictures/Quillmere/)
  -f, --format FMT          bmp, jpg, png or tif (default jpg)
      --size RULE           original, fixed or stretch (default fixed)
  -W, --width N             output width for --size fixed (default 1024)
  -H, --height N            output height for --size fixed (default 768)
      --keep-aspect FROM    none, width or height (default width)
      --stretch H,V         factors for --size stretch (default 1,1)
      --pixel-format PF     BMP pixel format: 1bit, 4bit, 8bit, 16bit, 24bit,
                            32bit-argb, 32bit-pargb, 32bit-rgb, 64bit-argb,
                            64bit-pargb, or 0 to 9 (default 24bit)
  -q, --quality N           JPEG quality 1 to 100 (default 80)
      --rotate DEG          0, 90, 180 or 270 (default 0)
      --flip HOW            none, horizontal or vertical (default none)

Names:
      --prefix TEXT         rename prefix (default "output.photo")
      --no-rename           keep the source names, change the extension only

Text overlay:
      --text TEXT           a line of text drawn on every photo
      --text-pos X,Y        its top-left corner in output pixels (default 0,0)
      --font FAMILY         font family (default: the sans-serif font)
      --font-px N           font size in pixels (default 13)
      --bold, --italic, --underline, --strikeout
      --color RRGGBB        text colour (default 000000)

Run:
      --overwrite POLICY    ask, yes or no when an output file exists
                            (default: ask when standard input is a terminal,
                            else no)
  -j, --jobs N              photos converted at once (default: one per core)
      --quiet               no progress bar and no notices
  -h, --help                this text
      --version             the program's version

Options take their value as the next argument or after '=' (--text-pos=-5,3).
Exit status: 0 every photo converted, 1 some were not, 2 bad arguments.
)";
}
