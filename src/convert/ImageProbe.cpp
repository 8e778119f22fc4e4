#include "convert/ImageProbe.h"

#include <sys/stat.h>

#include <vips/vips8>

#include "convert/VipsSession.h"

bool ProbePictureSize(const std::string& path, int32_t& width, int32_t& height) {
    // A FIFO or device would block or be consumed by the loaders' sniffing.
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if (!StartImaging())
        return false;
    try {
        // Opening reads the header only; pixels are decoded on demand.
        vips::VImage image = vips::VImage::new_from_file(
            VipsPathWithOptions(path).c_str(),
            vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        int w = image.width();
        int h = image.height();
        // Orientations 5 to 8 turn the picture by a quarter.
        if (vips_image_get_orientation_swap(image.get_image()))
            std::swap(w, h);
        if (w <= 0 || h <= 0)
            return false;
        width = w;
        height = h;
        return true;
    } catch (const vips::VError&) {
        vips_error_clear();
        return false;
    }
}
