#pragma once
// Between libvips images and the plain pictures of the rest of the program.
// For the imaging layer's own files only.

#include <cstdint>
#include <functional>
#include <string>

#include <vips/vips8>

#include "imaging/RotateFlip.h"
#include "model/OutputPlan.h"
#include "model/RgbPicture.h"

// Any decoded picture as 8-bit sRGB with three bands: colour space
// converted, alpha flattened onto the background (white unless given),
// deeper samples scaled down.
vips::VImage ToRgb8(vips::VImage image, const PlanColour& background = {});

// The same in 16 bits a sample (RGB16): 8-bit pictures widened.
vips::VImage ToRgb16(vips::VImage image, const PlanColour& background = {});

// Receives row y of a picture; the row is valid only during the call.
using RowTaker = std::function<void(int y, const uint8_t* row)>;

// Runs the pipeline that ends in image (8-bit, three bands) on one thread
// only (a libvips one), top to bottom in strips, and hands each row to take
// in turn: libvips' own thread pool may black out a tile whose computation
// failed and still finish, so a damaged file would fail in some runs and
// come out wrong in others. Throws vips::VError when a step fails, at the
// same row every time.
void PullRows(const vips::VImage& image, const RowTaker& take);

// PullRows into picture.pixels, which take the image's size; copied, when
// given, is told every few rows how many rows from the top are in.
void CopyPixelsOut(const vips::VImage& image, RgbPicture& picture,
                   const std::function<void(int rows)>& copied = {});

// A libvips view of the picture's pixels, which must outlive the view,
// turned and mirrored by turn: the pixels are read turned as they are
// needed, never copied whole. A quarter turn swaps the resolutions too.
vips::VImage ViewOf(const RgbPicture& picture, RotateFlipType turn = RotateNoneFlipNone);

// The same of the picture's 16-bit samples (picture.deep, which must hold
// three a pixel).
vips::VImage DeepViewOf(const RgbPicture& picture, RotateFlipType turn = RotateNoneFlipNone);

// Throws vips::VError for a libvips call that failed, without reading
// libvips' shared error buffer (as the bindings' own VError() does): the
// words are in the caller's collector (ImagingMessages).
[[noreturn]] void ThrowImagingFailure();
