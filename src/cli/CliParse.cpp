#include "CliOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

#include <QString>

#include "CliRules.h"
#include "model/OptionTables.h"
#include "texts/FillText.h"

namespace cli {

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

namespace {

// Decimal only: digits with at most one point, and an exponent. strtod
// would also take hexadecimal, "inf" and leading blanks.
bool IsDecimal(const std::string& text) {
    std::size_t i = text.size() > 0 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        i += i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-') ? 2 : 1;
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        if (i == start)
            return false;
    }
    return i == text.size();
}

}  // namespace

bool ParseDouble(const std::string& text, double low, double high, double& out) {
    if (!IsDecimal(text))
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
    return Listed(names, shown::translate("CommandLine", "or").c_str());
}

}  // namespace cli

using namespace cli;

namespace {

// Where the descriptions start in the usage text, and its width.
constexpr std::size_t kHelpColumn = 28;
constexpr std::size_t kUsageWidth = 78;

// The columns a character takes on a terminal: two for the wide characters
// of Chinese, Japanese and Korean, one for the others.
std::size_t Columns(char32_t c) {
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

// text broken into lines of at most width columns at blanks, and between
// two wide characters (Chinese and Japanese have no blanks between words).
std::vector<std::string> Wrap(const std::string& text, std::size_t width) {
    struct Piece {
        std::u32string text;
        bool blankBefore;
        std::size_t columns = 0;
    };
    std::vector<Piece> pieces;
    bool blank = false;
    for (const char32_t c : QString::fromStdString(text).toStdU32String()) {
        if (c == U' ') {
            if (blank || pieces.empty())
                pieces.push_back({U"", !pieces.empty()});  // as many blanks as written
            blank = true;
            continue;
        }
        const bool wide = Columns(c) == 2;
        if (pieces.empty() || blank || wide || (Columns(pieces.back().text.back()) == 2))
            pieces.push_back({U"", blank && !pieces.empty()});
        pieces.back().text += c;
        pieces.back().columns += Columns(c);
        blank = false;
    }
    std::vector<std::string> lines;
    std::u32string line;
    std::size_t columns = 0;
    for (const Piece& piece : pieces) {
        const std::size_t gap = piece.blankBefore && !line.empty() ? 1 : 0;
        if (!line.empty() && columns + gap + piece.columns > width) {
            lines.push_back(QString::fromStdU32String(line).toStdString());
            line.clear();
            columns = 0;
        }
        if (piece.blankBefore && !line.empty()) {
            line += U' ';
            ++columns;
        }
        line += piece.text;
        columns += piece.columns;
    }
    if (!line.empty())
        lines.push_back(QString::fromStdU32String(line).toStdString());
    return lines;
}

}  // namespace

ParseOutcome ParseArguments(const std::vector<std::string>& args, const PresetLookup& lookup) {
    ParseOutcome out;
    CliOptions& o = out.options;
    auto fail = [&](std::string message) {
        out.ok = false;
        out.error = std::move(message);
        return out;
    };

    // Camera data is a matter of privacy: where a preset and --metadata
    // disagree, the one that wins is accepted silently only when it keeps
    // less; otherwise a notice says what the outputs keep.
    std::optional<std::string> metadataGiven;  // --metadata's value, while it holds
    std::optional<std::pair<std::string, int32_t>> presetApplied;  // the last preset and its policy
    auto policyName = [](int32_t policy) {
        for (const NamedChoice& row : MetadataChoices())
            if (row.id == policy)
                return std::string(row.cliName);
        return std::to_string(policy);
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
            const std::string name =
                arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
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
            return fail(
                words::Filled(shown::translate("CommandLine", "unknown option %1"), {shown}));

        if (!rule->valueName) {
            if (value)
                return fail(words::Filled(
                    shown::translate("CommandLine", "option %1 takes no value"), {shown}));
            rule->handle({}, o);
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size())
                return fail(words::Filled(
                    shown::translate("CommandLine", "option %1 needs a value"), {shown}));
            value = args[++i];
        }
        const int32_t policyBefore = o.format.nMetadata;
        const std::string reason = rule->handle(*value, o);
        if (!reason.empty())
            return fail(words::Filled(shown::translate("CommandLine", "option %1: '%2' %3"),
                                      {shown, *value, reason}));
        if (std::string(rule->longName) == "metadata") {
            if (presetApplied && o.format.nMetadata > presetApplied->second)
                out.notices.push_back(words::Filled(
                    shown::translate(
                        "CommandLine",
                        "option --metadata %1 keeps more camera data than preset '%2' (%3)"),
                    {*value, presetApplied->first, policyName(presetApplied->second)}));
            metadataGiven = *value;
        }
        if (rule->appliesPreset) {
            const Result<std::optional<Preset>> preset = lookup(*value);
            if (!preset)
                return fail(words::Filled(
                    shown::translate("CommandLine", "option %1: preset '%2' is not used: %3"),
                    {shown, *value, preset.GetStatus().Shown()}));
            if (!preset.Value())
                return fail(words::Filled(
                    shown::translate("CommandLine",
                                     "option %1: no preset '%2' (--list-presets lists them)"),
                    {shown, *value}));
            ApplyPreset(*preset.Value(), o);
            if (metadataGiven && o.format.nMetadata > policyBefore)
                out.notices.push_back(words::Filled(
                    shown::translate("CommandLine",
                                     "preset '%1' keeps camera data %2, not --metadata %3 given "
                                     "before it; give --metadata after --preset"),
                    {*value, policyName(o.format.nMetadata), *metadataGiven}));
            metadataGiven.reset();
            presetApplied = std::make_pair(*value, o.format.nMetadata);
        }
    }

    if (const std::string unresolved = ResolveOutputs(o, lookup); !unresolved.empty())
        return fail(unresolved);
    if (!o.naming.besideFolder.empty() && o.into)
        return fail(shown::translate("CommandLine", "option --beside cannot be given with --into"));
    if (o.nulSeparated && !o.filesFrom)
        return fail(shown::translate("CommandLine", "option --null needs --files-from"));
    // The questions read their answers from standard input.
    if (o.overwrite == OverwritePolicy::Ask && o.filesFrom == "-")
        return fail(shown::translate(
            "CommandLine",
            "option --overwrite ask cannot be answered while --files-from - reads standard input"));
    const bool convertsNothing =
        o.help || o.version || o.listValues || o.listPresets || o.savePreset;
    if (!convertsNothing && o.paths.empty() && !o.filesFrom)
        return fail(
            shown::translate("CommandLine", "no photos given: name at least one file or folder"));
    out.ok = true;
    return out;
}

std::string UsageText() {
    // In the user's language; the manual page keeps the English of the
    // tables and these texts, and --list-values and the completion print
    // the command-line names, which are never translated.
    std::string text = shown::translate(
        "CommandLine",
        "Usage: quillmere-convert [options] PATH...\n"
        "Converts photos (files, or folders searched with their sub-folders) into a\n"
        "new time-stamped folder inside the output folder, and prints that folder.\n");
    const char* group = nullptr;
    for (const OptionRule& rule : Rules()) {
        if (!group || std::string(group) != rule.group) {
            group = rule.group;
            // The colon is the translation's: French puts a space before it.
            //: A heading of the option list, %1 its name ("Output:").
            text += "\n" +
                    words::Filled(shown::translate("CommandLine", "%1:", "a heading of --help"),
                                  {shown::translate("CommandLine", group)}) +
                    "\n";
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
    text += "\n" + shown::translate("CommandLine",
                                    "Options take their value as the next argument or after '=' "
                                    "(--text-pos=-5,3).\n"
                                    "Exit status: 0 every photo converted, 1 some were not, 2 bad "
                                    "arguments.\n");
    return text;
}

std::optional<std::vector<std::string>> ValuesOfOption(const std::string& longName) {
    for (const OptionRule& rule : Rules())
        if (longName == rule.longName && !rule.values.empty())
            return rule.values;
    return std::nullopt;
}

Preset PresetOfOptions(const CliOptions& options) {
    return Preset{options.format, WithPresetNaming(OutputNaming{}, options.naming),
                  options.overlay};
}

void ApplyPreset(const Preset& preset, CliOptions& options) {
    options.format = preset.format;
    options.naming = WithPresetNaming(options.naming, preset.naming);
    options.overlay = preset.overlay;
}
