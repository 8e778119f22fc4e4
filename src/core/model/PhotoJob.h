#pragma once
// What the engine takes to convert one photo: the facts of its source, its
// output settings and the plan made from them, and the output path once the
// run has formed it. A plain value, copied into the run.

#include <cstdint>
#include <string>

#include "model/OutputPhotoFormat.h"
#include "model/OutputPlan.h"
#include "model/PhotoItem.h"

// What is known of a source photo from when it was added.
struct PhotoSource {
    std::string path;    // native path bytes, as gathered
    std::string format;  // as ImageProbe names it ("jpeg", "heic"...)
    int32_t width = 0;   // upright size in pixels
    int32_t height = 0;
    int64_t timeTaken = 0;     // from its EXIF; 0 when unknown
    int64_t timeModified = 0;  // seconds since the epoch; 0 when unknown
    // The folder whose search found the photo, with trailing '/'; empty for
    // a photo added on its own.
    std::string searchRoot;

    bool operator==(const PhotoSource&) const = default;
};

struct PhotoJob {
    PhotoSource source;
    OutputPhotoFormat settings;  // nOutputWidth x nOutputHeight: the plan's size
    OutputPlan plan;
    std::string outputPath;  // formed by the run just before the photo is converted

    bool operator==(const PhotoJob&) const = default;
};

// The job of a photo of the list. A plan that no longer matches the
// record's size (the record was changed without a new plan) gives way to
// the record's size, stretched, as the record asks.
PhotoJob JobOfPhoto(const PhotoItem& photo);

// The plan the photo is converted and previewed with (JobOfPhoto's).
OutputPlan PlanOfPhoto(const PhotoItem& photo);
