// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "convert/VipsPixels.h"
#include "convert/VipsSession.h"

#include "convert/DecodePreview.h"

#include <sys/stat.h>

QImage DecodePreview(const std::string& path, int maxWidth, int maxHeight) {
    struct stat st {};
    if (maxWidth <= 0 || maxHeight <= 0 || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    if (!StartImaging())
        return {};
    try {
        const std::string name = VipsPathWithOptions(path);
        auto options = vips::VImage::option()->set("height", maxHeight)->set("size", VIPS_SIZE_DOWN);
        // Wide-gamut photos would look washed out shown as sRGB numbers.
        if (vips::VImage::new_from_file(name.c_str()).get_typeof(VIPS_META_ICC_NAME) != 0)
            options->set("export_profile", "srgb");
        vips::VImage image = vips::VImage::thumbnail(name.c_str(), maxWidth, options);
        RgbPicture picture;
        CopyPixelsOut(ToRgb8(image), picture);
        QImage preview(picture.width, picture.height, QImage::Format_RGB888);
        if (preview.isNull())
            return {};
        for (int32_t y = 0; y < picture.height; ++y)
            std::copy_n(picture.Pixel(0, y), picture.RowBytes(), preview.scanLine(y));
        return preview;
    } catch (const vips::VError&) {
        vips_error_clear();
        return {};
    }
}
