#include "convert/VipsPixels.h"

#include <cstring>
#include <memory>

vips::VImage ToRgb8(vips::VImage image) {
    if (image.interpretation() != VIPS_INTERPRETATION_sRGB &&
        vips_colourspace_issupported(image.get_image()))
        image = image.colourspace(VIPS_INTERPRETATION_sRGB);
    if (image.has_alpha()) {
        const double maxAlpha = image.format() == VIPS_FORMAT_USHORT ? 65535.0 : 255.0;
        image = image.flatten(vips::VImage::option()
                                  ->set("background", std::vector<double>{maxAlpha})
                                  ->set("max_alpha", maxAlpha));
    }
    if (image.format() == VIPS_FORMAT_USHORT)
        image = image >> 8;  // 16-bit samples without a colour space
    if (image.format() != VIPS_FORMAT_UCHAR)
        image = image.cast(VIPS_FORMAT_UCHAR);
    if (image.bands() > 3)
        image = image.extract_band(0, vips::VImage::option()->set("n", 3));
    else if (image.bands() < 3)
        image = vips::VImage::bandjoin(std::vector<vips::VImage>{image[0], image[0], image[0]});
    return image;
}

void CopyPixelsOut(const vips::VImage& image, RgbPicture& picture) {
    std::size_t size = 0;
    std::unique_ptr<void, decltype(&g_free)> memory(image.write_to_memory(&size), &g_free);
    picture.width = image.width();
    picture.height = image.height();
    const auto* bytes = static_cast<const uint8_t*>(memory.get());
    picture.pixels.assign(bytes, bytes + size);
}

std::string TakeVipsError(const vips::VError& error) {
    std::string text;
    std::string all = error.what();
    vips_error_clear();
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        if (end == std::string::npos)
            end = all.size();
        const std::string line = all.substr(start, end - start);
        if (!line.empty() && text.find(line) == std::string::npos)
            text += (text.empty() ? "" : "; ") + line;
        start = end + 1;
    }
    return text.empty() ? std::string("unknown imaging error") : text;
}

vips::VImage ViewOf(const RgbPicture& picture) {
    vips::VImage view = vips::VImage::new_from_memory(const_cast<uint8_t*>(picture.pixels.data()),
                                                      picture.pixels.size(), picture.width,
                                                      picture.height, 3, VIPS_FORMAT_UCHAR);
    auto options = vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB);
    if (picture.xResolution > 0)
        options->set("xres", picture.xResolution);
    if (picture.yResolution > 0)
        options->set("yres", picture.yResolution);
    return view.copy(options);
}
