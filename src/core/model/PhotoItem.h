#pragma once
// One photo of the list, as the window and the command line keep and show
// it: its source, measured size, own output settings and the plan made from
// them, and what the last run did with it. A plain value; a run takes a job
// made from it (JobOfPhoto, model/PhotoJob.h).

#include <cstdint>
#include <string>

#include "model/OutputPhotoFormat.h"
#include "model/OutputPlan.h"

// Where the photo stands in the last run that took it.
// NotConverted: a stop came before the photo was started.
enum class PhotoStatus { None, Waiting, Converting, Converted, Skipped, Failed, NotConverted };

struct PhotoItem {
    std::string strSourcePath;  // native path bytes, as gathered
    std::string strFileName;    // name and extension without folder
    std::string strTime;        // local modification time "YYYY/MM/DD HH:MM:SS", or ""
    int32_t nWidth = 1;         // upright source size in pixels
    int32_t nHeight = 1;
    OutputPhotoFormat m_outputPhotoFormat;  // nOutputWidth/Height hold the computed output size
    OutputPlan plan;                        // made with that size (PlanPhotoOutput)
    std::string strOutputPath;  // where the last run wrote it, formed just before it was converted
    int64_t timeModified = 0;   // seconds since the epoch, 0 when unknown
    std::string strSourceFormat;  // the source's format as ImageProbe names it ("jpeg", "heic"...)
    int64_t timeTaken = 0;        // when taken, from its EXIF (ImageProbe); 0 when unknown
    // The folder whose search found the photo, with trailing '/'; empty for
    // a photo added on its own. A run that keeps folders mirrors the path
    // below it.
    std::string strSearchRoot;
    PhotoStatus status = PhotoStatus::None;
    std::string statusReason;  // why it was not converted, for the list's tooltip

    bool operator==(const PhotoItem&) const = default;
};
