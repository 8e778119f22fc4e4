#include "imaging/BmpOutput.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "DirectColourBmp.h"
#include "IndexedBitmap.h"
#include "OctreeQuantizer.h"
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

// The picture's alpha as the record turns it, in the bitmap's row order
// (bottom-up); empty when the picture has none, or when it cannot be turned
// (then the output is opaque, as it was before alpha was kept).
std::vector<uint8_t> TurnedAlpha(const RgbPicture& picture, RotateFlipType turn) {
    const std::size_t count = std::size_t(picture.width) * std::size_t(picture.height);
    if (picture.alpha.size() != count || count == 0)
        return {};
    const bool quarter = SwapsSides(turn);
    const std::size_t width = std::size_t(quarter ? picture.height : picture.width);
    const int32_t height = quarter ? picture.width : picture.height;
    std::vector<uint8_t> rows(count);
    const auto put = [&](int y, const uint8_t* row) {
        std::memcpy(rows.data() + std::size_t(height - 1 - y) * width, row, width);
    };
    if (turn == RotateNoneFlipNone) {
        for (int32_t y = 0; y < height; ++y) put(y, picture.alpha.data() + std::size_t(y) * width);
        return rows;
    }
    // Turned as the colour is: a grey picture of the opacity, one band of it.
    RgbPicture grey;
    grey.width = picture.width;
    grey.height = picture.height;
    grey.pixels.resize(count * 3);
    for (std::size_t i = 0; i < count; ++i)
        std::memset(&grey.pixels[3 * i], picture.alpha[i], 3);
    const ImagingMessages dropped;
    try {
        PullRows(ViewOf(grey, turn)[0], put);
        return rows;
    } catch (const vips::VError&) {
        return {};
    }
}

// Pixels per millimetre to whole pixels per metre, 0 when unknown or absurd.
int32_t PelsPerMeter(double pixelsPerMillimetre) {
    const double perMetre = pixelsPerMillimetre * 1000.0 + 0.5;
    return perMetre >= 1.0 && perMetre < 2147483647.0 ? static_cast<int32_t>(perMetre) : 0;
}

// 4 and 8 bits with the adaptive choice: the colours that best match this
// picture, found by the octree; the standard table otherwise.
bool ReduceColours(IndexedBitmap& bitmap, uint32_t bits, int32_t palette) {
    if (palette != kPaletteAdaptive || (bits != 4 && bits != 8))
        return bitmap.ReduceColourDepth(bits, true, nullptr, 0);
    OctreeQuantizer octree(1u << bits, 8);
    if (!octree.AddImage(bitmap.Block()))
        return false;
    ColourEntry table[256] = {};
    octree.WriteColourTable(table);
    // A picture of few colours leaves entries unused: they are not searched.
    const uint32_t used = std::min(octree.LeafCount(), 1u << bits);
    return bitmap.ReduceColourDepth(bits, true, table, used);
}

}  // namespace

EncodeResult WriteBmpFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file) {
    IndexedBitmap bitmap(0);
    const RotateFlipType turn = RotateFlipOfRecord(format);
    if (!FillBitmap(picture, turn, bitmap))
        return {EncodeOutcome::NotConverted, "the picture does not fit in a bitmap"};
    const int bits = PixelFormatOf(format.iComboPixelFormat).indexedBits;
    if (bits != 0 && !ReduceColours(bitmap, static_cast<uint32_t>(bits), format.nPalette))
        return {EncodeOutcome::NotConverted, "the colours could not be reduced"};
    const bool quarter = SwapsSides(turn);
    bitmap.SetResolution(PelsPerMeter(quarter ? picture.yResolution : picture.xResolution),
                         PelsPerMeter(quarter ? picture.xResolution : picture.yResolution));
    // The engine writes by name.
    errno = 0;
    const PixelFormatChoice& choice = PixelFormatOf(format.iComboPixelFormat);
    const DirectColour layout = choice.directBits == 16 ? DirectColour::Rgb565
                                : choice.alpha          ? DirectColour::Argb32
                                                        : DirectColour::Xrgb32;
    // BMP readers take alpha as straight, so the premultiplied choices'
    // files store it so as well.
    const std::vector<uint8_t> alpha =
        layout == DirectColour::Argb32 ? TurnedAlpha(picture, turn) : std::vector<uint8_t>{};
    const bool saved =
        choice.directBits != 0
            ? SaveDirectColourBmp(bitmap, layout, file.WritablePath(),
                                  alpha.empty() ? nullptr : alpha.data())
            : bitmap.SaveToFile(file.WritablePath(), 0);
    if (!saved)
        return {EncodeOutcome::NotSaved,
                errno != 0 ? std::strerror(errno) : "the bitmap could not be written"};
    return {};
}

bool BmpKeepsAlpha(const OutputPhotoFormat& format) {
    return format.nOuptputFormat == kFormatBmp && PixelFormatOf(format.iComboPixelFormat).alpha;
}
