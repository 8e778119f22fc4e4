#pragma once
// A finished picture between the imaging steps: 8-bit sRGB, three bytes per
// pixel (red, green, blue), rows top to bottom without padding.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The source's camera data, carried from the decode to the encoder when the
// record keeps it; empty otherwise. Kept as the source has it: the encoder
// decides what of it an output gets.
struct PictureMetadata {
    std::string exif;  // the EXIF block
    std::string xmp;   // the XMP packet
    std::string iptc;  // the IPTC block in the source file's own form
};

struct RgbPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;  // width * height * 3 bytes
    // The source's opacity, one byte a pixel in the pixels' order, kept only
    // for an output that stores it (the colour is then the source's own,
    // not laid on the background); empty: opaque.
    std::vector<uint8_t> alpha;
    // The same picture in 16 bits a sample (three a pixel), kept only for an
    // output that stores them, from a source that has them; empty otherwise.
    std::vector<uint16_t> deep;
    double xResolution = 0;       // pixels per millimetre; 0 when unknown
    double yResolution = 0;
    PictureMetadata metadata;
    // A camera RAW source: how it was developed ("preview", "half", "full"),
    // and a remark on it (the raw data damaged, the preview used); empty for
    // other sources.
    std::string rawSource;
    std::string rawNote;

    std::size_t RowBytes() const { return static_cast<std::size_t>(width) * 3; }
    uint8_t* Pixel(int32_t x, int32_t y) { return pixels.data() + y * RowBytes() + x * 3; }
    const uint8_t* Pixel(int32_t x, int32_t y) const {
        return pixels.data() + y * RowBytes() + x * 3;
    }
};
