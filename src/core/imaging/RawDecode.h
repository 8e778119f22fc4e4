#pragma once
// Developing a camera RAW file to the size it is drawn at. For the imaging
// layer's own files only, except the functions below that name no libvips
// type.

#include <cstdint>
#include <string>

#include "model/RgbPicture.h"

// How a RAW photo was developed, as the result and the report give it.
inline constexpr const char* kRawFromPreview = "preview";
inline constexpr const char* kRawFromHalf = "half";
inline constexpr const char* kRawFromFull = "full";

// "developed from the camera's preview", "... at half size", "... in full";
// empty for an empty source (no RAW).
std::string RawSourceWords(const std::string& source);

// Develops the RAW file at path into exactly width x height pixels, upright
// (the preview's own EXIF orientation where it has one, else the file's
// flip), 8-bit sRGB, by mode (RawDevelop): kRawAuto takes the largest
// embedded JPEG preview when it is at least the output size, else a half-
// size develop when half the sensor is, else a full one; kRawPreview the
// preview only; kRawFull always the whole sensor. A develop keeps one look
// across a shoot: the camera's white balance, sRGB with its transfer curve,
// no automatic brightening or maximum, 16 bits until the 8-bit output.
// picture.rawSource says which was used; picture.rawNote says when the raw
// data is damaged and the preview stood in. withMetadata: the camera data as
// an EXIF block (and the file's XMP). NotRaw, with nothing touched, when
// LibRaw does not take the file as a RAW; Failed, with the reason in reason,
// when it cannot be developed. Thread-safe.
enum class RawDecodeOutcome { NotRaw, Developed, Failed };
RawDecodeOutcome DecodeRawToSize(const std::string& path, int32_t width, int32_t height, int32_t mode,
                     RgbPicture& picture, std::string* reason, bool withMetadata);

// The memory, in bytes, DecodeRawToSize holds at its peak for an output of
// width x height by mode: LibRaw's raw buffer and working image, the 16-bit
// developed picture, or the compressed and decoded preview. 0 when path is
// no RAW. Reads the headers only.
uint64_t RawDecodeBytes(const std::string& path, int32_t width, int32_t height, int32_t mode);
