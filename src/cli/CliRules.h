#pragma once
// Inside the command line's parser: the option rules (CliOptions.cpp) and
// the value readers they share with the parser (CliParse.cpp).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "model/NumberSettings.h"
#include "platform/Words.h"

namespace cli {

// Whole decimal integers within [low, high], an optional sign, nothing else.
bool ParseInt(const std::string& text, int64_t low, int64_t high, int64_t& out);
// Finite decimal numbers within [low, high]: digits, at most one point and
// an exponent; no blanks, no hexadecimal, no "inf".
bool ParseDouble(const std::string& text, double low, double high, double& out);
// "a,b" into its two parts; false without exactly one comma.
bool SplitPair(const std::string& text, std::string& first, std::string& second);
// "a, b, c or d".
std::string JoinOr(const std::vector<std::string>& names);

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

// The set of a table whose rows have a value and a command-line name.
template <class Rows>
ChoiceSet FromRows(const Rows& rows) {
    ChoiceSet set;
    for (const auto& row : rows) set.Add(row.cliName, row.id);
    return set;
}

// A handler takes the value (empty for flags) and returns "" or the reason
// the value is refused ("must be ...").
using Handler = std::function<std::string(const std::string& value, CliOptions& o)>;

struct OptionRule {
    const char* group;  // the usage's heading
    const char* longName;
    char shortName;         // 0: none
    const char* valueName;  // null: a flag
    std::string help;
    Handler handle;
    std::vector<std::string> values;  // a fixed set's shown names
    bool appliesPreset = false;       // the value names a preset, applied where it stands
};

// --raw: how camera RAW photos are developed (RawOption.cpp).
OptionRule RawDevelopRule();
// --palette: the colour table of 4- and 8-bit BMP (RawOption.cpp).
OptionRule PaletteRule();

// Every option in usage order, grouped.
const std::vector<OptionRule>& Rules();
// The byte limit per file and its encoder switches (FileSizeOptions.cpp).
std::vector<OptionRule> FileSizeRules();

// The name template, the folder next to each original, the file date and
// several outputs (NameOptions.cpp).
std::vector<OptionRule> NameRules();
// The --outputs presets looked up into options.outputs; "" or the error.
std::string ResolveOutputs(CliOptions& options, const PresetLookup& lookup);

// The rules' building blocks (CliOptions.cpp).
OptionRule Choice(const char* group, const char* longName, char shortName, const char* valueName,
                  const ChoiceSet& set, const std::string& help,
                  std::function<void(CliOptions&, int32_t)> apply);
Handler NumberIn(const NumberSetting& row, std::function<void(CliOptions&, double)> set);
Handler PathIn(const char* what, std::function<void(CliOptions&, const std::string&)> set);
std::string Default(const std::string& value);
std::string Default(const NumberSetting& row);
std::string Range(const NumberSetting& row);
// "1 to 100" in the user's language.
std::string RangeShown(const NumberSetting& row);
// "--size fit or fill": the size rules that read a field (SizeInput).
std::string RulesWith(unsigned input);

// The rules with the exact frames' options after --flip and the watermark's
// after the text overlay's (CliFrameOptions.cpp).
std::vector<OptionRule> WithFrameRules(std::vector<OptionRule> rules);

// Reads "RRGGBB" (a leading '#' allowed) into colour as the records keep
// colours, 0x00BBGGRR; otherwise leaves colour alone and gives the reason.
std::string ParseColour(const std::string& text, uint32_t& colour);

}  // namespace cli
