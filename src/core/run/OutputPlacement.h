#pragma once
// Where each output of a run goes and what it is called: the name template,
// the folder (the run folder, or one next to each source), and the checks
// made before the run starts.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/NameTemplate.h"
#include "model/OutputNaming.h"
#include "model/PhotoJob.h"
#include "platform/Status.h"
#include "run/MultiOutput.h"

// The template naming uses: its own, else "Not rename"'s, else the prefix's.
std::string TemplateOfNaming(const OutputNaming& naming);

// The folder an output of the source goes into, with trailing '/': next to
// the source in naming.besideFolder, else the run folder (with keepFolders,
// the source's KeptSubFolder below searchRoot).
std::string OutputFolderOf(const OutputNaming& naming, const std::string& sourcePath,
                           const std::string& searchRoot);

// The planned output paths of a run: with outputs, one per photo and output
// (photo-major: paths[photo * outputs.size() + output]); otherwise one per
// photo. Equal paths of different photos are numbered apart as
// PlanOutputPaths does. Fails, naming the path, when an output would be one
// of the run's sources, or two outputs of one photo would share a path.
struct RunPaths {
    std::vector<std::string> paths;
    std::size_t numberedApart = 0;
};
Result<RunPaths> PlanRunPaths(const std::vector<PhotoJob>& photos, const OutputNaming& naming,
                              const std::vector<RunOutput>& outputs = {});

// Gives the output file the source's modification time (to the nanosecond
// where the file system keeps it). Fails naming the output.
Status CopyFileTime(const std::string& sourcePath, const std::string& outputPath);

// The file name the first photo of a list of count photos gets (its first
// output's, with several), for the window to show as the template is typed;
// the failure PlanRunPaths gives otherwise.
Result<std::string> ExampleOutputName(const OutputNaming& naming, const PhotoJob& first,
                                      std::size_t count, const std::vector<RunOutput>& outputs = {});
