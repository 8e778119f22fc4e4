#pragma once
// The photos named on the command line: files as they are, folders searched
// with their sub-folders like the window's Search photos.

#include <functional>
#include <string>
#include <vector>

#include "app/Prompter.h"
#include "options/OutputPhotoFormat.h"
#include "photolist/PhotoItem.h"

struct GatheredPhotos {
    std::vector<PhotoItem> photos;  // in the order the paths produced them
    std::size_t skipped = 0;        // named or found files that could not be taken
};

// Each path that is not a picture (or does not exist, or is a loop of
// symbolic links) and each folder or entry the search could not look into
// is skipped with one notice line (without line end) given to notice and
// counted; the folder search's own messages go through the prompter.
GatheredPhotos GatherCommandLinePhotos(const std::vector<std::string>& paths,
                                       const OutputPhotoFormat& defaults, Prompter& prompter,
                                       const std::function<void(const std::string&)>& notice);
