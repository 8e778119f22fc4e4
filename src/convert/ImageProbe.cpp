#include "convert/ImageProbe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include <vips/vips8>

#include "convert/PngChunkLimit.h"
#include "convert/VipsSession.h"

namespace {

std::optional<vips::VImage> OpenHeader(const std::string& path, int fd) {
    auto options = [] { return vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL); };
    try {
        // One descriptor for all the loaders' sniffing: half the cost of
        // opening by name, which matters when thousands of photos are added.
        return vips::VImage::new_from_source(vips::VSource::new_from_descriptor(fd), "", options());
    } catch (const vips::VError&) {
        vips_error_clear();
    }
    try {
        // Some loaders read only by name.
        return vips::VImage::new_from_file(VipsPathWithOptions(path).c_str(), options());
    } catch (const vips::VError&) {
        vips_error_clear();
    }
    return std::nullopt;
}

}  // namespace

bool ProbePictureSize(const std::string& path, int32_t& width, int32_t& height) {
    // Non-blocking, so that opening a FIFO returns at once; it is refused
    // before anything is read.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    std::optional<vips::VImage> image;
    if (regular && PngMetadataWithinLimit(fd, false) && StartImaging())
        image = OpenHeader(path, fd);
    close(fd);
    if (!image)
        return false;
    int w = image->width();
    int h = image->height();
    // Orientations 5 to 8 turn the picture by a quarter.
    if (vips_image_get_orientation_swap(image->get_image()))
        std::swap(w, h);
    if (w <= 0 || h <= 0)
        return false;
    width = w;
    height = h;
    return true;
}
