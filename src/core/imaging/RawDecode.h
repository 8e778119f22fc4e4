#pragma once
// Developing a camera RAW file as its output plan lays it out. For the
// imaging layer's own files only, except the functions below that name no
// libvips type.

#include <cstdint>
#include <optional>
#include <string>

#include "model/OutputPlan.h"
#include "model/RgbPicture.h"
#include "platform/Status.h"

// How a RAW photo was developed, as the result and the report give it.
inline constexpr const char* kRawFromPreview = "preview";
inline constexpr const char* kRawFromHalf = "half";
inline constexpr const char* kRawFromFull = "full";

// "developed from the camera's preview", "... at half size", "... in full";
// empty for an empty source (no RAW).
std::string RawSourceWords(const std::string& source);

// Develops the RAW file at path, open at fd, into the plan's output: the
// whole upright picture (the preview's own EXIF orientation where it has
// one, else the file's flip, never both) at the plan's picture size, placed
// as the plan says, 8-bit sRGB; by mode (RawDevelop): kRawAuto takes the
// largest embedded preview when it is at least the picture size, else a
// half-size develop when half the sensor is, else a full one; kRawPreview
// the preview only; kRawFull always the whole sensor. Auto and preview read
// the preview alone, never the raw data. A develop keeps one look across a
// shoot: the camera's white balance, sRGB with its transfer curve, no
// automatic brightening or maximum, 16 bits until the 8-bit output.
// picture.rawSource says which was used; picture.rawNote says when the raw
// data is damaged and the preview stood in. withMetadata: the camera data
// as an EXIF block (and the file's XMP). Nothing, with nothing read beyond
// the headers, when LibRaw does not take the file as a RAW; a failure naming
// the file when it cannot be developed. The plan must be drawable.
// Thread-safe.
std::optional<Result<RgbPicture>> DecodeRaw(const std::string& path, int fd,
                                            const OutputPlan& plan, int32_t mode,
                                            bool withMetadata);

// The memory, in bytes, DecodeRaw holds at its peak for the plan by mode:
// LibRaw's raw buffer and working image and the 16-bit developed picture,
// or the compressed and decoded preview. 0 when path is no RAW. Reads the
// headers only.
uint64_t RawDecodeBytes(const std::string& path, const OutputPlan& plan, int32_t mode);
