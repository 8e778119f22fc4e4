#include "imaging/VipsPixels.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "imaging/VipsSession.h"

vips::VImage ToRgb8(vips::VImage image, const PlanColour& background) {
    if (image.interpretation() != VIPS_INTERPRETATION_sRGB &&
        vips_colourspace_issupported(image.get_image()))
        image = image.colourspace(VIPS_INTERPRETATION_sRGB);
    if (image.has_alpha()) {
        const double maxAlpha = image.format() == VIPS_FORMAT_USHORT ? 65535.0 : 255.0;
        const double scale = maxAlpha / 255.0;
        const double r = background.red * scale, g = background.green * scale,
                     b = background.blue * scale;
        // A grey picture's one band takes the colour's grey.
        const double grey = r == g && g == b ? r : 0.2126 * r + 0.7152 * g + 0.0722 * b;
        const std::vector<double> colour =
            image.bands() - 1 >= 3 ? std::vector<double>{r, g, b} : std::vector<double>{grey};
        image = image.flatten(
            vips::VImage::option()->set("background", colour)->set("max_alpha", maxAlpha));
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

vips::VImage ToRgb16(vips::VImage image, const PlanColour& background) {
    if (image.interpretation() != VIPS_INTERPRETATION_RGB16 &&
        vips_colourspace_issupported(image.get_image()))
        image = image.colourspace(VIPS_INTERPRETATION_RGB16);
    if (image.has_alpha()) {
        const double r = background.red * 257.0, g = background.green * 257.0,
                     b = background.blue * 257.0;
        image = image.flatten(vips::VImage::option()
                                  ->set("background", std::vector<double>{r, g, b})
                                  ->set("max_alpha", 65535.0));
    }
    if (image.format() == VIPS_FORMAT_UCHAR)
        image = image.cast(VIPS_FORMAT_USHORT) * 257;
    if (image.format() != VIPS_FORMAT_USHORT)
        image = image.cast(VIPS_FORMAT_USHORT);
    if (image.bands() > 3)
        image = image.extract_band(0, vips::VImage::option()->set("n", 3));
    else if (image.bands() < 3)
        image = vips::VImage::bandjoin(std::vector<vips::VImage>{image[0], image[0], image[0]});
    return image.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_RGB16));
}

namespace {

void PullStrips(const vips::VImage& image, const RowTaker& take) {
    VipsImage* in = image.get_image();
    std::unique_ptr<VipsRegion, decltype(&g_object_unref)> region(vips_region_new(in),
                                                                  &g_object_unref);
    if (!region)
        ThrowImagingFailure();
    // Top to bottom, as sequential loaders need them.
    constexpr int kStripRows = 128;
    for (int top = 0; top < in->Ysize; top += kStripRows) {
        VipsRect strip{0, top, in->Xsize, std::min(kStripRows, in->Ysize - top)};
        if (vips_region_prepare(region.get(), &strip) != 0)
            ThrowImagingFailure();
        for (int y = top; y < top + strip.height; ++y)
            take(y, reinterpret_cast<const uint8_t*>(VIPS_REGION_ADDR(region.get(), 0, y)));
    }
}

}  // namespace

void PullRows(const vips::VImage& image, const RowTaker& take) {
    RunOnImagingThread([&] { PullStrips(image, take); });
}

void CopyPixelsOut(const vips::VImage& image, RgbPicture& picture,
                   const std::function<void(int rows)>& copied) {
    const std::size_t rowBytes = VIPS_IMAGE_SIZEOF_LINE(image.get_image());
    picture.width = image.width();
    picture.height = image.height();
    picture.pixels.resize(rowBytes * static_cast<std::size_t>(image.height()));
    PullRows(image, [&](int y, const uint8_t* row) {
        std::memcpy(picture.pixels.data() + static_cast<std::size_t>(y) * rowBytes, row, rowBytes);
        if (copied && ((y + 1) % 16 == 0 || y + 1 == picture.height))
            copied(y + 1);
    });
}

void ThrowImagingFailure() {
    throw vips::VError(std::string());
}

namespace {

vips::VImage TurnedView(const RgbPicture& picture, const void* samples, std::size_t bytes,
                        VipsBandFormat format, RotateFlipType turn) {
    vips::VImage view = vips::VImage::new_from_memory(const_cast<void*>(samples), bytes,
                                                      picture.width, picture.height, 3, format);
    // libvips turns the pixels, not the resolution.
    const bool quarter = SwapsSides(turn);
    const double xResolution = quarter ? picture.yResolution : picture.xResolution;
    const double yResolution = quarter ? picture.xResolution : picture.yResolution;
    auto options = vips::VImage::option()->set(
        "interpretation",
        format == VIPS_FORMAT_USHORT ? VIPS_INTERPRETATION_RGB16 : VIPS_INTERPRETATION_sRGB);
    if (xResolution > 0)
        options->set("xres", xResolution);
    if (yResolution > 0)
        options->set("yres", yResolution);
    view = view.copy(options);
    static constexpr VipsAngle kAngles[] = {VIPS_ANGLE_D0, VIPS_ANGLE_D90, VIPS_ANGLE_D180,
                                            VIPS_ANGLE_D270};
    if ((turn & 3) != 0)
        view = view.rot(kAngles[turn & 3]);
    if ((turn & 4) != 0)
        view = view.flip(VIPS_DIRECTION_HORIZONTAL);
    return view;
}

}  // namespace

vips::VImage ViewOf(const RgbPicture& picture, RotateFlipType turn) {
    return TurnedView(picture, picture.pixels.data(), picture.pixels.size(), VIPS_FORMAT_UCHAR,
                      turn);
}

vips::VImage DeepViewOf(const RgbPicture& picture, RotateFlipType turn) {
    return TurnedView(picture, picture.deep.data(), picture.deep.size() * 2, VIPS_FORMAT_USHORT,
                      turn);
}
