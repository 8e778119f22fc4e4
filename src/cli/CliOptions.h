#pragma once
// The options of quillmere-convert and their parsing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/TextFontSettings.h"
#include "options/OutputPhotoFormat.h"

enum class OverwritePolicy {
    Default,  // ask when standard input is a terminal, else no
    Ask,
    Yes,
    No,
};

// Every value starts as the window's first-start value.
struct CliOptions {
    std::vector<std::string> paths;          // files and folders, in the order given
    std::optional<std::string> outputFolder; // unset: the work folder
    OutputPhotoFormat format = BuiltInDefaultOutputPhotoFormat();
    std::string prefix = "output.photo";
    bool notRename = false;
    std::string text;                        // overlay text, UTF-8
    std::string xText = "0";                 // overlay position as the X and Y edits hold it
    std::string yText = "0";
    LogFont font;
    uint32_t color = 0;                      // 0x00BBGGRR
    OverwritePolicy overwrite = OverwritePolicy::Default;
    int jobs = 0;                            // 0: one per core
    bool quiet = false;
    bool help = false;
    bool version = false;
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

// The --help text.
std::string UsageText();
