#include "imaging/AvifWithExif.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <libheif/heif.h>

namespace {

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct EncoderRelease {
    void operator()(heif_encoder* encoder) const { heif_encoder_release(encoder); }
};
struct ImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct OptionsFree {
    void operator()(heif_encoding_options* options) const { heif_encoding_options_free(options); }
};

// libheif's failure as a Status; Ok for success. The caller names the file.
Status Checked(const heif_error& error) {
    if (error.code == heif_error_Ok)
        return Status::Ok();
    return Status::Failed({}, "AVIF: " + std::string(error.message ? error.message : "libheif"));
}

// A parameter the AV1 encoder may not have is no failure, as for libvips.
Status CheckedParameter(const heif_error& error) {
    return error.subcode == heif_suberror_Unsupported_parameter ? Status::Ok() : Checked(error);
}

// The image's blob, empty where it has none.
std::string Blob(const vips::VImage& image, const char* name) {
    if (image.get_typeof(name) == 0)
        return {};
    std::size_t length = 0;
    const void* data = image.get_blob(name, &length);
    return {static_cast<const char*>(data), length};
}

heif_error AppendTo(heif_context*, const void* data, size_t size, void* userdata) {
    static_cast<std::string*>(userdata)->append(static_cast<const char*>(data), size);
    return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

}  // namespace

Result<std::string> AvifWithExif(const vips::VImage& image, const AvifSettings& settings) {
    const int bands = image.bands();
    if ((bands != 3 && bands != 4) || image.format() != VIPS_FORMAT_UCHAR)
        return Status::Failed({}, "AVIF: not an 8-bit RGB picture");
    const std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    heif_encoder* rawEncoder = nullptr;
    if (Status got = Checked(
            heif_context_get_encoder_for_format(context.get(), heif_compression_AV1, &rawEncoder));
        !got)
        return got;
    const std::unique_ptr<heif_encoder, EncoderRelease> encoder(rawEncoder);
    const bool full = settings.chroma == VIPS_FOREIGN_SUBSAMPLE_OFF ||
                      (settings.chroma == VIPS_FOREIGN_SUBSAMPLE_AUTO && settings.quality >= 90);
    // libvips' default effort, 4, is the encoder's speed 5.
    for (Status set :
         {Checked(heif_encoder_set_lossy_quality(encoder.get(), settings.quality)),
          Checked(heif_encoder_set_lossless(encoder.get(), 0)),
          CheckedParameter(heif_encoder_set_parameter_integer(encoder.get(), "speed", 5)),
          CheckedParameter(
              heif_encoder_set_parameter_string(encoder.get(), "chroma", full ? "444" : "420"))})
        if (!set)
            return set;

    const int width = image.width(), height = image.height();
    heif_image* rawImage = nullptr;
    if (Status made = Checked(heif_image_create(
            width, height, heif_colorspace_RGB,
            bands == 4 ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, &rawImage));
        !made)
        return made;
    const std::unique_ptr<heif_image, ImageRelease> picture(rawImage);
    if (Status added = Checked(
            heif_image_add_plane(picture.get(), heif_channel_interleaved, width, height, 8));
        !added)
        return added;
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(picture.get(), heif_channel_interleaved, &stride);
    if (!plane)
        return Status::Failed({}, "AVIF: no room for the picture");
    // Copied a band of rows at a time, as libvips' saver does, so that the
    // picture is held once more, not twice.
    const std::unique_ptr<VipsRegion, decltype(&g_object_unref)> region(
        vips_region_new(image.get_image()), &g_object_unref);
    const std::size_t row = static_cast<std::size_t>(width) * bands;
    constexpr int kRows = 64;
    for (int top = 0; top < height; top += kRows) {
        VipsRect rows{0, top, width, std::min(kRows, height - top)};
        if (vips_region_prepare(region.get(), &rows) != 0)
            return Status::Failed({}, "AVIF: the picture could not be read");
        for (int y = top; y < top + rows.height; ++y)
            std::memcpy(plane + static_cast<std::size_t>(y) * stride,
                        VIPS_REGION_ADDR(region.get(), 0, y), row);
    }

    const std::string profile = Blob(image, VIPS_META_ICC_NAME);
    if (!profile.empty())
        if (Status set = Checked(heif_image_set_raw_color_profile(picture.get(), "rICC",
                                                                  profile.data(), profile.size()));
            !set)
            return set;
    const std::unique_ptr<heif_encoding_options, OptionsFree> options(
        heif_encoding_options_alloc());
    options->save_alpha_channel = bands == 4;
    heif_image_handle* rawHandle = nullptr;
    if (Status encoded = Checked(heif_context_encode_image(
            context.get(), picture.get(), encoder.get(), options.get(), &rawHandle));
        !encoded)
        return encoded;
    const std::unique_ptr<heif_image_handle, HandleRelease> handle(rawHandle);
    const std::string exif = Blob(image, VIPS_META_EXIF_NAME);
    const std::string xmp = Blob(image, VIPS_META_XMP_NAME);
    if (!exif.empty())
        if (Status added = Checked(heif_context_add_exif_metadata(
                context.get(), handle.get(), exif.data(), static_cast<int>(exif.size())));
            !added)
            return added;
    if (!xmp.empty())
        if (Status added = Checked(heif_context_add_XMP_metadata(
                context.get(), handle.get(), xmp.data(), static_cast<int>(xmp.size())));
            !added)
            return added;

    std::string file;
    heif_writer writer{};
    writer.writer_api_version = 1;
    writer.write = &AppendTo;
    if (Status written = Checked(heif_context_write(context.get(), &writer, &file)); !written)
        return written;
    return file;
}
