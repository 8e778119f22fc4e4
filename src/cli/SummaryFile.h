#pragma once
// --summary FILE: what a run came to, for people rather than scripts, in
// the user's language, written when the run ends:
//   3 of 4 photos converted into /home/ann/Pictures/Converted 2026.12.09/
//   IMG_0002.jpg: the file is damaged or incomplete
// one line per photo that was not converted, in list order, after the paths
// that gave no photo. A file manager's action shows it as its notification.

#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "CliGather.h"
#include "platform/Status.h"
#include "run/ConversionRun.h"

class SummaryFile {
public:
    // Creates or empties the file, so that a run that cannot start still
    // leaves no summary of an earlier one. Fails, naming it, with the
    // system's reason.
    Status Open(const std::string& path);
    bool IsOpen() const { return !path_.empty(); }

    void Refused(const std::vector<RefusedPath>& refused);
    // From the run's callbacks, on its threads; index is the photo's place.
    void PhotoDone(std::size_t index, const std::string& source, const PhotoResult& result);
    // Writes the file; runFolder is empty when the outputs have no one
    // folder (or the run never started). Fails, naming the file.
    Status Finish(const RunResult& result, const std::string& runFolder);

private:
    std::string path_;
    std::mutex mutex_;
    std::vector<std::string> refused_;
    std::map<std::size_t, std::string> notConverted_;
};
