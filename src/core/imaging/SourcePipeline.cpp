#include "imaging/SourcePipeline.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "imaging/BmpSource.h"
#include "imaging/FrameFinish.h"
#include "imaging/ImagingMessages.h"
#include "imaging/JpegEndSource.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"
#include "metadata/CameraDataRead.h"

namespace {

// libjpeg calls what it recovered from "warnings": the rows a file lacks
// come out grey. Any of them refuses a JPEG; other loaders call only real
// damage an error (libpng warns about harmless things).
VipsFailOn FailOn(bool strict, bool jpeg) {
    if (!strict)
        return VIPS_FAIL_ON_NONE;
    return jpeg ? VIPS_FAIL_ON_WARNING : VIPS_FAIL_ON_ERROR;
}

// From the descriptor, the loaders find the format in the first bytes read
// once; by name, each tries the file on its own (some open it again and
// read far into it).
vips::VSource SourceOf(int fd, bool jpeg) {
    return jpeg && JpegLacksEndMarker(fd) ? SourceWithEndMarker(fd)
                                          : vips::VSource::new_from_descriptor(fd);
}

std::string Blob(const vips::VImage& image, const char* name) {
    if (image.get_typeof(name) == 0)
        return {};
    const void* data = nullptr;
    std::size_t length = 0;
    if (vips_image_get_blob(image.get_image(), name, &data, &length) != 0)
        return {};  // a field of another kind: no block
    return std::string(static_cast<const char*>(data), length);
}

bool LoaderTakesSource(const vips::VSource& source) {
    // A collector of its own: a source no loader takes is not a failure.
    const ImagingMessages untried;
    return vips_foreign_find_load_source(source.get_source()) != nullptr;
}

// A cropped picture (fill) takes more of the source than a fitted one of
// the same output: a 3:2 photo filling a square is scaled by two thirds of
// fit's factor. libvips' thumbnail leaves a factor of two to its resampler
// after the shrink a JPEG decoder makes, so that photo would decode whole,
// in twice fit's time; the largest shrink that still covers the picture is
// taken instead (libjpeg's scaled decode is a true reduction). 1: none.
int CoveringJpegShrink(int uprightWidth, int uprightHeight, const OutputPlan& plan) {
    if (plan.picture.width <= plan.width && plan.picture.height <= plan.height)
        return 1;
    const double room = std::min(double(uprightWidth) / plan.picture.width,
                                 double(uprightHeight) / plan.picture.height);
    for (const int shrink : {8, 4, 2})
        if (room >= shrink)
            return shrink;
    return 1;
}

// The opacity of a picture with alpha (its last band) in 8 bits.
vips::VImage OpacityOf(const vips::VImage& picture) {
    vips::VImage alpha = picture[picture.bands() - 1];
    if (alpha.format() == VIPS_FORMAT_USHORT)
        alpha = alpha >> 8;
    return alpha.cast(VIPS_FORMAT_UCHAR);
}

}  // namespace

vips::VImage FinishedOnOutput(vips::VImage picture, const OutputPlan& plan, double reduction,
                              std::unique_lock<std::mutex>& lock) {
    picture = Sharpened(picture, plan.sharpen, reduction);
    if (!plan.attention || picture.width() < plan.width || picture.height() < plan.height)
        return PlacedOnOutput(picture, plan);
    // The attention measure reads the picture more than once, which a
    // sequential decode cannot give: the resampled picture is made first,
    // outside the lock, as any is.
    lock.unlock();
    RgbPicture whole;
    CopyPixelsOut(picture, whole);
    lock.lock();
    return CroppedByAttention(InMemory(whole), plan.width, plan.height);
}

// The resampled picture cut to the output where it reaches beyond, and
// laid on the background where it leaves the output bare.
vips::VImage PlacedOnOutput(vips::VImage picture, const OutputPlan& plan) {
    if (plan.IsStretched())
        return picture;
    const int64_t x = plan.picture.x, y = plan.picture.y;
    const int left = static_cast<int>(std::max<int64_t>(0, -x));
    const int top = static_cast<int>(std::max<int64_t>(0, -y));
    const int right = static_cast<int>(std::min<int64_t>(picture.width(), plan.width - x));
    const int bottom = static_cast<int>(std::min<int64_t>(picture.height(), plan.height - y));
    if (left > 0 || top > 0 || right < picture.width() || bottom < picture.height())
        picture = picture.extract_area(left, top, right - left, bottom - top);
    const int at = static_cast<int>(std::max<int64_t>(0, x));
    const int down = static_cast<int>(std::max<int64_t>(0, y));
    if (at > 0 || down > 0 || picture.width() != plan.width || picture.height() != plan.height) {
        const PlanColour& c = plan.background;
        const double scale = picture.format() == VIPS_FORMAT_USHORT ? 257 : 1;  // 16 bits
        picture = picture.embed(
            at, down, plan.width, plan.height,
            vips::VImage::option()
                ->set("extend", VIPS_EXTEND_BACKGROUND)
                ->set("background", std::vector<double>{c.red * scale, c.green * scale,
                                                        c.blue * scale}));
    }
    return picture;
}

SourcePipeline::SourcePipeline(const std::string& path, int fd, const OutputPlan& plan,
                               VipsSize size, bool strict, PictureMetadata* metadata,
                               bool keepAlpha, bool keepDeep) {
    const bool force = size == VIPS_SIZE_FORCE;
    const int width = force ? plan.picture.width : plan.width;
    const int height = force ? plan.picture.height : plan.height;
    const bool jpeg = StartsLikeJpeg(fd);
    const VipsFailOn failOn = FailOn(strict, jpeg);
    // A BMP is read whole by the program's own reader; no loader sees it.
    const vips::VImage bmp = StartsLikeBmp(fd) ? BmpImage(path, fd) : vips::VImage();
    const bool ownBmp = bmp.get_image() != nullptr;
    const vips::VSource source = SourceOf(fd, jpeg);
    const bool fromSource = !ownBmp && LoaderTakesSource(source);
    const std::string name = VipsPathWithOptions(path);

    // What the resample must know beforehand, from the header.
    bool hasProfile = false;
    double sourcePixels = 0;  // upright or not, the same
    int jpegShrink = 1;
    bool deepSource = false;  // 16-bit samples
    {
        auto options = vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL);
        const vips::VImage header = ownBmp       ? bmp
                                    : fromSource ? vips::VImage::new_from_source(source, "", options)
                                                 : vips::VImage::new_from_file(name.c_str(), options);
        hasProfile = header.get_typeof(VIPS_META_ICC_NAME) != 0;
        deepSource = header.format() == VIPS_FORMAT_USHORT;
        sourcePixels = double(header.width()) * header.height();
        xResolution_ = header.xres();
        yResolution_ = header.yres();
        const bool swap = vips_image_get_orientation_swap(header.get_image());
        if (swap)
            std::swap(xResolution_, yResolution_);
        if (jpeg && force)
            jpegShrink = CoveringJpegShrink(swap ? header.height() : header.width(),
                                            swap ? header.width() : header.height(), plan);
        if (metadata) {
            *metadata = {Blob(header, VIPS_META_EXIF_NAME), Blob(header, VIPS_META_XMP_NAME),
                         Blob(header, VIPS_META_IPTC_NAME)};
            if (header.get_typeof("vips-loader") != 0)
                AddDroppedCameraData(path, header.get_string("vips-loader"), *metadata);
        }
    }

    auto options = vips::VImage::option()->set("height", height)->set("size", size);
    // Converting a profile-less picture "from sRGB to sRGB" would only cost
    // time and shift colours.
    if (hasProfile)
        options->set("export_profile", "srgb");
    auto lock = LockPipelines();
    try {
        const bool deep = keepDeep && deepSource && force && !plan.attention && !keepAlpha;
        if (deep) {
            // libvips' thumbnail makes 8 bits of 16: the steps it takes, by
            // hand, in 16 bits (these formats have no shrink-on-load).
            auto load = vips::VImage::option()
                            ->set("access", VIPS_ACCESS_SEQUENTIAL)
                            ->set("fail_on", failOn);
            image_ = (fromSource ? vips::VImage::new_from_source(source, "", load)
                                 : vips::VImage::new_from_file(name.c_str(), load))
                         .autorot();
            if (hasProfile)
                image_ = image_.icc_transform(
                    "srgb", vips::VImage::option()->set("depth", 16)->set("embedded", true));
            const bool alpha = image_.has_alpha();
            if (alpha)
                image_ = image_.premultiply();
            image_ = image_.resize(double(width) / image_.width(),
                                   vips::VImage::option()
                                       ->set("vscale", double(height) / image_.height())
                                       ->set("kernel", VIPS_KERNEL_LANCZOS3));
            if (alpha)
                image_ = image_.unpremultiply();
        } else if (ownBmp) {
            image_ = bmp.thumbnail_image(width, options);
        } else if (jpegShrink > 1) {
            auto load = vips::VImage::option()
                            ->set("shrink", jpegShrink)
                            ->set("access", VIPS_ACCESS_SEQUENTIAL)
                            ->set("fail_on", failOn);
            const vips::VImage loaded = fromSource
                                            ? vips::VImage::jpegload_source(source, load)
                                            : vips::VImage::jpegload(name.c_str(), load);
            image_ = loaded.thumbnail_image(width, options);
        } else if (fromSource) {
            // Loaders given a source take their checks as an option string.
            const std::string checks =
                std::string("fail_on=") + vips_enum_nick(VIPS_TYPE_FAIL_ON, failOn);
            options->set("option_string", checks.c_str());
            image_ = vips::VImage::thumbnail_source(source, width, options);
        } else {
            options->set("fail_on", failOn);
            image_ = vips::VImage::thumbnail(name.c_str(), width, options);
        }
        vips::VImage alpha;
        if (keepAlpha && force && !plan.attention && image_.has_alpha()) {
            alpha = OpacityOf(image_);
            image_ = image_.extract_band(0, vips::VImage::option()->set("n", image_.bands() - 1));
        }
        // 16 bits through the resample; the placing and sharpening keep them.
        image_ = deep ? ToRgb16(image_, plan.background) : ToRgb8(image_, plan.background);
        const auto sized = [&](const vips::VImage& picture) {
            return picture.width() == width && picture.height() == height
                       ? picture
                       : picture.embed(0, 0, width, height,
                                       vips::VImage::option()->set("extend", VIPS_EXTEND_COPY));
        };
        if (force) {
            image_ = sized(image_);
            const double reduction = std::sqrt(sourcePixels / (double(width) * height));
            image_ = FinishedOnOutput(image_, plan, reduction, lock);
        }
        if (alpha.get_image()) {
            // Placed as the colour is; the background the plan lays is opaque.
            OutputPlan opaque = plan;
            opaque.background = {255, 255, 255};
            alpha = sized(alpha);
            alpha = PlacedOnOutput(vips::VImage::bandjoin({alpha, alpha, alpha}), opaque)[0];
            // One pipeline for both, pulled once: the loader reads in order.
            image_ = image_.bandjoin(alpha);
        }
    } catch (...) {
        if (!lock.owns_lock())
            lock.lock();
        image_ = vips::VImage();
        throw;
    }
}

SourcePipeline::~SourcePipeline() {
    const auto lock = LockPipelines();
    image_ = vips::VImage();
}
