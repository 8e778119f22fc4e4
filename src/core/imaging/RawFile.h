#pragma once
// Camera RAW files, opened with LibRaw. For the imaging layer's own files
// only, except RawFacts and ProbeRaw.

#include <cstdint>
#include <string>

// What a RAW file's headers tell, without a pixel read.
struct RawFacts {
    int32_t width = 0;   // the developed picture, upright (the file's flip applied)
    int32_t height = 0;
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
// libvips without LibRaw ever parsing them. Reads fd at its start with
// pread, so its offset is left where it was.
bool MayBeRaw(int fd);

// Reads the headers of the RAW file at path, open at fd, with LibRaw's
// parser: no pixel is read. False when it starts like another format
// (MayBeRaw) or LibRaw does not take it as a camera RAW. Thread-safe.
bool ProbeRaw(const std::string& path, int fd, RawFacts& facts);

// The reason LibRaw gave for a return code, in plain words.
std::string RawErrorText(int code);
