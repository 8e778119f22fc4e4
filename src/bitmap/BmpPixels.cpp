// Pixel streams of BMP files that are not plain rows: RLE8, RLE4 and the
// 16- and 32-bit direct-colour layouts (read into a 24-bit bitmap).

#include <algorithm>
#include <bit>
#include <vector>

#include "BmpCodec.h"

namespace {

// Positions only grow; capped far beyond any row so they cannot overflow.
constexpr uint64_t kFarAway = uint64_t{1} << 40;

void Advance(uint64_t& value, uint64_t by) { value = std::min(value + by, kFarAway); }

// How RLE8 lays out a run and an absolute run: a byte a pixel.
struct Rle8Writer {
    const RowCursor& rows;
    void Put(uint64_t x, uint64_t r, uint8_t value) const {
        uint8_t* row = rows.Row(r);
        if (row != nullptr && x < rows.Stride()) row[x] = value;
    }
    void PutRun(uint64_t x, uint64_t r, int n, int value) const {
        for (int i = 0; i < n; ++i) Put(x + uint64_t(i), r, uint8_t(value));
    }
    bool PutAbsolute(BmpStream& in, uint64_t x, uint64_t r, int count) const {
        for (int i = 0; i < count; ++i) {
            const int value = in.GetByte();
            if (value < 0) return false;
            Put(x + uint64_t(i), r, uint8_t(value));
        }
        return !((count & 1) && in.GetByte() < 0);  // 16-bit alignment
    }
};

// How RLE4 lays them out: a nibble a pixel, the high one first.
struct Rle4Writer {
    const RowCursor& rows;
    void Put(uint64_t x, uint64_t r, uint8_t nibble) const {
        uint8_t* row = rows.Row(r);
        if (row == nullptr || x / 2 >= rows.Stride()) return;
        uint8_t& byte = row[x / 2];
        byte = (x & 1) ? uint8_t((byte & 0xF0) | nibble) : uint8_t((byte & 0x0F) | (nibble << 4));
    }
    void PutRun(uint64_t x, uint64_t r, int n, int value) const {
        for (int i = 0; i < n; ++i) {
            Put(x + uint64_t(i), r, uint8_t((i & 1) ? (value & 0x0F) : (value >> 4)));
        }
    }
    bool PutAbsolute(BmpStream& in, uint64_t x, uint64_t r, int count) const {
        const int bytes = (count + 1) / 2;
        for (int b = 0; b < bytes; ++b) {
            const int value = in.GetByte();
            if (value < 0) return false;
            Put(x + uint64_t(2 * b), r, uint8_t(value >> 4));
            if (2 * b + 1 < count) Put(x + uint64_t(2 * b + 1), r, uint8_t(value & 0x0F));
        }
        return !((bytes & 1) && in.GetByte() < 0);  // 16-bit alignment
    }
};

// The escape codes shared by both decoders. Returns false at the end of
// the bitmap or of the stream.
template <typename Absolute>
bool Escape(BmpStream& in, uint64_t& x, uint64_t& r, Absolute absolute) {
    const int e = in.GetByte();
    switch (e) {
        case -1:
        case 1: return false;
        case 0:
            Advance(r, 1);
            x = 0;
            return true;
        case 2: {
            const int dx = in.GetByte();
            const int dy = in.GetByte();
            if (dx < 0 || dy < 0) return false;
            Advance(x, uint64_t(dx));
            Advance(r, uint64_t(dy));
            return true;
        }
        default: return absolute(e);
    }
}

// Runs and escapes, the pixels laid out by out (Rle8Writer or Rle4Writer).
template <typename Writer>
void DecodeRle(BmpStream& in, const Writer& out) {
    uint64_t x = 0, r = 0;
    for (;;) {
        const int n = in.GetByte();
        if (n < 0) return;
        if (n > 0) {
            const int value = in.GetByte();
            if (value < 0) return;
            out.PutRun(x, r, n, value);
            Advance(x, uint64_t(n));
            continue;
        }
        const bool more = Escape(in, x, r, [&](int count) {
            if (!out.PutAbsolute(in, x, r, count)) return false;
            Advance(x, uint64_t(count));
            return true;
        });
        if (!more) return;
    }
}

}  // namespace

void DecodeRle8(BmpStream& in, const RowCursor& rows) { DecodeRle(in, Rle8Writer{rows}); }

void DecodeRle4(BmpStream& in, const RowCursor& rows) { DecodeRle(in, Rle4Writer{rows}); }

namespace {

// One component by its mask, its highest bit moved to bit 7.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;  // > 0: right, < 0: left
    explicit Channel(uint32_t m) : mask(m) {
        if (m != 0) shift = (31 - std::countl_zero(m)) - 7;
    }
    uint8_t Extract(uint32_t pixel) const {
        const uint32_t v = pixel & mask;
        if (mask == 0) return 0;
        return uint8_t(shift >= 0 ? v >> shift : v << -shift);
    }
};

}  // namespace

void BmpCodec::ReadDirectColour(BmpStream& in, const BmpFileLayout& layout) {
    const bool sixteen = layout.bitCount == 16;
    uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    const bool bitfields = layout.compression == 3;
    uint64_t pixelStart = InfoHeaderEnd(layout);
    if (bitfields) {
        // The masks follow the first 40 bytes of the header (inside V2 to V5
        // headers, after a 40-byte one).
        const uint64_t at =
            layout.headerStart + std::min<uint64_t>(layout.infoHeaderSize, kBitmapInfoHeaderSize);
        uint8_t raw[12] = {};
        if (in.Seek(at)) in.Read(raw, sizeof raw);
        for (int i = 0; i < 3; ++i) {
            masks[i] = uint32_t(raw[4 * i]) | (uint32_t(raw[4 * i + 1]) << 8) |
                       (uint32_t(raw[4 * i + 2]) << 16) | (uint32_t(raw[4 * i + 3]) << 24);
        }
        if (layout.infoHeaderSize <= kBitmapInfoHeaderSize) pixelStart = at + 12;
    }
    if (layout.hasFileHeader && layout.offBits != 0) pixelStart = layout.offBits;
    if (!in.Seek(pixelStart)) return;

    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    const uint32_t width = uint32_t(header.biWidth);
    const uint32_t height = uint32_t(header.biHeight);
    std::vector<uint8_t> line(size_t(BmpRowStride(layout.bitCount, width)));
    const RowCursor rows(*this, layout.topDown);
    for (uint32_t r = 0; r < height; ++r) {
        const size_t got = in.Read(line.data(), line.size());
        std::fill(line.begin() + long(got), line.end(), 0);
        uint8_t* out = rows.Row(r);
        for (uint32_t x = 0; x < width; ++x, out += 3) {
            if (sixteen) {
                const uint32_t p = uint32_t(line[2 * x]) | (uint32_t(line[2 * x + 1]) << 8);
                out[0] = blue.Extract(p);
                out[1] = green.Extract(p);
                out[2] = red.Extract(p);
            } else if (bitfields) {
                const uint8_t* b = &line[4 * size_t(x)];
                const uint32_t p = uint32_t(b[0]) | (uint32_t(b[1]) << 8) |
                                   (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
                out[0] = blue.Extract(p);
                out[1] = green.Extract(p);
                out[2] = red.Extract(p);
            } else {
                std::copy_n(&line[4 * size_t(x)], 3, out);
            }
        }
        if (got < line.size()) return;  // the rest stays 0
    }
}
