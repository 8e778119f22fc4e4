#include "DirectColourBmp.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace {

void PutLe16(uint8_t* at, uint32_t value) {
    at[0] = uint8_t(value);
    at[1] = uint8_t(value >> 8);
}

void PutLe32(uint8_t* at, uint32_t value) {
    PutLe16(at, value);
    PutLe16(at + 2, value >> 16);
}

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kV4HeaderSize = 108;
constexpr uint32_t kSrgbColourSpace = 0x73524742;  // 'sRGB'

// 8-bit to n-bit with rounding, so that white stays white.
uint32_t Scale(uint8_t value, uint32_t maximum) { return (value * maximum + 127) / 255; }

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool SaveDirectColourBmp(const IndexedBitmap& picture, DirectColour layout,
                         const std::string& path, const uint8_t* alpha) {
    if (picture.PixelData() == nullptr || picture.BitCount() != 24) return false;
    const bool sixteen = layout == DirectColour::Rgb565;
    const uint32_t width = uint32_t(picture.Width());
    const uint32_t height = uint32_t(picture.Height());
    const uint32_t stride = ((width * (sixteen ? 2 : 4)) + 3) & ~3u;
    const uint64_t imageBytes = uint64_t(stride) * height;
    const uint32_t infoSize = layout == DirectColour::Argb32 ? kV4HeaderSize : kBitmapInfoHeaderSize;
    const uint32_t masksSize = sixteen ? 12 : 0;  // after a 40-byte header
    const uint32_t offBits = 14 + infoSize + masksSize;
    if (imageBytes + offBits > UINT32_MAX) return false;

    std::vector<uint8_t> head(offBits, 0);
    PutLe16(&head[0], 0x4D42);
    PutLe32(&head[2], uint32_t(offBits + imageBytes));
    PutLe32(&head[10], offBits);
    uint8_t* info = &head[14];
    PutLe32(info, infoSize);
    PutLe32(info + 4, width);
    PutLe32(info + 8, height);  // bottom-up, as the picture keeps its rows
    PutLe16(info + 12, 1);
    PutLe16(info + 14, sixteen ? 16 : 32);
    PutLe32(info + 16, layout == DirectColour::Xrgb32 ? kBiRgb : kBiBitfields);
    PutLe32(info + 20, uint32_t(imageBytes));
    PutLe32(info + 24, uint32_t(picture.Header().biXPelsPerMeter));
    PutLe32(info + 28, uint32_t(picture.Header().biYPelsPerMeter));
    if (sixteen) {
        PutLe32(info + 40, 0xF800);
        PutLe32(info + 44, 0x07E0);
        PutLe32(info + 48, 0x001F);
    } else if (layout == DirectColour::Argb32) {
        PutLe32(info + 40, 0x00FF0000);
        PutLe32(info + 44, 0x0000FF00);
        PutLe32(info + 48, 0x000000FF);
        PutLe32(info + 52, 0xFF000000);
        PutLe32(info + 56, kSrgbColourSpace);
    }

    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    if (std::fwrite(head.data(), 1, head.size(), file.get()) != head.size()) return false;
    std::vector<uint8_t> row(stride, 0);
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* bgr = picture.PixelData() + size_t(y) * picture.RowStride();
        const uint8_t* rowAlpha = alpha ? alpha + size_t(y) * width : nullptr;
        for (uint32_t x = 0; x < width; ++x, bgr += 3) {
            if (sixteen) {
                PutLe16(&row[2 * size_t(x)], Scale(bgr[2], 31) << 11 | Scale(bgr[1], 63) << 5 |
                                                 Scale(bgr[0], 31));
            } else {
                uint8_t* out = &row[4 * size_t(x)];
                out[0] = bgr[0];
                out[1] = bgr[1];
                out[2] = bgr[2];
                out[3] = layout != DirectColour::Argb32 ? 0 : rowAlpha ? rowAlpha[x] : 0xFF;
            }
        }
        if (std::fwrite(row.data(), 1, row.size(), file.get()) != row.size()) return false;
    }
    std::FILE* const raw = file.get();
    return std::fflush(raw) == 0 && !std::ferror(raw);
}
