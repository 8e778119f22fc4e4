#pragma once
// AVIF output whose EXIF block is the camera's own, byte for byte.
//
// libvips' HEIF saver (8.14) parses the block it is given and writes it anew
// through libexif, which moves maker notes away from the offsets they count
// on (Canon's, Olympus', Pentax's are found from the TIFF header). libheif
// itself stores the block it is handed unchanged, so this writes the
// picture through libheif as that saver does (same encoder, speed, chroma
// and profile), and hands it the block. For the imaging layer's own files
// only.

#include <string>

#include <vips/vips8>

#include "platform/Status.h"

struct AvifSettings {
    int quality = 50;  // 1..100
    // AUTO: 4:4:4 from quality 90 up, as libvips does.
    VipsForeignSubsample chroma = VIPS_FOREIGN_SUBSAMPLE_AUTO;
};

// The image (RGB or RGBA, 8 bits a sample) as an AV1 AVIF file carrying the
// image's ICC profile, its EXIF block ("exif-data", in libvips' form, kept
// exactly as it is) and its XMP packet. Fails with libheif's reason.
Result<std::string> AvifWithExif(const vips::VImage& image, const AvifSettings& settings);
