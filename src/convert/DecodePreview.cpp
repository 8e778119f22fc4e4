// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "convert/SourcePipeline.h"
#include "convert/VipsPixels.h"
#include "convert/VipsSession.h"

#include "convert/DecodePreview.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QImage DecodePreview(const std::string& path, int maxWidth, int maxHeight) {
    if (maxWidth <= 0 || maxHeight <= 0 || !StartImaging())
        return {};
    // Non-blocking, so that a FIFO is refused instead of waited on.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat st {};
    const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    RgbPicture picture;
    try {
        if (regular) {
            const SourcePipeline pipeline(path, fd, maxWidth, maxHeight, VIPS_SIZE_DOWN, false);
            CopyPixelsOut(pipeline.Image(), picture);
        }
    } catch (const vips::VError&) {
        vips_error_clear();
        picture = {};
    }
    close(fd);
    if (picture.pixels.empty())
        return {};
    QImage preview(picture.width, picture.height, QImage::Format_RGB888);
    if (preview.isNull())
        return {};
    for (int32_t y = 0; y < picture.height; ++y)
        std::copy_n(picture.Pixel(0, y), picture.RowBytes(), preview.scanLine(y));
    return preview;
}
