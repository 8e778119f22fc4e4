#pragma once
// An EXIF block made to fit a converted photo, for the outputs whose EXIF
// libvips' savers do not write. For the imaging layer's own files only.

#include <cstdint>
#include <memory>
#include <string>

#include <libexif/exif-data.h>

struct ExifDataRelease {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};
using ExifDataPtr = std::unique_ptr<ExifData, ExifDataRelease>;

// The block's tags (a block as libvips carries it, "Exif\0\0" and the TIFF
// header first) with the orientation set to 1 where the block states one and
// the pixel size (PixelXDimension, PixelYDimension) set to width x height
// where it states it; without the thumbnail (IFD 1) and, when dropLocation,
// without the GPS directory. Every other tag, unknown ones and the maker
// note included, is kept as it is. Null for an empty block or one that
// libexif finds no tag in.
ExifDataPtr FitExif(const std::string& block, bool dropLocation, int32_t width, int32_t height);

// The tags as a block in libvips' form. Empty for null or when libexif
// cannot write them.
std::string ExifBlock(ExifData* data);
