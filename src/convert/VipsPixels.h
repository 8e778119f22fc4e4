#pragma once
// Between libvips images and the plain pictures of the rest of the program.
// For the imaging layer's own files only.

#include <string>

#include <vips/vips8>

#include "convert/RgbPicture.h"

// Any decoded picture as 8-bit sRGB with three bands: colour space
// converted, alpha flattened onto white, deeper samples scaled down.
vips::VImage ToRgb8(vips::VImage image);

// Runs the pipeline that ends in image (8-bit, three bands) into
// picture.pixels. Throws vips::VError when a step fails.
void CopyPixelsOut(const vips::VImage& image, RgbPicture& picture);

// A libvips view of the picture's pixels, which must outlive the view.
vips::VImage ViewOf(const RgbPicture& picture);

// libvips' words for the failure that threw error, one line ("a; b" for
// several), and libvips' error buffer cleared. The buffer is shared by all
// threads, so a line another photo's failure left behind may come along;
// lines are kept once each.
std::string TakeVipsError(const vips::VError& error);
