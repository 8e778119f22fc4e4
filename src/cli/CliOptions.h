#pragma once
// The options of quillmere-convert and their parsing.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/OutputPhotoFormat.h"
#include "model/TextOverlay.h"
#include "run/MultiOutput.h"
#include "run/RunNaming.h"
#include "settings/PresetStore.h"

enum class OverwritePolicy {
    Default,  // ask when standard input is a terminal, else no
    Ask,
    Yes,
    No,
};

// Every value starts as the window's first-start value.
struct CliOptions {
    std::vector<std::string> paths;           // files and folders, in the order given
    std::optional<std::string> outputFolder;  // unset: the work folder
    OutputPhotoFormat format = BuiltInDefaultOutputPhotoFormat();
    OutputNaming naming;  // prefix, --no-rename, --keep-folders, numbers
    TextOverlay overlay;  // text, placement, font, colour, size, opacity
    OverwritePolicy overwrite = OverwritePolicy::Default;
    int jobs = 0;              // 0: one per core
    int64_t maxMemoryMiB = 0;  // 0: half the physical memory
    bool quiet = false;
    bool help = false;
    bool version = false;
    std::optional<std::string> listValues;  // --list-values: the option named
    std::optional<std::string> filesFrom;   // a list of more paths; "-": standard input
    bool nulSeparated = false;              // the list's entries end with NUL
    std::optional<std::string> into;        // the folder the run writes into
    std::optional<std::string> report;      // the JSON report's file
    std::optional<std::string> preset;      // the last --preset, applied where it stood
    std::optional<std::string> savePreset;
    bool listPresets = false;
    std::vector<std::string> outputPresets;  // --outputs, as named
    std::vector<RunOutput> outputs;          // their settings, once looked up
    std::optional<std::string> summary;      // the people's summary file (--summary)
};

// What a preset of that name holds; nothing when none is stored, a failure
// naming the key when a stored value is refused.
using PresetLookup = std::function<Result<std::optional<Preset>>(const std::string& name)>;

struct ParseOutcome {
    bool ok = false;
    std::string error;  // one line naming the option, when !ok
    CliOptions options;
    // Lines to show although the arguments are good: a preset and a
    // --metadata that together keep more camera data than the other asked.
    std::vector<std::string> notices;
};

// Parses the arguments after the program name. Values come as the next
// argument or after '=' ("--text-pos=-5,3"; short options also "-W1024");
// "--" ends the options. A bad value is refused, never clamped. --preset
// takes the output settings, naming and overlay of the preset that lookup
// finds (the stored presets by default) at the place where it stands.
ParseOutcome ParseArguments(const std::vector<std::string>& args,
                            const PresetLookup& lookup = &presets::Load);

// The preset the options describe, and the options a preset gives (the
// run's own numbering stays).
Preset PresetOfOptions(const CliOptions& options);
void ApplyPreset(const Preset& preset, CliOptions& options);

// The --help text, made from the option tables.
std::string UsageText();

// The values a fixed-set option (its long name, without "--") accepts, in
// table order and as the usage shows them; nothing for an option that takes
// any value or none.
std::optional<std::vector<std::string>> ValuesOfOption(const std::string& longName);
