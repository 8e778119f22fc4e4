#include "imaging/FrameFinish.h"

#include <algorithm>

#include "imaging/VipsPixels.h"
#include "model/OutputPhotoFormat.h"

namespace {

// The unsharp mask's slope for bright and dark edges at a reduction by two
// or more; libvips' own default (3) is the strong one. Flat areas (m1) are
// left alone, so that noise and skies stay smooth.
double Amount(int32_t strength) {
    switch (strength) {
        case kSharpenLight: return 1.0;
        case kSharpenMedium: return 2.0;
        case kSharpenStrong: return 3.0;
        default: return 0.0;
    }
}

}  // namespace

bool Sharpens(int32_t strength, double reduction) {
    return Amount(strength) * std::min(1.0, reduction - 1.0) > 0;
}

vips::VImage Sharpened(const vips::VImage& picture, int32_t strength, double reduction) {
    const double amount = Amount(strength) * std::min(1.0, reduction - 1.0);
    if (amount <= 0)
        return picture;
    // sigma 0.5: the radius of a resampled pixel's softness, whatever the
    // reduction.
    vips::VImage sharp = picture.sharpen(
        vips::VImage::option()->set("sigma", 0.5)->set("m1", 0.0)->set("m2", amount));
    if (sharp.format() != picture.format())
        sharp = sharp.cast(picture.format());
    return sharp;
}

vips::VImage CroppedByAttention(const vips::VImage& picture, int width, int height) {
    return picture.smartcrop(width, height,
                             vips::VImage::option()->set("interesting", VIPS_INTERESTING_ATTENTION));
}

vips::VImage InMemory(const RgbPicture& picture) {
    VipsImage* copy = vips_image_new_from_memory_copy(picture.pixels.data(), picture.pixels.size(),
                                                      picture.width, picture.height, 3,
                                                      VIPS_FORMAT_UCHAR);
    if (!copy)
        ThrowImagingFailure();
    return vips::VImage(copy).copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}
