#pragma once
// How a run names its outputs: the record the window, the command line and
// presets fill in.

#include <cstdint>
#include <string>

#include "model/NumberSettings.h"
#include "model/OptionTables.h"
#include "platform/SettingsStore.h"

// How a run names its outputs.
struct OutputNaming {
    std::string runFolder;                                // with trailing '/'
    std::string prefix = settings::kDefaultBatchRenamer;  // may be empty
    bool notRename = false;                               // keep the source titles
    bool keepFolders = false;  // photos of a folder search keep their path below it
    // The number of the list's first photo, and the digits every number is
    // padded to (0: the digits of the list's last number), so that the parts
    // of a job split over several runs are numbered as one run would. The
    // numbers stay within 32 bits.
    int32_t numberStart = numbers::kNumberStart.WholeBuiltIn();
    int32_t numberWidth = numbers::kNumberWidth.WholeBuiltIn();
    int32_t date = kDateFile;  // NamingDate: which date the names carry
    // Later choices; their defaults name and place outputs as above.
    std::string nameTemplate;   // set: names outputs instead (model/NameTemplate.h)
    std::string besideFolder;   // set: outputs go into this folder next to each source
    bool keepFileDate = false;  // outputs get their source's modification time

    bool operator==(const OutputNaming&) const = default;
};
