#include "imaging/BmpOutput.h"

#include <cerrno>
#include <cstring>

#include "IndexedBitmap.h"
#include "imaging/ImagingMessages.h"
#include "imaging/RotateFlip.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"

namespace {

// The engine keeps rows bottom-up in blue, green, red order.
void PutRow(IndexedBitmap& bitmap, int32_t y, const uint8_t* source) {
    uint8_t* row =
        bitmap.PixelData() + static_cast<std::size_t>(bitmap.Height() - 1 - y) * bitmap.RowStride();
    for (int32_t x = 0; x < bitmap.Width(); ++x, source += 3, row += 3) {
        row[0] = source[2];
        row[1] = source[1];
        row[2] = source[0];
    }
}

// The picture as the record turns it, straight into the bitmap's rows: a
// turned one through libvips, read turned a strip at a time.
bool FillBitmap(const RgbPicture& picture, RotateFlipType turn, IndexedBitmap& bitmap) {
    const bool quarter = SwapsSides(turn);
    const int32_t width = quarter ? picture.height : picture.width;
    const int32_t height = quarter ? picture.width : picture.height;
    if (picture.width <= 0 || picture.height <= 0 || !bitmap.Allocate(width, height, 24))
        return false;
    if (turn == RotateNoneFlipNone) {
        for (int32_t y = 0; y < height; ++y) PutRow(bitmap, y, picture.Pixel(0, y));
        return true;
    }
    if (!StartImaging())
        return false;
    // The picture is in memory: turning it can fail only for want of memory,
    // which the caller's reason names.
    const ImagingMessages dropped;
    try {
        PullRows(ViewOf(picture, turn), [&](int y, const uint8_t* row) { PutRow(bitmap, y, row); });
        return true;
    } catch (const vips::VError&) {
        return false;
    }
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
    const RotateFlipType turn = RotateFlipOfRecord(format);
    if (!FillBitmap(picture, turn, bitmap))
        return {EncodeOutcome::NotConverted, "the picture does not fit in a bitmap"};
    const int bits = PixelFormatOf(format.iComboPixelFormat).indexedBits;
    if (bits != 0 && !bitmap.ReduceColourDepth(static_cast<uint32_t>(bits), true, nullptr, 0))
        return {EncodeOutcome::NotConverted, "the colours could not be reduced"};
    const bool quarter = SwapsSides(turn);
    bitmap.SetResolution(PelsPerMeter(quarter ? picture.yResolution : picture.xResolution),
                         PelsPerMeter(quarter ? picture.xResolution : picture.yResolution));
    // The engine writes by name.
    errno = 0;
    if (!bitmap.SaveToFile(file.WritablePath(), 0))
        return {EncodeOutcome::NotSaved,
                errno != 0 ? std::strerror(errno) : "the bitmap could not be written"};
    return {};
}
