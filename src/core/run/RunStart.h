#pragma once
// The one way a run is started: the window and the command line describe a
// run as a value, with the photos of their lists, and get back the job a
// ConversionRun takes, a PhotoJob for each photo.

#include <ctime>
#include <string>
#include <vector>

#include "model/OutputPhotoFormat.h"
#include "platform/Prompter.h"
#include "run/ConversionRun.h"

struct RunRequest {
    std::string outputFolder;       // the run folder is made inside it
    std::string intoFolder;         // set: the run writes into this folder instead
    OutputNaming naming;            // prefix and "Not rename"; the run folder is filled in
    TextOverlay overlay;            // the position as the user gave it
    OutputPhotoFormat defaults;     // the settings for new photos: bound the text position
    std::vector<PhotoItem> photos;  // as the list holds them, in its order
    int jobs = 0;
    uint64_t memoryBudget = 0;  // bytes for the photos in hand; 0: half the physical memory
    std::time_t when = 0;       // names the run folder; 0: now
    std::vector<RunOutput> outputs;  // several outputs of each photo; empty: one
};

struct [[nodiscard]] PreparedRun {
    bool ready = false;   // false: the watermark could not be read or the run folder made (told)
    ConversionJob job;    // its folder made, the position checked
    bool xReset = false;  // the pre-run check set X (Y) to 0
    bool yReset = false;
};

// Reads the overlay's watermark once for the whole run, then makes the run folder (the into folder when given, else a new
// marked folder of its own: CreateNewRunFolder), then,
// for the top-left anchor, checks the overlay position against the default
// output size (with its warnings, whether or not there is overlay text), and
// builds the job, each photo's through JobOfPhoto. A run whose outputs
// would land on one of its sources, or whose outputs of one photo would
// share a path, is refused (told) before any folder is made. With a folder
// next to each source, no run folder is made. An empty photo list still gets its folder and
// checks; starting it is the caller's choice.
PreparedRun PrepareRun(RunRequest request, Prompter& prompter);
