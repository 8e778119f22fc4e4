#pragma once
// A RAW file's camera data in the form the encoders take. For the imaging
// layer's RAW files only.

#include <libraw/libraw.h>

#include "model/RgbPicture.h"

// An EXIF block (libvips' form) built from what LibRaw parsed of the file
// (opened): make, model, lens, exposure, ISO, focal length, date taken and
// the GPS position, each where the file has it; and the file's XMP packet.
// Every RAW kind is read the same way, TIFF-based or not, so the outputs of
// a mixed shoot carry the same fields.
PictureMetadata RawCameraData(const LibRaw& raw);
