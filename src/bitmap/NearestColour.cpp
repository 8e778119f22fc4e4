// Exact nearest-colour search with pruning and a memo.

#include "bitmap/NearestColour.h"

#include <algorithm>

NearestColourSearch::NearestColourSearch(const ColourEntry* palette, uint32_t n)
    : count(int(std::clamp<uint32_t>(n, 1, 256))) {
    for (int i = 0; i < count; ++i) {
        sorted[i] = {palette[i].red, palette[i].green, palette[i].blue, i};
    }
    std::stable_sort(sorted, sorted + count,
                     [](const Entry& a, const Entry& b) { return a.green < b.green; });
    int pos = 0;
    for (int g = 0; g <= 256; ++g) {
        while (pos < count && sorted[pos].green < g) ++pos;
        firstAtOrAbove[g] = pos;
    }
    // Small palettes are searched faster than a memo is filled.
    useMemo = count > 4;
}

void NearestColourSearch::AllocateMemo() {
    // calloc: the pages of colours never asked stay untouched.
    memo.reset(static_cast<uint16_t*>(std::calloc(size_t{1} << 24, sizeof(uint16_t))));
}

uint8_t NearestColourSearch::Search(uint8_t red, uint8_t green, uint8_t blue) const {
    int best = 1 << 30;
    int bestIndex = 0;
    auto consider = [&](const Entry& e) {
        const int dr = e.red - red, dg = e.green - green, db = e.blue - blue;
        const int d = dr * dr + dg * dg + db * db;
        if (d < best || (d == best && e.index < bestIndex)) {
            best = d;
            bestIndex = e.index;
        }
    };
    // Walk outwards from the entries nearest in green. An entry whose green
    // difference alone exceeds the best distance, and every entry beyond it,
    // cannot win, not even a tie (which could go to a lower index).
    int up = firstAtOrAbove[green];
    int down = up - 1;
    while (up < count || down >= 0) {
        if (up < count) {
            const int dg = sorted[up].green - green;
            if (dg * dg > best) {
                up = count;
            } else {
                consider(sorted[up++]);
            }
        }
        if (down >= 0) {
            const int dg = green - sorted[down].green;
            if (dg * dg > best) {
                down = -1;
            } else {
                consider(sorted[down--]);
            }
        }
    }
    return uint8_t(bestIndex);
}
