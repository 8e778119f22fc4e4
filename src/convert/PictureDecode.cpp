#include "convert/PictureDecode.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "convert/VipsPixels.h"
#include "convert/VipsSession.h"

namespace {

// Larger surfaces would take the machine's memory rather than fail cleanly.
constexpr uint64_t kMaxPictureBytes = uint64_t{1} << 30;

struct SourceFacts {
    bool hasProfile = false;
    double xResolution = 0;
    double yResolution = 0;
};

// What the conversion must know before the decode: read from the header.
SourceFacts ReadSourceFacts(const std::string& path) {
    vips::VImage header =
        vips::VImage::new_from_file(VipsPathWithOptions(path).c_str(),
                                    vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
    SourceFacts facts;
    facts.hasProfile = header.get_typeof(VIPS_META_ICC_NAME) != 0;
    facts.xResolution = header.xres();
    facts.yResolution = header.yres();
    if (vips_image_get_orientation_swap(header.get_image()))
        std::swap(facts.xResolution, facts.yResolution);
    return facts;
}

}  // namespace

bool DecodePictureToSize(const std::string& path, int32_t width, int32_t height,
                         RgbPicture& picture, std::string* reason) {
    auto fail = [reason](std::string why) {
        if (reason)
            *reason = std::move(why);
        return false;
    };
    if (width <= 0 || height <= 0)
        return fail("no output size");
    if (uint64_t(width) * uint64_t(height) * 3 > kMaxPictureBytes)
        return fail("an output of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels is larger than the program works with");
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return fail(std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return fail("not a regular file");
    if (!StartImaging())
        return fail("the imaging library could not start");
    try {
        const SourceFacts facts = ReadSourceFacts(path);
        auto options = vips::VImage::option()
                           ->set("height", height)
                           ->set("size", VIPS_SIZE_FORCE)
                           ->set("fail_on", VIPS_FAIL_ON_ERROR);
        // Converting a profile-less picture "from sRGB to sRGB" would only
        // cost time and shift colours.
        if (facts.hasProfile)
            options->set("export_profile", "srgb");
        vips::VImage image =
            vips::VImage::thumbnail(VipsPathWithOptions(path).c_str(), width, options);
        image = ToRgb8(image);
        if (image.width() != width || image.height() != height)
            image = image.embed(0, 0, width, height,
                                vips::VImage::option()->set("extend", VIPS_EXTEND_COPY));
        CopyPixelsOut(image, picture);
        picture.xResolution = facts.xResolution;
        picture.yResolution = facts.yResolution;
        return true;
    } catch (const vips::VError& error) {
        return fail(TakeVipsError(error));
    }
}
