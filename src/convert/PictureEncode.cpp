#include "convert/PictureEncode.h"

#include <algorithm>

#include "convert/VipsPixels.h"
#include "convert/VipsSession.h"

namespace {

template <typename Save>
bool Encode(const RgbPicture& picture, int fd, Save save) {
    if (picture.width <= 0 || picture.height <= 0 || !StartImaging())
        return false;
    try {
        vips::VTarget target = vips::VTarget::new_to_descriptor(fd);
        save(ViewOf(picture), target);
        return true;
    } catch (const vips::VError&) {
        vips_error_clear();
        return false;
    }
}

}  // namespace

bool EncodeJpeg(const RgbPicture& picture, int fd, int quality) {
    return Encode(picture, fd, [quality](const vips::VImage& image, vips::VTarget& target) {
        // Stripping would also drop the density; the picture carries no
        // other metadata anyway.
        image.jpegsave_target(target,
                              vips::VImage::option()->set("Q", std::clamp(quality, 1, 100)));
    });
}

bool EncodePng(const RgbPicture& picture, int fd) {
    return Encode(picture, fd, [](const vips::VImage& image, vips::VTarget& target) {
        image.pngsave_target(target, vips::VImage::option()->set("strip", true));
    });
}

bool EncodeTiff(const RgbPicture& picture, int fd) {
    return Encode(picture, fd, [](const vips::VImage& image, vips::VTarget& target) {
        image.tiffsave_target(target, vips::VImage::option()
                                          ->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_LZW)
                                          ->set("strip", true));
    });
}
