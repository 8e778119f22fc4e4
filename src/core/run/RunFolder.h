#pragma once
// A run folder of its own for each run, even for two runs started in the
// same second, marked so that a later search does not take its outputs for
// photos.

#include <ctime>
#include <string>

#include "platform/Prompter.h"
#include "platform/Status.h"

// Makes the run folder of a run started at when: MakeRunFolderPath's time
// stamp inside outputFolder (made with any missing parent), created
// exclusively; when that name exists, "-2", "-3"... is added to it until a
// name is free. The new folder gets the run marker (kRunFolderMarker).
// Returns its path with a trailing '/'; on failure tells "Can not create the
// directory" as CreateRunFolder does and returns that failure.
Result<std::string> CreateNewRunFolder(const std::string& outputFolder, std::time_t when,
                                       Prompter& prompter);

// Marks folder, one the run has just made for its outputs (next to the
// originals), so that later searches skip it as they skip run folders.
void MarkOutputFolder(const std::string& folder);
// Removes the marker from folder when it is all the folder holds, so that a
// folder whose photos all failed can be removed as empty.
void UnmarkIfAlone(const std::string& folder);
