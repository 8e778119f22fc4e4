#include "convert/BmpOutput.h"

#include <cerrno>
#include <cstring>

#include "bitmap/IndexedBitmap.h"

namespace {

// The engine keeps rows bottom-up in blue, green, red order.
bool FillBitmap(const RgbPicture& picture, IndexedBitmap& bitmap) {
    if (picture.width <= 0 || picture.height <= 0 ||
        !bitmap.Allocate(picture.width, picture.height, 24))
        return false;
    for (int32_t y = 0; y < picture.height; ++y) {
        const uint8_t* source = picture.Pixel(0, picture.height - 1 - y);
        uint8_t* row = bitmap.PixelData() + static_cast<std::size_t>(y) * bitmap.RowStride();
        for (int32_t x = 0; x < picture.width; ++x, source += 3, row += 3) {
            row[0] = source[2];
            row[1] = source[1];
            row[2] = source[0];
        }
    }
    return true;
}

// Pixels per millimetre to whole pixels per metre, 0 when unknown or absurd.
int32_t PelsPerMeter(double pixelsPerMillimetre) {
    const double perMetre = pixelsPerMillimetre * 1000.0 + 0.5;
    return perMetre >= 1.0 && perMetre < 2147483647.0 ? static_cast<int32_t>(perMetre) : 0;
}

}  // namespace

EncodeResult WriteBmpFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file) {
    IndexedBitmap bitmap(0);
    if (!FillBitmap(picture, bitmap))
        return {EncodeOutcome::NotConverted, "the picture does not fit in a bitmap"};
    const int bits = PixelFormatOf(format.iComboPixelFormat).indexedBits;
    if (bits != 0 && !bitmap.ReduceColourDepth(static_cast<uint32_t>(bits), true, nullptr, 0))
        return {EncodeOutcome::NotConverted, "the colours could not be reduced"};
    bitmap.SetResolution(PelsPerMeter(picture.xResolution), PelsPerMeter(picture.yResolution));
    // The engine writes by name.
    file.CloseDescriptor();
    errno = 0;
    if (!bitmap.SaveToFile(file.TemporaryPath(), 0))
        return {EncodeOutcome::NotSaved, errno != 0 ? std::strerror(errno) : "the bitmap could not be written"};
    return {};
}
