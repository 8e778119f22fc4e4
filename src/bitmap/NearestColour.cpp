// Exact nearest-colour search over per-cell candidate lists.

#include "NearestColour.h"

#include <algorithm>
#include <cstdlib>

NearestColourSearch::NearestColourSearch(const ColourEntry* palette, uint32_t n)
    : count(int(std::clamp<uint32_t>(n, 1, 256))),
      cellStart(size_t(kCellsPerSide) * kCellsPerSide * kCellsPerSide, kNotReady),
      cellSize(cellStart.size(), 0) {
    for (int i = 0; i < count; ++i) entries[i] = {palette[i].red, palette[i].green, palette[i].blue};
}

// An entry can be nearest to some colour of the cell only if its smallest
// distance to the cell is no more than the largest distance of the entry
// that is farthest-nearest (the least worst case); ties are kept, so the
// lowest index among equals stays in the list.
uint32_t NearestColourSearch::FillCell(uint32_t cell) {
    const int side = 1 << kCellBits;
    const int c = int(cell);
    const int lo[3] = {(c >> (2 * (8 - kCellBits))) << kCellBits,
                       ((c >> (8 - kCellBits)) & (kCellsPerSide - 1)) << kCellBits,
                       (c & (kCellsPerSide - 1)) << kCellBits};
    int nearest[256];
    int bound = 1 << 30;
    for (int i = 0; i < count; ++i) {
        const int v[3] = {entries[i].red, entries[i].green, entries[i].blue};
        int dmin = 0, dmax = 0;
        for (int a = 0; a < 3; ++a) {
            const int l = lo[a], h = lo[a] + side - 1;
            const int below = v[a] < l ? l - v[a] : (v[a] > h ? v[a] - h : 0);
            const int far = std::max(std::abs(v[a] - l), std::abs(v[a] - h));
            dmin += below * below;
            dmax += far * far;
        }
        nearest[i] = dmin;
        bound = std::min(bound, dmax);
    }
    const auto start = uint32_t(pool.size());
    for (int i = 0; i < count; ++i) {
        if (nearest[i] <= bound) {
            const Entry& e = entries[i];
            pool.push_back({uint8_t(e.red), uint8_t(e.green), uint8_t(e.blue),
                            uint8_t(i)});
        }
    }
    cellStart[cell] = start;
    cellSize[cell] = uint16_t(pool.size() - start);
    return start;
}
