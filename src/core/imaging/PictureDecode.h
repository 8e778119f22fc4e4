#pragma once
// Decoding a source photo as its output plan lays it out.

#include <string>

#include "model/OutputPlan.h"
#include "model/RgbPicture.h"
#include "platform/Status.h"

class RowsInProgress;

// Decodes the first page of the regular file at path into the plan's output
// (plan.width x plan.height pixels): the whole upright picture resampled to
// the plan's picture size and placed as the plan says (stretched over the
// output, cut to it, or laid on its background): shrink-on-load where the
// loader can, then a lanczos-class resample; EXIF orientation applied, an
// embedded colour profile converted to sRGB, alpha flattened onto white.
// Carries the source's resolution. Fails, naming the file, for a plan that
// is not drawable and for anything that is not a regular, wholly decodable
// picture (missing, FIFO, folder, truncated, corrupt, a PNG with oversized
// metadata), with libvips' and the decoder's own words for it; the same
// file gives the same verdict every time, whatever the threads. A JPEG is
// refused for anything libjpeg had to recover from (rows it would fill with
// grey among them), except a missing end marker: it decodes as the whole
// file would. withMetadata: the camera data of the source's header (EXIF
// block, XMP packet, IPTC block; what it lacks stays empty) into
// picture.metadata too, read as the file is decoded. A camera RAW is known
// by its content, never by the TIFF loader (which would take a DNG's small
// first picture for the photo), and developed by LibRaw as rawDevelop
// (RawDevelop) asks: see DecodeRaw. withAlpha: a source with alpha keeps
// it in picture.alpha, its colour then not laid on white (not with the
// attention crop, nor for camera RAW and BMP sources, which have none here).
// withDeep: a source of 16-bit samples keeps them in picture.deep as well
// (not with the attention crop or withAlpha). Thread-safe.
// rows, when given (for a picture of the plan's size), is handed the
// decoded rows as they come and is ended whatever the outcome; a camera RAW
// and a picture with alpha or deep samples come only as the result.
Result<RgbPicture> DecodePicture(const std::string& path, const OutputPlan& plan,
                                 bool withMetadata = false, int32_t rawDevelop = 0,
                                 bool withAlpha = false, bool withDeep = false,
                                 RowsInProgress* rows = nullptr);
