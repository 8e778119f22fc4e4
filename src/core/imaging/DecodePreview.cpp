// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "imaging/RawDecode.h"
#include "imaging/RawFile.h"
#include "imaging/SourceFile.h"
#include "imaging/SourcePipeline.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"

#include "imaging/DecodePreview.h"

#include <algorithm>

namespace {

// A camera RAW fitted in the box, developed the quick way (the camera's
// preview when it is large enough); false, with nothing done, for other
// files.
bool DecodeRawPreview(const std::string& path, int fd, int maxWidth, int maxHeight,
                      RgbPicture& picture) {
    RawFacts raw;
    if (!MayBeRaw(fd) || !ProbeRaw(path, raw))
        return false;
    const double scale =
        std::min({double(maxWidth) / raw.width, double(maxHeight) / raw.height, 1.0});
    const int width = std::max(1, int(raw.width * scale + 0.5));
    const int height = std::max(1, int(raw.height * scale + 0.5));
    if (DecodeRawToSize(path, width, height, 0, picture, nullptr, false) !=
        RawDecodeOutcome::Developed)
        picture = {};
    return true;
}

}  // namespace

QImage DecodePreview(const std::string& path, int maxWidth, int maxHeight) {
    if (maxWidth <= 0 || maxHeight <= 0 || !StartImaging())
        return {};
    const SourceFile file(path);
    if (!file.IsRegular())
        return {};
    RgbPicture picture;
    // Camera RAW by content first, as DecodePictureToSize does.
    if (!DecodeRawPreview(path, file.Descriptor(), maxWidth, maxHeight, picture)) {
        try {
            const SourcePipeline pipeline(path, file.Descriptor(), maxWidth, maxHeight,
                                          VIPS_SIZE_DOWN, false);
            CopyPixelsOut(pipeline.Image(), picture);
        } catch (const vips::VError&) {
            vips_error_clear();
            picture = {};
        }
    }
    if (picture.pixels.empty())
        return {};
    QImage preview(picture.width, picture.height, QImage::Format_RGB888);
    if (preview.isNull())
        return {};
    for (int32_t y = 0; y < picture.height; ++y)
        std::copy_n(picture.Pixel(0, y), picture.RowBytes(), preview.scanLine(y));
    return preview;
}
