#pragma once
// One photo of the list: its source, measured size, own output settings and
// the output path of the last run. A plain value.

#include <cstdint>
#include <string>

#include "model/OutputPhotoFormat.h"

// Where the photo stands in the last run that took it.
enum class PhotoStatus { None, Waiting, Converting, Converted, Skipped, Failed };

struct PhotoItem {
    std::string strSourcePath;  // native path bytes, as gathered
    std::string strFileName;    // name and extension without folder
    std::string strTime;        // local modification time "YYYY/MM/DD HH:MM:SS", or ""
    int32_t nWidth = 1;         // upright source size in pixels
    int32_t nHeight = 1;
    OutputPhotoFormat m_outputPhotoFormat;  // nOutputWidth/Height hold the computed output size
    std::string strOutputPath;  // set by a run just before the photo is converted
    int64_t timeModified = 0;   // seconds since the epoch, 0 when unknown
    std::string strSourceFormat;  // the source's format as ImageProbe names it ("jpeg", "heic"...)
    int64_t timeTaken = 0;        // when taken, from its EXIF (ImageProbe); 0 when unknown
    // The folder whose search found the photo, with trailing '/'; empty for
    // a photo added on its own. A run that keeps folders mirrors the path
    // below it.
    std::string strSearchRoot;
    PhotoStatus status = PhotoStatus::None;
    std::string statusReason;   // why it was not converted, for the list's tooltip

    bool operator==(const PhotoItem&) const = default;
};
