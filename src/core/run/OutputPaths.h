#pragma once
// The output path of every photo of a run, planned before the first photo
// is converted, so that two photos of one run never share a file: the
// later of two photos that would get the same path (the same title from two
// folders with Not rename, a name differing only in letter case) gets a
// number added ("IMG_0001.jpg", "IMG_0001-2.jpg"). Files that were there
// before the run are not looked at; they meet the replace question.

#include <cstddef>
#include <string>
#include <vector>

#include "model/OutputNaming.h"
#include "model/PhotoJob.h"

struct PlannedOutputs {
    std::vector<std::string> paths;  // one per photo, in list order
    std::size_t numberedApart = 0;   // photos whose name got a number added
};

// The paths MakeOutputPath forms for photos (extension from OutputFormatFor,
// the date from NamingTime), with the later ones of equal paths (equal
// but for ASCII case, as on a memory card) numbered apart by "-2", "-3"...
// before the extension, skipping numbers another photo's path already has.
// No paths when the run is refused (see PlanRunPaths).
PlannedOutputs PlanOutputPaths(const std::vector<PhotoJob>& photos, const OutputNaming& naming);

// path with "-<number>" before the extension of its file name.
std::string NumberedPath(const std::string& path, std::size_t number);
