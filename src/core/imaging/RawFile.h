#pragma once
// Camera RAW files, opened with LibRaw. For the imaging layer's own files
// only, except RawFacts and ProbeRaw.

#include <cstdint>
#include <string>

// What a RAW file's headers tell, without a pixel read.
struct RawFacts {
    int32_t width = 0;   // the developed picture, upright (the file's flip applied)
    int32_t height = 0;
    int32_t sensorWidth = 0;   // what a full develop works on, before any turn
    int32_t sensorHeight = 0;
    int32_t previewWidth = 0;  // the largest embedded preview, upright; 0 when none
    int32_t previewHeight = 0;
    int64_t timeTaken = 0;     // as ImageProbe's PictureFacts::timeTaken; 0 when unknown
    std::string camera;        // "Make Model"
    // The raw data ends beyond the end of the file: a full or half develop
    // would read missing bytes. The preview, stored before it, may be whole.
    bool rawDataCut = false;
};

// False for files whose first bytes name a format that is never a camera
// RAW (JPEG, PNG, GIF, WebP, BMP, HEIF, AVIF, JPEG XL, ...): those go to
// libvips without LibRaw ever parsing them. fd is read at its start and
// left where it was.
bool MayBeRaw(int fd);

// Reads the RAW file at path with LibRaw's parser (headers only). False when
// it is no regular file, starts like another format (MayBeRaw) or LibRaw
// does not take it as a camera RAW. Thread-safe.
bool ProbeRaw(const std::string& path, RawFacts& facts);

// The reason LibRaw gave for a return code, in plain words.
std::string RawErrorText(int code);
