#include "convert/BmpOutput.h"

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

BmpResult Save(IndexedBitmap& bitmap, const RgbPicture& picture, const std::string& path) {
    bitmap.SetResolution(PelsPerMeter(picture.xResolution), PelsPerMeter(picture.yResolution));
    return bitmap.SaveToFile(path, 0) ? BmpResult::Written : BmpResult::WriteFailed;
}

}  // namespace

BmpResult WriteBmp24(const RgbPicture& picture, const std::string& path) {
    IndexedBitmap bitmap(0);
    if (!FillBitmap(picture, bitmap))
        return BmpResult::NoBitmap;
    return Save(bitmap, picture, path);
}

BmpResult WriteIndexedBmp(const RgbPicture& picture, int choice, const std::string& path) {
    static constexpr uint32_t kBits[] = {1, 4, 8};
    if (choice < 0 || choice > 2)
        return BmpResult::NoBitmap;
    IndexedBitmap bitmap(0);
    if (!FillBitmap(picture, bitmap) || !bitmap.ReduceColourDepth(kBits[choice], true, nullptr, 0))
        return BmpResult::NoBitmap;
    return Save(bitmap, picture, path);
}
