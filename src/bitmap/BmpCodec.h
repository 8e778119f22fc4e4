#pragma once
// BMP reading and writing for IndexedBitmap. A BmpCodec lives only for one
// load or save; it adds no fields to the bitmap it works on.

#include <cstdint>
#include <cstdio>

#include "IndexedBitmap.h"

// Buffered little-endian byte reading from an open file.
class BmpStream {
public:
    explicit BmpStream(std::FILE* file) : file(file) {}
    // Bytes actually read (fewer at the end of the file).
    size_t Read(void* buffer, size_t bytes);
    int GetByte() {  // -1 at the end
        if (pos == end && !Fill()) return -1;
        return buffer[pos++];
    }
    bool Seek(uint64_t offset);

private:
    bool Fill();
    std::FILE* file;
    uint8_t buffer[1 << 16];
    size_t pos = 0, end = 0;
};

// What the reader keeps of the file's own headers besides the bitmap's.
struct BmpFileLayout {
    bool hasFileHeader = false;
    uint32_t offBits = 0;         // bfOffBits, 0 without file header
    uint64_t headerStart = 0;     // offset of the info header
    uint32_t infoHeaderSize = 0;  // the file's own biSize (12 for a core header)
    bool coreHeader = false;
    bool topDown = false;
    uint16_t bitCount = 0;  // the file's depth
    uint32_t compression = 0;
    uint32_t clrUsed = 0;
};

// Offset just past the file's own info header.
uint64_t InfoHeaderEnd(const BmpFileLayout& layout);

// Maps a row index of the file's stream to a row in the block, or nullptr
// for a row outside the picture.
class RowCursor {
public:
    RowCursor(IndexedBitmap& bitmap, bool topDown)
        : pixels(bitmap.PixelData()),
          stride(bitmap.RowStride()),
          height(uint32_t(bitmap.Height())),
          topDown(topDown) {}
    uint8_t* Row(uint64_t r) const {
        if (r >= height) return nullptr;
        const uint64_t stored = topDown ? height - 1 - r : r;
        return pixels + stored * stride;
    }
    uint32_t Stride() const { return stride; }

private:
    uint8_t* pixels;
    uint32_t stride;
    uint32_t height;
    bool topDown;
};

// The RLE decoders: every write outside the rows is dropped.
void DecodeRle8(BmpStream& in, const RowCursor& rows);
void DecodeRle4(BmpStream& in, const RowCursor& rows);

class BmpCodec : public IndexedBitmap {
public:
    BmpCodec() : IndexedBitmap(0) {}
    // A view of the bitmap for writing; frees nothing on destruction.
    explicit BmpCodec(const IndexedBitmap& source) : IndexedBitmap(0) { MakeViewOf(source); }
    ~BmpCodec() override = default;

    bool ReadBmp(std::FILE* file);
    bool WriteBmp(std::FILE* file) const;

private:
    bool Fail(const char* message);
    bool ReadInfoHeader(BmpStream& in, BitmapInfoHeader& info, BmpFileLayout& layout);
    void ReadPalette(BmpStream& in, const BmpFileLayout& layout);
    void ReadRows(BmpStream& in, const BmpFileLayout& layout);
    void ReadDirectColour(BmpStream& in, const BmpFileLayout& layout);
};
