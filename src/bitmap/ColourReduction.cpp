// Colour depth reduction onto a palette, with optional error diffusion.

#include <algorithm>

#include "IndexedBitmap.h"
#include "NearestColour.h"

namespace {

struct Error {
    int red, green, blue;
};

// The share of an error for one neighbour: truncated toward zero, then the
// component clamped to a byte.
inline uint8_t Nudge(uint8_t value, int error, int weight) {
    return uint8_t(std::clamp(int(value) + error * weight / 16, 0, 255));
}

inline ColourEntry Nudge(ColourEntry c, const Error& e, int weight) {
    return {Nudge(c.blue, e.blue, weight), Nudge(c.green, e.green, weight),
            Nudge(c.red, e.red, weight), c.reserved};
}

inline void StoreIndex(uint8_t* row, uint32_t x, uint8_t index, uint16_t depth) {
    switch (depth) {
        case 1: {
            const uint8_t bit = uint8_t(0x80 >> (x & 7));
            row[x >> 3] = (index & 1) ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit);
            break;
        }
        case 4:
            row[x >> 1] = (x & 1) ? uint8_t((row[x >> 1] & 0xF0) | (index & 0x0F))
                                  : uint8_t((row[x >> 1] & 0x0F) | ((index & 0x0F) << 4));
            break;
        default: row[x] = index;
    }
}

// Number of leading palette entries the nearest search of a bitmap covers.
uint32_t SearchCount(const BitmapInfoHeader& h) {
    return h.biClrImportant != 0 ? std::min(h.biClrUsed, h.biClrImportant) : h.biClrUsed;
}

// A colour with int components, kept clamped to 0..255.
struct Rgb {
    int blue, green, red;
};

inline Rgb Load(const uint8_t* p) { return {p[0], p[1], p[2]}; }
inline void Store(uint8_t* p, const Rgb& c) {
    p[0] = uint8_t(c.blue);
    p[1] = uint8_t(c.green);
    p[2] = uint8_t(c.red);
}
inline Rgb Nudge(const Rgb& c, const Error& e, int weight) {
    return {std::clamp(c.blue + e.blue * weight / 16, 0, 255),
            std::clamp(c.green + e.green * weight / 16, 0, 255),
            std::clamp(c.red + e.red * weight / 16, 0, 255)};
}

// The pixel mapping of a 24-bit source, row by row in stored order. The
// shares for the pixel to the right and the three below travel in
// registers; each neighbour still receives its shares one after another,
// clamped after each, exactly as the pixel-by-pixel form gives them.
template <int Depth>
void MapRgbRows(IndexedBitmap& source, IndexedBitmap& result, NearestColourSearch& search,
                bool diffuse) {
    const int32_t width = source.Width(), height = source.Height();
    const ColourEntry* palette = result.PaletteData();
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* src = source.PixelData() + size_t(y) * source.RowStride();
        uint8_t* below = y + 1 < height && diffuse ? src + source.RowStride() : nullptr;
        uint8_t* dst = result.PixelData() + size_t(y) * result.RowStride();
        Rgb current = Load(src);
        Rgb belowLeft{}, belowHere = below ? Load(below) : Rgb{}, belowRight{};
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t index = search.Find(uint8_t(current.red), uint8_t(current.green),
                                              uint8_t(current.blue));
            StoreIndex(dst, uint32_t(x), index, Depth);
            if (!diffuse) {
                if (x + 1 < width) current = Load(src + 3 * size_t(x + 1));
                continue;
            }
            const ColourEntry& q = palette[index];
            const Error e{current.red - q.red, current.green - q.green, current.blue - q.blue};
            const bool right = x + 1 < width;
            if (right) current = Nudge(Load(src + 3 * size_t(x + 1)), e, 7);
            if (below == nullptr) continue;
            if (x > 0) Store(below + 3 * size_t(x - 1), Nudge(belowLeft, e, 2));
            belowHere = Nudge(belowHere, e, 4);
            if (right) belowRight = Nudge(Load(below + 3 * size_t(x + 1)), e, 1);
            belowLeft = belowHere;
            belowHere = belowRight;
        }
        if (below != nullptr) Store(below + 3 * size_t(width - 1), belowLeft);
    }
}

}  // namespace

bool IndexedBitmap::ReduceColourDepth(uint32_t bits, bool diffuseError, const ColourEntry* palette,
                                      uint32_t importantColours) {
    return Reduce<false>(bits, diffuseError, palette, importantColours);
}

bool IndexedBitmap::ReduceColourDepthReference(uint32_t bits, bool diffuseError,
                                               const ColourEntry* palette,
                                               uint32_t importantColours) {
    return Reduce<true>(bits, diffuseError, palette, importantColours);
}

template <bool Reference>
bool IndexedBitmap::Reduce(uint32_t bits, bool diffuseError, const ColourEntry* palette,
                           uint32_t importantColours) {
    if (block == nullptr) return false;
    if (header.biBitCount < bits) return false;
    if (header.biBitCount == bits) {
        if (importantColours == 0) return true;
        if (header.biClrImportant != 0 && header.biClrImportant < importantColours) return true;
    }
    if (bits > 8) return false;  // would be 24 bits: no palette to reduce to

    IndexedBitmap result(formatCode);
    result.lastError = lastError;
    if (result.Allocate(header.biWidth, header.biHeight, uint16_t(bits)) == nullptr) return false;
    if (importantColours != 0) result.LimitImportantColours(importantColours);
    switch (result.header.biBitCount) {
        case 1:
            if (palette != nullptr) {
                result.CopyPaletteFrom(palette, 16);
            } else {
                result.SetPaletteEntry(0, 0, 0, 0);
                result.SetPaletteEntry(1, 255, 255, 255);
            }
            break;
        case 4:
        case 8:
            if (palette != nullptr) {
                result.CopyPaletteFrom(palette, result.header.biBitCount == 4 ? 16 : 256);
            } else {
                result.ApplyStandardPalette();
            }
            break;
        default: return false;
    }

    const int32_t width = header.biWidth;
    const int32_t height = header.biHeight;
    if constexpr (Reference) {
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x) {
                const ColourEntry c = GetColour(x, y);
                result.SetColour(x, y, c);
                if (!diffuseError) continue;
                const ColourEntry q = result.GetColour(x, y);
                const Error e{c.red - q.red, c.green - q.green, c.blue - q.blue};
                SetColour(x + 1, y, Nudge(GetColour(x + 1, y), e, 7));
                SetColour(x - 1, y + 1, Nudge(GetColour(x - 1, y + 1), e, 2));
                SetColour(x, y + 1, Nudge(GetColour(x, y + 1), e, 4));
                SetColour(x + 1, y + 1, Nudge(GetColour(x + 1, y + 1), e, 1));
            }
        }
    } else {
        const ColourEntry* resultPalette = result.PaletteData();
        NearestColourSearch search(resultPalette, SearchCount(result.header));
        const uint16_t depth = result.header.biBitCount;
        if (header.biClrUsed == 0) {
            switch (depth) {
                case 1: MapRgbRows<1>(*this, result, search, diffuseError); break;
                case 4: MapRgbRows<4>(*this, result, search, diffuseError); break;
                default: MapRgbRows<8>(*this, result, search, diffuseError); break;
            }
        } else {
            // Indexed source: adjusted neighbours go back to its own palette.
            NearestColourSearch own(PaletteData(), SearchCount(header));
            auto nudge = [&](int32_t x, int32_t y, const Error& e, int weight) {
                if (!Inside(x, y)) return;
                const ColourEntry n = Nudge(GetColour(x, y), e, weight);
                SetIndex(x, y, own.Find(n.red, n.green, n.blue));
            };
            for (int32_t y = 0; y < height; ++y) {
                uint8_t* dst = result.pixels + size_t(y) * result.rowStride;
                for (int32_t x = 0; x < width; ++x) {
                    const ColourEntry c = GetColour(x, y);
                    const uint8_t index = search.Find(c.red, c.green, c.blue);
                    StoreIndex(dst, uint32_t(x), index, depth);
                    if (!diffuseError) continue;
                    const ColourEntry& q = resultPalette[index];
                    // No shortcut for a zero error: the source's own search may
                    // move a pixel whose index lies beyond its important colours.
                    const Error e{c.red - q.red, c.green - q.green, c.blue - q.blue};
                    nudge(x + 1, y, e, 7);
                    nudge(x - 1, y + 1, e, 2);
                    nudge(x, y + 1, e, 4);
                    nudge(x + 1, y + 1, e, 1);
                }
            }
        }
    }

    // A black-and-white source keeps black and white, whatever palette was given.
    if (header.biBitCount == 1 && result.HasPalette()) {
        result.SetPaletteEntry(0, 0, 0, 0);
        if (result.header.biClrUsed > 1) result.SetPaletteEntry(1, 255, 255, 255);
    }
    TakeOver(&result);
    return true;
}
