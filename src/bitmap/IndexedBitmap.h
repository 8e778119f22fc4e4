#pragma once
// The program's own device-independent bitmap: 1, 4, 8 or 24 bits per pixel
// in one packed block laid out like the body of a BMP file (40-byte info
// header, palette, pixel rows), so it can be written in one piece and handed
// to the octree quantizer unchanged. Standard C++ only.
//
// Coordinates: (x, y) with x from 0 at the left of a row and y the index of
// the row in stored order. Rows are kept bottom-up, as in a BMP body, so
// y = 0 is the bottom line of the picture (also for top-down files, which
// the reader turns over). Row layouts: 1 bit, pixel x at bit 7 - x % 8 of
// byte x / 8; 4 bits, high nibble for even x; 8 bits, one index per byte;
// 24 bits, blue, green, red at byte 3x. Rows are padded to 4 bytes.
//
// Making a 24-bit picture from pixels in memory:
//     IndexedBitmap bmp(0);
//     if (!bmp.Allocate(width, height, 24)) { /* too large or out of memory */ }
//     for (int32_t y = 0; y < height; ++y) {            // y = 0: bottom line
//         uint8_t* row = bmp.PixelData() + size_t(y) * bmp.RowStride();
//         // row[3x] = blue, row[3x+1] = green, row[3x+2] = red
//     }
// The block is zeroed by Allocate, so row padding needs no attention.
// Bitmaps are not thread-safe; use each on one thread at a time.

#include <bit>
#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <string>

static_assert(std::endian::native == std::endian::little,
              "the packed block is the little-endian BMP body");

// A colour in BMP palette order (RGBQUAD layout).
struct ColourEntry {
    uint8_t blue, green, red, reserved;
};
static_assert(sizeof(ColourEntry) == 4);

// The 40-byte BMP info header (BITMAPINFOHEADER layout).
struct BitmapInfoHeader {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

inline constexpr uint32_t kBitmapInfoHeaderSize = 40;
// Largest pixel area (row stride times height) a bitmap may hold.
inline constexpr uint64_t kMaxPixelBytes = uint64_t{1} << 30;

class IndexedBitmap {
public:
    explicit IndexedBitmap(uint32_t formatCode = 0);
    virtual ~IndexedBitmap();
    IndexedBitmap(const IndexedBitmap&) = delete;
    IndexedBitmap& operator=(const IndexedBitmap&) = delete;
    // Moving takes the picture over (TakeOver), leaving the source empty.
    IndexedBitmap(IndexedBitmap&& other) noexcept : IndexedBitmap(0) { TakeOver(&other); }
    IndexedBitmap& operator=(IndexedBitmap&& other) noexcept {
        TakeOver(&other);
        return *this;
    }

    // Replaces the picture with a zeroed block of width x height at 1, 4, 8
    // or 24 bits (0-1 -> 1, 2-4 -> 4, 5-8 -> 8, above 8 -> 24) with 2, 16,
    // 256 or no palette entries. Returns the block, or nullptr (bitmap then
    // empty) when a side is not positive, the pixels would exceed
    // kMaxPixelBytes, or memory runs out.
    uint8_t* Allocate(int32_t width, int32_t height, uint16_t bitsPerPixel);

    // Palette index at (x, y); 0 outside, without a block or at 24 bits.
    uint8_t GetIndex(int32_t x, int32_t y) const;
    // Stores the index (masked to the depth) at (x, y), touching only that
    // pixel's bits; ignored outside, without a block or at 24 bits.
    void SetIndex(int32_t x, int32_t y, uint8_t index);
    // The pixel's colour (its palette entry, or the stored bytes at 24
    // bits), reserved 0; all zeros outside or without a block.
    ColourEntry GetColour(int32_t x, int32_t y) const;
    // Stores the colour exactly at 24 bits, or the nearest palette index.
    void SetColour(int32_t x, int32_t y, ColourEntry colour);
    // Index of the palette entry nearest to the colour by squared RGB
    // distance, searching the first biClrImportant entries (all when 0);
    // ties go to the lowest index. 0 without a block or palette. This is
    // the plain linear search; NearestColourSearch gives the same answers
    // faster for many queries.
    uint8_t FindNearestIndex(ColourEntry colour) const;

    // Entry as blue, green, red, reserved 0; zeros past the palette.
    ColourEntry GetPaletteEntry(uint8_t index) const;
    void SetPaletteEntry(uint8_t index, uint8_t red, uint8_t green, uint8_t blue);
    // Copies min(biClrUsed, count) entries; nothing for nullptr.
    void CopyPaletteFrom(const ColourEntry* entries, int32_t count);

    ColourEntry* PaletteData();  // nullptr without block or palette
    const ColourEntry* PaletteData() const;
    uint32_t PaletteBytes() const { return 4 * header.biClrUsed; }
    uint8_t* PixelData() { return pixels; }  // first stored row; nullptr when empty
    const uint8_t* PixelData() const { return pixels; }
    // Bytes of the packed block: biSizeImage + 4 * biClrUsed + biSize.
    uint32_t BlockBytes() const;

    // The 16-colour table on a 4-bit bitmap, the 256-colour table on an
    // 8-bit one; nothing otherwise.
    void ApplyStandardPalette();
    // Sets biClrImportant of the working header (not the block's copy):
    // 0 for 0 or above 256; else capped at 2 / 16 for 1 / 4 bits; the count
    // itself at 8 bits; unchanged at 24 bits.
    void LimitImportantColours(uint32_t count);

    // Takes other's block and fields, leaving other empty with a zeroed
    // header. Nothing for nullptr or itself.
    void TakeOver(IndexedBitmap* other);

    // BMP files (format code 0, the only one). A failed load leaves the
    // bitmap empty with the reason in LastError(); a file that cannot be
    // opened returns false and changes nothing.
    bool LoadFromFile(const std::string& path, uint32_t formatCode);
    // The same for a BMP file open for reading at its start (left open).
    bool LoadFromStream(std::FILE* file);
    // Writes a BMP with a 40-byte header, full palette and bottom-up rows.
    // False (file left as it was) without a block or for another format
    // code; false, with "Error writing BMP", when the file cannot be written
    // completely.
    bool SaveToFile(const std::string& path, uint32_t formatCode) const;

    // Replaces the picture by one of 1, 4 or 8 bits (requests normalised as
    // in Allocate) mapped to the given palette (at least 2/16/256 entries),
    // or without one to black and white / the standard tables. With
    // diffuseError the error of each pixel goes 7/16 right, 2/16 down-left,
    // 4/16 down and 1/16 down-right (in stored-row order). importantColours
    // other than 0 limits the search to that many leading entries. False,
    // unchanged, without a block, for a deeper request, above 8 bits or when
    // memory runs out; true unchanged at the same depth without a new limit.
    bool ReduceColourDepth(uint32_t bits, bool diffuseError, const ColourEntry* palette,
                           uint32_t importantColours);
    // The same reduction pixel by pixel through GetColour, SetColour and the
    // linear FindNearestIndex: the reference the fast path must equal (tests
    // and benchmarks).
    bool ReduceColourDepthReference(uint32_t bits, bool diffuseError, const ColourEntry* palette,
                                    uint32_t importantColours);

    // Sets the resolution written to files, in pixels per metre, in the
    // header and its copy in the block. False without a block.
    bool SetResolution(int32_t xPelsPerMeter, int32_t yPelsPerMeter);

    const BitmapInfoHeader& Header() const { return header; }
    uint8_t* Block() { return block; }  // nullptr while empty
    const uint8_t* Block() const { return block; }
    uint32_t RowStride() const { return rowStride; }
    uint32_t FormatCode() const { return formatCode; }
    const std::string& LastError() const { return lastError; }
    int32_t Width() const { return header.biWidth; }
    int32_t Height() const { return header.biHeight; }
    uint16_t BitCount() const { return header.biBitCount; }

protected:
    // A view sharing source's block without owning it (used while saving).
    void MakeViewOf(const IndexedBitmap& source);
    void SetLastError(const std::string& message) const;
    void FreeBlock();
    bool HasPalette() const { return block != nullptr && header.biClrUsed != 0; }
    bool Inside(int32_t x, int32_t y) const {
        return block != nullptr && x >= 0 && y >= 0 && x < header.biWidth && y < header.biHeight;
    }

    uint8_t* block = nullptr;
    BitmapInfoHeader header{};
    uint32_t rowStride = 0;
    uint8_t* pixels = nullptr;
    const IndexedBitmap* viewOf = nullptr;
    uint32_t formatCode = 0;
    // At most 255 characters; a refused save (a const operation) sets it too.
    mutable std::string lastError;

private:
    template <bool Reference>
    bool Reduce(uint32_t bits, bool diffuseError, const ColourEntry* palette,
                uint32_t importantColours);
};

// Row stride in bytes for a depth and width: rows padded to 4 bytes.
inline uint64_t BmpRowStride(uint32_t bitsPerPixel, uint32_t width) {
    return (uint64_t{bitsPerPixel} * width + 31) / 32 * 4;
}
