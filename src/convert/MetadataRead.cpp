#include "convert/MetadataRead.h"

#include <vips/vips8>

#include "convert/VipsPixels.h"
#include "convert/VipsSession.h"

namespace {

std::string Blob(const vips::VImage& image, const char* name) {
    if (image.get_typeof(name) == 0)
        return {};
    const void* data = nullptr;
    std::size_t length = 0;
    if (vips_image_get_blob(image.get_image(), name, &data, &length) != 0) {
        vips_error_clear();
        return {};
    }
    return std::string(static_cast<const char*>(data), length);
}

}  // namespace

bool ReadPictureMetadata(const std::string& path, PictureMetadata& metadata, std::string* reason) {
    if (!StartImaging()) {
        if (reason)
            *reason = "the imaging library could not start";
        return false;
    }
    try {
        const vips::VImage header = vips::VImage::new_from_file(
            VipsPathWithOptions(path).c_str(),
            vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        metadata = {};
        metadata.exif = Blob(header, VIPS_META_EXIF_NAME);
        metadata.xmp = Blob(header, VIPS_META_XMP_NAME);
        metadata.iptc = Blob(header, VIPS_META_IPTC_NAME);
        return true;
    } catch (const vips::VError& error) {
        const std::string why = TakeVipsError(error);
        if (reason)
            *reason = why;
        return false;
    }
}
