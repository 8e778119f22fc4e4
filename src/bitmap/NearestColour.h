#pragma once
// Exact fast nearest-palette-entry search: the same answers as the linear
// search of IndexedBitmap::FindNearestIndex (squared RGB distance, lowest
// index on ties), through a pruned search over the entries sorted by green
// and a memo of every colour already answered.

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "bitmap/IndexedBitmap.h"

class NearestColourSearch {
public:
    // Searches the first count (1 to 256) entries; the entries are copied.
    NearestColourSearch(const ColourEntry* palette, uint32_t count);

    uint8_t Find(uint8_t red, uint8_t green, uint8_t blue) {
        if (!useMemo) return Search(red, green, blue);
        if (!memo) AllocateMemo();
        if (!memo) return Search(red, green, blue);
        const uint32_t key = (uint32_t(red) << 16) | (uint32_t(green) << 8) | blue;
        uint16_t& slot = memo[key];
        if (slot == 0) slot = uint16_t(Search(red, green, blue) + 1);
        return uint8_t(slot - 1);
    }
    // The pruned search without the memo.
    uint8_t Search(uint8_t red, uint8_t green, uint8_t blue) const;

private:
    struct FreeDeleter {
        void operator()(void* p) const { std::free(p); }
    };
    struct Entry {
        int red, green, blue, index;
    };
    void AllocateMemo();

    Entry sorted[256];  // by green, then index
    int count;
    int firstAtOrAbove[257];  // per green value: first sorted position with green >= it
    bool useMemo;
    // index + 1 per 24-bit colour, 0 = not yet asked
    std::unique_ptr<uint16_t[], FreeDeleter> memo;
};
