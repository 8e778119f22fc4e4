#pragma once
// Reading a source photo's camera data for the outputs that keep it.

#include <string>

#include "convert/RgbPicture.h"

// Reads the EXIF block, the XMP packet and the IPTC block from the header of the picture at path
// into metadata (what the file lacks stays empty). False, with libvips' reason in reason when
// given, when the header cannot be read. Thread-safe.
bool ReadPictureMetadata(const std::string& path, PictureMetadata& metadata,
                         std::string* reason = nullptr);
