#pragma once
// Exact fast nearest-palette-entry search: the same answers as the linear
// search of IndexedBitmap::FindNearestIndex (squared RGB distance, lowest
// index on ties). The colour cube is cut into cells of 8 x 8 x 8; on first
// use a cell gets the list of entries that can be nearest to any colour in
// it (under 3 on average for the 256-colour table), so a query compares
// only those.

#include <climits>
#include <cstdint>
#include <vector>

#include "IndexedBitmap.h"

class NearestColourSearch {
public:
    // Searches the first count (1 to 256) entries; the entries are copied.
    NearestColourSearch(const ColourEntry* palette, uint32_t count);

    uint8_t Find(uint8_t red, uint8_t green, uint8_t blue) {
        const uint32_t cell = (uint32_t(red >> kCellBits) << (2 * (8 - kCellBits))) |
                              (uint32_t(green >> kCellBits) << (8 - kCellBits)) |
                              uint32_t(blue >> kCellBits);
        uint32_t start = cellStart[cell];
        if (start == kNotReady) start = FillCell(cell);
        const Candidate* c = pool.data() + start;
        const Candidate* end = c + cellSize[cell];
        // In index order, a strictly smaller distance replaces the best:
        // ties stay with the lowest index. No early exit keeps the loop
        // free of branches that are hard to predict.
        int best = INT32_MAX;
        int bestIndex = 0;
        for (; c != end; ++c) {
            const int dr = c->red - red, dg = c->green - green, db = c->blue - blue;
            const int d = dr * dr + dg * dg + db * db;
            const bool better = d < best;
            best = better ? d : best;
            bestIndex = better ? c->index : bestIndex;
        }
        return uint8_t(bestIndex);
    }

private:
    static constexpr int kCellBits = 3;  // cell side 8
    static constexpr int kCellsPerSide = 256 >> kCellBits;

    // Makes the cell's candidate list (first use); returns its start.
    uint32_t FillCell(uint32_t cell);

    struct Entry {
        int red, green, blue;
    };
    Entry entries[256];
    int count;
    // Per cell: where its candidates (in index order) start in the pool and
    // how many there are; kNotReady until first use.
    static constexpr uint32_t kNotReady = UINT32_MAX;
    std::vector<uint32_t> cellStart;
    std::vector<uint16_t> cellSize;
    struct Candidate {
        uint8_t red, green, blue, index;
    };
    std::vector<Candidate> pool;
};
