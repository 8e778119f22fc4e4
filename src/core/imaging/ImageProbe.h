#pragma once
// What the program learns of a picture without decoding its pixels.

#include <cstdint>
#include <string>

#include "platform/Status.h"

struct PictureFacts {
    int32_t width = 0;  // of the upright picture, after its EXIF orientation
    int32_t height = 0;
    // The file's format as libvips read it: its loader's name ("jpeg", "png",
    // "tiff", "webp", "jxl", "gif"...), "avif" or "heic" for the two kinds of
    // HEIF file, "bmp" for a BMP (read by the program's own reader), "raw"
    // for a camera RAW read by LibRaw.
    std::string format;
    // When the photo was taken, as seconds since the epoch of the local time
    // its EXIF gives (DateTimeOriginal, else DateTimeDigitized); 0 when it
    // has neither.
    int64_t timeTaken = 0;
};

// Reads the header of the regular file at path (a FIFO, device or folder is
// refused without being opened for reading). Fails, naming the file, when
// it is not a picture libvips can open or a side is 0: kDamagedPicture as
// what went wrong when a loader knows the file's format by its first bytes
// but cannot read it. Thread-safe.
inline constexpr const char* kDamagedPicture = "a damaged picture";
Result<PictureFacts> ProbePicture(const std::string& path);
