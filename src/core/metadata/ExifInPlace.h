#pragma once
// An EXIF block fitted to a converted photo without moving a byte of it.
//
// Maker notes often point into the block by offsets counted from its TIFF
// header; a block that is parsed and written anew moves them, and other
// readers then find garbage. So every change here is made where the value
// already sits, and a removed directory leaves zeros, never a shift.

#include <cstdint>
#include <string>

// What the output is, for the values that describe it.
struct ExifFit {
    bool dropLocation = false;
    int32_t width = 0;
    int32_t height = 0;
    double xResolution = 0;  // pixels per millimetre; 0 leaves the block's
    double yResolution = 0;
};

// The block (libvips' form, "Exif\0\0" and the TIFF header first) with:
// - the orientation set to 1 and the pixel size (PixelXDimension,
//   PixelYDimension) set to width x height where the block states them (a
//   size a SHORT cannot hold makes the tag's value 0, which readers take
//   as unknown), and the resolution, in dots per inch, where it states one;
// - the thumbnail directory (IFD 1) and the thumbnail's bytes zeroed and
//   unlinked: a thumbnail shows the picture before it was turned, cropped
//   or given its overlay, and may hold location of its own;
// - with dropLocation, the GPS directory and its values zeroed and its link
//   removed from IFD 0, and the maker note's bytes zeroed (some cameras keep
//   place names there, and which ones cannot be known).
// Every other byte stays where the camera put it. Values that point outside
// the block are left alone. Empty for a block without a readable TIFF
// header and first directory.
std::string ExifEditedInPlace(const std::string& block, const ExifFit& fit);
