#pragma once
// Decoding a source photo to the size it is drawn at.

#include <cstdint>
#include <string>

#include "model/RgbPicture.h"

// Decodes the first page of the regular file at path into exactly width x
// height pixels (sides > 0), the whole upright picture stretched over the
// whole surface: shrink-on-load where the loader can, then a lanczos-class
// resample; EXIF orientation applied, an embedded colour profile converted
// to sRGB, alpha flattened onto white. Carries the source's resolution.
// False for anything that is not a regular, wholly decodable picture
// (missing, FIFO, folder, truncated, corrupt, a PNG with oversized
// metadata), with the reason in reason when given; the same file gives the
// same verdict every time, whatever the threads. A JPEG is refused for
// anything libjpeg had to recover from (rows it would fill with grey among
// them), except a missing end marker: it decodes as the whole file would.
// withMetadata: the camera data of the source's header (EXIF block, XMP
// packet, IPTC block; what it lacks stays empty) into picture.metadata too,
// read as the file is decoded. A camera RAW is developed by LibRaw as
// rawDevelop (RawDevelop) asks (DecodeRawToSize). Thread-safe.
bool DecodePictureToSize(const std::string& path, int32_t width, int32_t height,
                         RgbPicture& picture, std::string* reason = nullptr,
                         bool withMetadata = false, int32_t rawDevelop = 0);
