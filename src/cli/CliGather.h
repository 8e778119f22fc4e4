#pragma once
// The photos named on the command line: files as they are, folders searched
// with their sub-folders like the window's Search photos.

#include <functional>
#include <string>
#include <vector>

#include "platform/Prompter.h"
#include "model/OutputPhotoFormat.h"
#include "model/PhotoItem.h"

// A named or found path that gave no photo, and why.
struct RefusedPath {
    std::string path;
    std::string reason;
    bool failed = false;  // a damaged picture of a known format: a failure, not a skip
    std::string shownReason;  // in the user's language, in plain words (no library text)
};

struct GatheredPhotos {
    std::vector<PhotoItem> photos;     // in the order the paths produced them
    std::vector<RefusedPath> refused;  // in the same order
};

// Each path that is not a picture (or does not exist, or is a loop of
// symbolic links), and each folder or entry the search could not look into,
// is refused with one notice line "<path>: <reason>, skipped" (without line
// end) given to notice; the folder search's own messages go through the
// prompter. Photos found in a folder remember it as their search root.
// Folder searches do not enter outputFolder (FindPhotoFiles).
GatheredPhotos GatherCommandLinePhotos(const std::vector<std::string>& paths,
                                       const OutputPhotoFormat& defaults, Prompter& prompter,
                                       const std::function<void(const std::string&)>& notice,
                                       const std::string& outputFolder = {});

// The paths listed in text: one per line, or with nul one per NUL-ended
// entry (as find -print0 writes them). Bytes are kept as they are; empty
// entries are left out.
std::vector<std::string> SplitPathList(const std::string& text, bool nul);
