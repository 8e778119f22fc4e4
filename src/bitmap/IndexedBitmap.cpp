// The bitmap container: allocation, pixel and palette access, take-over.

#include "IndexedBitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

uint16_t NormalisedDepth(uint16_t bits) {
    if (bits <= 1) return 1;
    if (bits <= 4) return 4;
    if (bits <= 8) return 8;
    return 24;
}

uint32_t PaletteSizeFor(uint16_t depth) {
    switch (depth) {
        case 1: return 2;
        case 4: return 16;
        case 8: return 256;
        default: return 0;
    }
}

}  // namespace

IndexedBitmap::IndexedBitmap(uint32_t formatCode) : formatCode(formatCode) {
    header.biSize = kBitmapInfoHeaderSize;
}

IndexedBitmap::~IndexedBitmap() { FreeBlock(); }

void IndexedBitmap::FreeBlock() {
    if (viewOf == nullptr) std::free(block);
    block = nullptr;
    pixels = nullptr;
}

uint8_t* IndexedBitmap::Allocate(int32_t width, int32_t height, uint16_t bitsPerPixel) {
    FreeBlock();
    viewOf = nullptr;
    const uint16_t depth = NormalisedDepth(bitsPerPixel);
    // The block always carries the 40-byte header, whatever a take-over or a
    // file left in biSize; pixel offsets depend on it.
    header.biSize = kBitmapInfoHeaderSize;
    header.biClrUsed = PaletteSizeFor(depth);
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = depth;
    header.biPlanes = 1;
    header.biCompression = 0;
    header.biXPelsPerMeter = 0;
    header.biYPelsPerMeter = 0;
    header.biClrImportant = 0;
    const uint64_t stride = width > 0 ? BmpRowStride(depth, uint32_t(width)) : 0;
    const uint64_t image = height > 0 ? stride * uint64_t(height) : 0;
    rowStride = uint32_t(std::min<uint64_t>(stride, UINT32_MAX));
    header.biSizeImage = uint32_t(std::min<uint64_t>(image, UINT32_MAX));
    if (width <= 0 || height <= 0 || image > kMaxPixelBytes) return nullptr;

    // Zeroed: cheap with calloc, and no heap leftovers ever reach a file.
    const size_t bytes = kBitmapInfoHeaderSize + 4 * size_t(header.biClrUsed) + size_t(image);
    block = static_cast<uint8_t*>(std::calloc(bytes, 1));
    if (block == nullptr) return nullptr;
    std::memcpy(block, &header, sizeof header);
    pixels = block + kBitmapInfoHeaderSize + 4 * header.biClrUsed;
    return block;
}

bool IndexedBitmap::SetResolution(int32_t xPelsPerMeter, int32_t yPelsPerMeter) {
    if (block == nullptr) return false;
    header.biXPelsPerMeter = xPelsPerMeter;
    header.biYPelsPerMeter = yPelsPerMeter;
    std::memcpy(block, &header, sizeof header);
    return true;
}

uint8_t IndexedBitmap::GetIndex(int32_t x, int32_t y) const {
    if (!HasPalette() || !Inside(x, y)) return 0;
    const uint8_t* row = pixels + size_t(y) * rowStride;
    switch (header.biBitCount) {
        case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
        case 4: return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
        default: return row[x];
    }
}

void IndexedBitmap::SetIndex(int32_t x, int32_t y, uint8_t index) {
    if (!HasPalette() || !Inside(x, y)) return;
    uint8_t* row = pixels + size_t(y) * rowStride;
    switch (header.biBitCount) {
        case 1: {
            const uint8_t bit = uint8_t(0x80 >> (x & 7));
            row[x >> 3] = (index & 1) ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit);
            break;
        }
        case 4:
            if (x & 1) {
                row[x >> 1] = uint8_t((row[x >> 1] & 0xF0) | (index & 0x0F));
            } else {
                row[x >> 1] = uint8_t((row[x >> 1] & 0x0F) | ((index & 0x0F) << 4));
            }
            break;
        default: row[x] = index;
    }
}

ColourEntry IndexedBitmap::GetColour(int32_t x, int32_t y) const {
    if (!Inside(x, y)) return {0, 0, 0, 0};
    if (header.biClrUsed != 0) return GetPaletteEntry(GetIndex(x, y));
    const uint8_t* p = pixels + size_t(y) * rowStride + 3 * size_t(x);
    return {p[0], p[1], p[2], 0};
}

void IndexedBitmap::SetColour(int32_t x, int32_t y, ColourEntry colour) {
    if (!Inside(x, y)) return;
    if (header.biClrUsed != 0) {
        SetIndex(x, y, FindNearestIndex(colour));
        return;
    }
    uint8_t* p = pixels + size_t(y) * rowStride + 3 * size_t(x);
    p[0] = colour.blue;
    p[1] = colour.green;
    p[2] = colour.red;
}

uint8_t IndexedBitmap::FindNearestIndex(ColourEntry colour) const {
    if (!HasPalette()) return 0;
    uint32_t count = header.biClrUsed;
    if (header.biClrImportant != 0) count = std::min(count, header.biClrImportant);
    const ColourEntry* palette = PaletteData();
    int best = 200000;  // above any distance, 3 * 255 * 255
    uint32_t bestIndex = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const int dr = int(palette[i].red) - colour.red;
        const int dg = int(palette[i].green) - colour.green;
        const int db = int(palette[i].blue) - colour.blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance == 0) return uint8_t(i);
        if (distance < best) {
            best = distance;
            bestIndex = i;
        }
    }
    return uint8_t(bestIndex);
}

ColourEntry IndexedBitmap::GetPaletteEntry(uint8_t index) const {
    if (!HasPalette() || index >= header.biClrUsed) return {0, 0, 0, 0};
    const ColourEntry e = PaletteData()[index];
    return {e.blue, e.green, e.red, 0};
}

void IndexedBitmap::SetPaletteEntry(uint8_t index, uint8_t red, uint8_t green, uint8_t blue) {
    if (!HasPalette() || index >= header.biClrUsed) return;
    PaletteData()[index] = {blue, green, red, 0};
}

void IndexedBitmap::CopyPaletteFrom(const ColourEntry* entries, int32_t count) {
    if (entries == nullptr || !HasPalette() || count <= 0) return;
    const uint32_t n = std::min(header.biClrUsed, uint32_t(count));
    std::memcpy(PaletteData(), entries, 4 * size_t(n));
}

ColourEntry* IndexedBitmap::PaletteData() {
    return HasPalette() ? reinterpret_cast<ColourEntry*>(block + kBitmapInfoHeaderSize) : nullptr;
}

const ColourEntry* IndexedBitmap::PaletteData() const {
    return HasPalette() ? reinterpret_cast<const ColourEntry*>(block + kBitmapInfoHeaderSize)
                        : nullptr;
}

uint32_t IndexedBitmap::BlockBytes() const {
    return header.biSizeImage + 4 * header.biClrUsed + header.biSize;
}

void IndexedBitmap::LimitImportantColours(uint32_t count) {
    if (count == 0 || count > 256) {
        header.biClrImportant = 0;
        return;
    }
    switch (header.biBitCount) {
        case 1: header.biClrImportant = std::min(count, 2u); break;
        case 4: header.biClrImportant = std::min(count, 16u); break;
        case 8: header.biClrImportant = count; break;
        default: break;
    }
}

void IndexedBitmap::TakeOver(IndexedBitmap* other) {
    if (other == nullptr || other == this) return;
    FreeBlock();
    block = other->block;
    header = other->header;
    rowStride = other->rowStride;
    pixels = other->pixels;
    viewOf = other->viewOf;
    formatCode = other->formatCode;
    lastError = other->lastError;
    other->block = nullptr;
    other->header = BitmapInfoHeader{};
    other->rowStride = 0;
    other->pixels = nullptr;
    other->viewOf = nullptr;
    other->formatCode = 0;
    other->lastError.clear();
}

void IndexedBitmap::MakeViewOf(const IndexedBitmap& source) {
    FreeBlock();
    block = source.block;
    header = source.header;
    rowStride = source.rowStride;
    pixels = source.pixels;
    viewOf = &source;
    formatCode = source.formatCode;
    lastError = source.lastError;
}

void IndexedBitmap::SetLastError(const std::string& message) const { lastError = message.substr(0, 255); }
