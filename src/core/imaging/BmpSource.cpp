#include "imaging/BmpSource.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "IndexedBitmap.h"
#include "imaging/ImagingMessages.h"
#include "imaging/VipsPixels.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const {
        if (file)
            std::fclose(file);
    }
};

}  // namespace

bool StartsLikeBmp(int fd) {
    unsigned char magic[2] = {};
    return pread(fd, magic, sizeof magic, 0) == 2 && magic[0] == 'B' && magic[1] == 'M';
}

bool BmpSize(int fd, int32_t& width, int32_t& height) {
    // The 14-byte file header, then the info header: its size, then the
    // sides (16 bits each in the 12-byte core header, else 32; the height
    // negative for rows stored top-down).
    unsigned char head[26] = {};
    if (pread(fd, head, sizeof head, 0) != ssize_t(sizeof head))
        return false;
    const auto le = [&head](int at, int bytes) {
        uint32_t value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | head[at + i];
        return value;
    };
    const uint32_t infoSize = le(14, 4);
    const int64_t w = infoSize == 12 ? int64_t(le(18, 2)) : int64_t(int32_t(le(18, 4)));
    const int64_t h = infoSize == 12 ? int64_t(le(20, 2)) : int64_t(int32_t(le(22, 4)));
    width = int32_t(std::min<int64_t>(std::max<int64_t>(w, 0), INT32_MAX));
    height = int32_t(std::min<int64_t>(h < 0 ? -h : h, INT32_MAX));
    return width > 0 && height > 0;
}

Result<RgbPicture> ReadBmpPicture(const std::string& path, int fd) {
    // A descriptor of its own: the reader's stdio buffer moves the offset
    // and closing the stream closes it.
    const int own = dup(fd);
    std::unique_ptr<std::FILE, FileCloser> file(own < 0 ? nullptr : fdopen(own, "rb"));
    if (!file) {
        if (own >= 0)
            close(own);
        return Status::Failed(path, std::strerror(errno));
    }
    std::rewind(file.get());
    IndexedBitmap bitmap(0);
    if (!bitmap.LoadFromStream(file.get()))
        return Status::Failed(path, bitmap.LastError().empty() ? "not a BMP the program reads"
                                                               : bitmap.LastError());
    RgbPicture picture;
    picture.width = bitmap.Width();
    picture.height = bitmap.Height();
    picture.pixels.resize(picture.RowBytes() * std::size_t(picture.height));
    const bool direct = bitmap.BitCount() == 24;
    for (int32_t y = 0; y < picture.height; ++y) {
        // Stored rows run bottom-up.
        const int32_t stored = picture.height - 1 - y;
        uint8_t* out = picture.Pixel(0, y);
        if (direct) {
            const uint8_t* row = bitmap.PixelData() + std::size_t(stored) * bitmap.RowStride();
            for (int32_t x = 0; x < picture.width; ++x, row += 3, out += 3) {
                out[0] = row[2];
                out[1] = row[1];
                out[2] = row[0];
            }
            continue;
        }
        for (int32_t x = 0; x < picture.width; ++x, out += 3) {
            const ColourEntry c = bitmap.GetColour(x, stored);
            out[0] = c.red;
            out[1] = c.green;
            out[2] = c.blue;
        }
    }
    // Pixels per metre to pixels per millimetre; 0 (unknown) stays 0.
    picture.xResolution = bitmap.Header().biXPelsPerMeter > 0 ? bitmap.Header().biXPelsPerMeter / 1000.0 : 0;
    picture.yResolution = bitmap.Header().biYPelsPerMeter > 0 ? bitmap.Header().biYPelsPerMeter / 1000.0 : 0;
    return picture;
}

vips::VImage BmpImage(const std::string& path, int fd) {
    Result<RgbPicture> read = ReadBmpPicture(path, fd);
    if (!read) {
        if (ImagingMessages* collector = ImagingMessages::Current())
            collector->AddError(read.GetStatus().Reason());
        ThrowImagingFailure();
    }
    const RgbPicture& picture = read.Value();
    VipsImage* copy = vips_image_new_from_memory_copy(picture.pixels.data(), picture.pixels.size(),
                                                      picture.width, picture.height, 3,
                                                      VIPS_FORMAT_UCHAR);
    if (!copy)
        ThrowImagingFailure();
    vips::VImage image(copy);
    auto options = vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB);
    if (picture.xResolution > 0)
        options->set("xres", picture.xResolution);
    if (picture.yResolution > 0)
        options->set("yres", picture.yResolution);
    return image.copy(options);
}
