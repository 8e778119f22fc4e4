#pragma once
// Camera data of the sources whose libvips loader passes none on (TIFF and
// JPEG XL in libvips 8.14), read with exiv2.

#include <string>

#include "model/RgbPicture.h"

struct CameraData {
    PictureMetadata metadata;  // EXIF as a block in libvips' form, XMP, IPTC
    std::string dateTaken;     // EXIF "YYYY:MM:DD HH:MM:SS" as written, or empty
    std::string camera;        // the camera model, or empty
};

// True for the libvips loaders (by the name libvips gives an image it
// loaded, "tiffload_source" say) whose pictures come without camera data
// although their files hold it.
bool LoaderDropsCameraData(const std::string& loader);

// Fills the parts of metadata that are empty from ReadCameraData, for a
// picture that loader gave.
void AddDroppedCameraData(const std::string& path, const std::string& loader,
                          PictureMetadata& metadata);

// The file's camera data: EXIF rebuilt as a block without the TIFF file's
// own layout tags (strips, sizes, sample formats), which would describe the
// source's pixels, not an output's; the XMP packet and the IPTC block as
// the file holds them. Empty parts where the file has none or exiv2 cannot
// read it; nothing is written to the terminal.
CameraData ReadCameraData(const std::string& path);
