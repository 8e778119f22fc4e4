#pragma once
// The finishing steps of a planned picture inside the decode: sharpening
// after a reduction and the crop that keeps the interesting part. For the
// imaging layer's own files only.

#include <cstdint>

#include <vips/vips8>

#include "model/RgbPicture.h"

// The picture, resampled from a source reduction times larger, sharpened
// with an unsharp mask of the strength (SharpenStrength) on its lightness,
// as libvips' sharpen does: light, medium and strong differ in the amount,
// which grows with the reduction up to halving and stays from there. The
// picture unchanged, the very same image, for no strength or a reduction of
// 1 or less.
vips::VImage Sharpened(const vips::VImage& picture, int32_t strength, double reduction);

// Whether Sharpened changes a picture at all.
bool Sharpens(int32_t strength, double reduction);

// The width x height part of a picture that covers it (at least as large
// each way) with the most to look at: detail, skin tones, saturated colour
// (libvips' attention measure). The picture must be one that can be read
// more than once (InMemory).
vips::VImage CroppedByAttention(const vips::VImage& picture, int width, int height);

// A libvips image of its own copy of the picture's pixels.
vips::VImage InMemory(const RgbPicture& picture);
