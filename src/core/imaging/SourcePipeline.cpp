#include "imaging/SourcePipeline.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

}  // namespace

// The resampled picture cut to the output where it reaches beyond, and
// laid on the background where it leaves the output bare.
vips::VImage PlacedOnOutput(vips::VImage picture, const OutputPlan& plan) {
    if (plan.IsStretched())
        return picture;
    if (plan.attention && picture.width() >= plan.width && picture.height() >= plan.height)
        return CroppedByAttention(picture, plan.width, plan.height);
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
        picture = picture.embed(
            at, down, plan.width, plan.height,
            vips::VImage::option()
                ->set("extend", VIPS_EXTEND_BACKGROUND)
                ->set("background",
                      std::vector<double>{double(c.red), double(c.green), double(c.blue)}));
    }
    return picture;
}

SourcePipeline::SourcePipeline(const std::string& path, int fd, const OutputPlan& plan,
                               VipsSize size, bool strict, PictureMetadata* metadata) {
    const bool force = size == VIPS_SIZE_FORCE;
    const int width = force ? plan.picture.width : plan.width;
    const int height = force ? plan.picture.height : plan.height;
    const bool jpeg = StartsLikeJpeg(fd);
    const VipsFailOn failOn = FailOn(strict, jpeg);
    const vips::VSource source = SourceOf(fd, jpeg);
    const bool fromSource = LoaderTakesSource(source);
    const std::string name = VipsPathWithOptions(path);

    // What the resample must know beforehand, from the header.
    bool hasProfile = false;
    double sourcePixels = 0;  // upright or not, the same
    {
        auto options = vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL);
        const vips::VImage header = fromSource ? vips::VImage::new_from_source(source, "", options)
                                               : vips::VImage::new_from_file(name.c_str(), options);
        hasProfile = header.get_typeof(VIPS_META_ICC_NAME) != 0;
        sourcePixels = double(header.width()) * header.height();
        xResolution_ = header.xres();
        yResolution_ = header.yres();
        if (vips_image_get_orientation_swap(header.get_image()))
            std::swap(xResolution_, yResolution_);
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
    const auto lock = LockPipelines();
    try {
        if (fromSource) {
            // Loaders given a source take their checks as an option string.
            const std::string checks =
                std::string("fail_on=") + vips_enum_nick(VIPS_TYPE_FAIL_ON, failOn);
            options->set("option_string", checks.c_str());
            image_ = vips::VImage::thumbnail_source(source, width, options);
        } else {
            options->set("fail_on", failOn);
            image_ = vips::VImage::thumbnail(name.c_str(), width, options);
        }
        image_ = ToRgb8(image_, plan.background);
        if (force && (image_.width() != width || image_.height() != height))
            image_ = image_.embed(0, 0, width, height,
                                  vips::VImage::option()->set("extend", VIPS_EXTEND_COPY));
        if (force) {
            const double reduction = std::sqrt(sourcePixels / (double(width) * height));
            image_ = PlacedOnOutput(Sharpened(image_, plan.sharpen, reduction), plan);
        }
    } catch (...) {
        image_ = vips::VImage();
        throw;
    }
}

SourcePipeline::~SourcePipeline() {
    const auto lock = LockPipelines();
    image_ = vips::VImage();
}
