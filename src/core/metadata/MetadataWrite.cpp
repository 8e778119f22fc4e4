#include "metadata/MetadataWrite.h"

#include <memory>
#include <mutex>
#include <string>

#include "metadata/ExifInPlace.h"
#include "metadata/XmpRewrite.h"

namespace {

// libvips' own sRGB profile, loaded once.
const std::string& SrgbProfile() {
    static std::once_flag once;
    static std::string profile;
    std::call_once(once, [] {
        // libvips' own file: its words, were it missing, would go to the
        // caller's collector; the encode that follows succeeds without it.
        try {
            VipsBlob* blob = vips::VImage::profile_load("srgb");
            std::size_t length = 0;
            const void* data =
                vips_area_get_data(VIPS_AREA(blob), &length, nullptr, nullptr, nullptr);
            profile.assign(static_cast<const char*>(data), length);
            vips_area_unref(VIPS_AREA(blob));
        } catch (const vips::VError&) {
            // The outputs go without a profile.
        }
    });
    return profile;
}

void SetBlob(vips::VImage& image, const char* name, const std::string& bytes) {
    if (!bytes.empty())
        vips_image_set_blob_copy(image.get_image(), name, bytes.data(), bytes.size());
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool IptcFits(const std::string& iptc, IptcSlot slot) {
    const bool photoshop = StartsWith(iptc, "Photoshop 3.0");
    return (slot == IptcSlot::PhotoshopBlock && photoshop) ||
           (slot == IptcSlot::Bare && !photoshop);
}

}  // namespace

vips::VImage WithMetadata(const vips::VImage& view, const PictureMetadata& metadata, int32_t policy,
                          IptcSlot slot) {
    if (!KeepsMetadata(policy))
        return view;
    const bool dropLocation = policy == kMetadataNoLocation;
    vips::VImage image = view.copy();
    // libvips parses the block into a field per tag as it is set; the savers
    // write the block back from those fields, without the ones removed.
    // The block goes in already fitted, so that what the saver makes of it
    // has no thumbnail and, under no-location, no place in the maker note.
    SetBlob(image, VIPS_META_EXIF_NAME,
            ExifEditedInPlace(metadata.exif, {dropLocation, view.width(), view.height(),
                                              view.xres(), view.yres()}));
    std::unique_ptr<char*, decltype(&g_strfreev)> fields(vips_image_get_fields(image.get_image()),
                                                         &g_strfreev);
    for (char** field = fields.get(); *field; ++field) {
        // The thumbnail is not kept (libvips drops it), and IFD 3 is the GPS
        // directory.
        const std::string name = *field;
        if (StartsWith(name, "exif-ifd1-") || (dropLocation && StartsWith(name, "exif-ifd3-")))
            vips_image_remove(image.get_image(), *field);
    }
    // The pixels are upright.
    vips_image_set_int(image.get_image(), VIPS_META_ORIENTATION, 1);
    SetBlob(image, VIPS_META_ICC_NAME, SrgbProfile());
    SetBlob(image, VIPS_META_XMP_NAME,
            RewriteXmp(metadata.xmp, dropLocation, image.width(), image.height()));
    if (!dropLocation && IptcFits(metadata.iptc, slot))
        SetBlob(image, VIPS_META_IPTC_NAME, metadata.iptc);
    return image;
}
