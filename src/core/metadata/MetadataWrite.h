#pragma once
// Giving an output picture the camera data its record keeps. For the imaging
// layer's own files only.

#include <vips/vips8>

#include "model/RgbPicture.h"
#include "model/OptionTables.h"

// Where a saver puts the IPTC block, which libvips passes on unchanged: JPEG
// files hold it in Photoshop's resource block, TIFF files bare.
enum class IptcSlot { None, PhotoshopBlock, Bare };

// view for a policy that keeps no camera data. Otherwise a copy of it
// carrying the sRGB profile, the source's EXIF (fitted in place, see
// metadata/ExifInPlace.h) and XMP (rewritten to match), and for all the
// IPTC block when it is in the form the slot takes. no-location leaves out
// the GPS directory, the maker note's bytes, XMP's places and the IPTC
// block. Savers that have no place
// for a part leave it out.
vips::VImage WithMetadata(const vips::VImage& view, const PictureMetadata& metadata, int32_t policy,
                          IptcSlot slot);
