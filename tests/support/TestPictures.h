#pragma once
// Pictures made with libvips for the conversion tests, and ways to read the
// outputs back.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <vips/vips8>

#include "IndexedBitmap.h"
#include "imaging/BmpSource.h"
#include "imaging/VipsPixels.h"
#include "imaging/SourceFile.h"
#include "imaging/VipsSession.h"
#include "support/TestSupport.h"

namespace testpictures {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kYellow{255, 255, 0},
    kWhite{255, 255, 255};

inline bool Near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

// Four quadrants: red top-left, green top-right, blue bottom-left, yellow
// bottom-right, so every turn and mirror is told apart by its corners.
inline vips::VImage Quadrants(int width, int height) {
    StartImaging();
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, bottom = y >= height / 2;
            const Rgb c = bottom ? (right ? kYellow : kBlue) : (right ? kGreen : kRed);
            uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 3];
            p[0] = uint8_t(c.r), p[1] = uint8_t(c.g), p[2] = uint8_t(c.b);
        }
    return vips::VImage(vips_image_new_from_memory_copy(pixels.data(), pixels.size(), width, height,
                                                        3, VIPS_FORMAT_UCHAR))
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

// Photo-like detail: smooth gradients with fine noise, blurred a little.
inline vips::VImage PhotoLike(int width, int height) {
    StartImaging();
    vips::VImage xy = vips::VImage::xyz(width, height);
    vips::VImage noise =
        vips::VImage::gaussnoise(width, height,
                                 // The same picture in every run: a test that damages it
                                 // must damage the same bytes each time.
                                 vips::VImage::option()->set("sigma", 30.0)->set("seed", 1));
    vips::VImage r = xy[0] * (200.0 / width) + noise * 0.5;
    vips::VImage g = xy[1] * (200.0 / height) + (xy[0] / 7.0).sin() * 40 + 60;
    vips::VImage b = (xy[0] + xy[1]) * (100.0 / (width + height)) + noise;
    return vips::VImage::bandjoin(std::vector<vips::VImage>{r, g, b})
        .gaussblur(0.7)
        .cast(VIPS_FORMAT_UCHAR)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

// A BMP through the program's own engine: libvips writes BMP only through
// a library the program keeps shut.
inline void Save(const vips::VImage& image, const std::string& path,
                 const std::string& options = {}) {
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".bmp") == 0) {
        RgbPicture picture;
        CopyPixelsOut(ToRgb8(image), picture);
        IndexedBitmap bmp(0);
        if (!bmp.Allocate(picture.width, picture.height, 24))
            throw vips::VError("no bitmap for " + path);
        for (int32_t y = 0; y < picture.height; ++y)
            for (int32_t x = 0; x < picture.width; ++x) {
                const uint8_t* p = picture.Pixel(x, y);
                bmp.SetColour(x, picture.height - 1 - y, ColourEntry{p[2], p[1], p[0], 0});
            }
        if (!bmp.SaveToFile(path, 0))
            throw vips::VError("not written: " + path);
        return;
    }
    image.write_to_file((path + "[" + options + "]").c_str());
}

// Decoded into memory, so that reading pixels one by one is quick.
// A BMP through the program's own reader, as libvips' loaders are shut to it.
inline vips::VImage Load(const std::string& path) {
    StartImaging();
    if (const SourceFile file(path); file.Regular() && StartsLikeBmp(file.Descriptor()))
        return BmpImage(path, file.Descriptor());
    return vips::VImage::new_from_file((path + "[]").c_str()).copy_memory();
}

inline Rgb PixelAt(const vips::VImage& image, int x, int y) {
    const std::vector<double> p = image.getpoint(x, y);
    if (p.size() < 3)
        return {int(p[0]), int(p[0]), int(p[0])};
    return {int(p[0]), int(p[1]), int(p[2])};
}

// All pixels of an 8-bit RGB picture, for scans over every pixel.
struct PixelGrid {
    explicit PixelGrid(const vips::VImage& image) : width(image.width()), height(image.height()) {
        size_t size = 0;
        void* memory = image.extract_band(0, vips::VImage::option()->set("n", 3))
                           .cast(VIPS_FORMAT_UCHAR)
                           .write_to_memory(&size);
        bytes.assign(static_cast<uint8_t*>(memory), static_cast<uint8_t*>(memory) + size);
        g_free(memory);
    }
    Rgb At(int x, int y) const {
        const uint8_t* p = &bytes[(static_cast<size_t>(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
    int width, height;
    std::vector<uint8_t> bytes;
};

// Top-left, top-right, bottom-left, bottom-right, a few pixels in.
inline std::vector<Rgb> Corners(const vips::VImage& image) {
    const int w = image.width(), h = image.height(), m = 2;
    return {PixelAt(image, m, m), PixelAt(image, w - 1 - m, m), PixelAt(image, m, h - 1 - m),
            PixelAt(image, w - 1 - m, h - 1 - m)};
}

// Outputs are read back as files too.
using testsupport::FolderEntries;
using testsupport::ReadAll;

}  // namespace testpictures
