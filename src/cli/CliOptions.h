#pragma once
// The options of quillmere-convert and their parsing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "convert/RunNaming.h"
#include "convert/TextOverlay.h"
#include "options/OutputPhotoFormat.h"

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
    OutputNaming naming;                      // prefix and --no-rename
    TextOverlay overlay;                      // text, position, font, colour
    OverwritePolicy overwrite = OverwritePolicy::Default;
    int jobs = 0;                             // 0: one per core
    bool quiet = false;
    bool help = false;
    bool version = false;
    std::optional<std::string> listValues;    // --list-values: the option named
};

struct ParseOutcome {
    bool ok = false;
    std::string error;  // one line naming the option, when !ok
    CliOptions options;
};

// Parses the arguments after the program name. Values come as the next
// argument or after '=' ("--text-pos=-5,3"; short options also "-W1024");
// "--" ends the options. A bad value is refused, never clamped.
ParseOutcome ParseArguments(const std::vector<std::string>& args);

// The --help text, made from the option tables.
std::string UsageText();

// The values a fixed-set option (its long name, without "--") accepts, in
// table order and as the usage shows them; nothing for an option that takes
// any value or none.
std::optional<std::vector<std::string>> ValuesOfOption(const std::string& longName);
