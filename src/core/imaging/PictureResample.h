#pragma once
// An output laid out from a picture already decoded, so that one decode of
// a photo serves several outputs.

#include <cstddef>

#include "model/OutputPlan.h"
#include "model/RgbPicture.h"
#include "platform/Status.h"

class RowsInProgress;

// The plan's output made from whole, the whole upright source picture
// already decoded (stretched, at any size): whole resampled to the plan's
// picture size with the decode's lanczos-class kernel (not at all when it
// has that size), sharpened after a reduction as the plan asks (by how much
// the source of sourcePixels pixels was reduced), then cut to the output or
// laid on the background as DecodePicture lays it. Carries whole's
// resolution, camera data and RAW notes. Thread-safe.
Result<RgbPicture> PictureFromDecoded(const RgbPicture& whole, const OutputPlan& plan,
                                      double sourcePixels);

// Whether the plan's output from a decoded picture of width x height pixels
// is that picture as it is (the same size, stretched, nothing sharpened or
// cropped), which PictureFromDecoded then copies.
bool LaidOutAsDecoded(const OutputPlan& plan, int width, int height, double sourcePixels);

// The same pixels made from the rows of a decode still going on, each read
// as soon as it is in, so that the work runs beside the decode; without the
// resolution, camera data and RAW notes, which come with the decode's
// result. Fails when the decode ends without the rows it needs.
Result<RgbPicture> PictureFromDecoding(const RowsInProgress& rows, const OutputPlan& plan,
                                       double sourcePixels);

// Gives picture, made from whole's pixels, whole's resolution, camera data
// and RAW notes.
void CarryDecodeFacts(const RgbPicture& whole, RgbPicture& picture);

// How many decodes of a source file have started in this process (every
// DecodePicture call), for checks that a photo is decoded once.
std::size_t DecodesStarted();
