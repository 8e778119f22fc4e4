#pragma once
// Converting a photo of the list as a run would, for the tests of one
// photo's conversion.

#include <vector>

#include "model/PhotoJob.h"
#include "run/ConvertPhoto.h"
#include "run/MultiOutput.h"

namespace testsupport {

// The photo's job (JobOfPhoto), written where its strOutputPath says.
inline PhotoResult ConvertListPhoto(const PhotoItem& photo, const TextOverlay& overlay,
                                    Prompter& prompter) {
    PhotoJob job = JobOfPhoto(photo);
    job.outputPath = photo.strOutputPath;
    return ConvertPhoto(job, overlay, prompter);
}

// The photos of a list as a run takes them (what PrepareRun makes).
inline std::vector<PhotoJob> JobsOf(const std::vector<PhotoItem>& photos) {
    std::vector<PhotoJob> jobs;
    for (const PhotoItem& photo : photos) jobs.push_back(JobOfPhoto(photo));
    return jobs;
}

// An output of the run sized by its long edge, in format.
inline RunOutput LongEdge(const char* name, int32_t edge, int32_t format) {
    RunOutput output{name, {}, {}};
    output.format.nOuputSizeType = kSizeLongEdge;
    output.format.nLongEdge = edge;
    output.format.nOuptputFormat = format;
    return output;
}

}  // namespace testsupport
