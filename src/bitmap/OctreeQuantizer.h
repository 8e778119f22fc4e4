#pragma once
// A colour table of at most N colours for a picture, built with an octree
// whose leaves are kept at most max(N, 16) by merging the newest nodes of
// the deepest level after every pixel (so memory stays bounded).

#include <cstdint>

#include "IndexedBitmap.h"

struct OctreeNode {
    bool isLeaf = false;
    uint32_t pixelCount = 0;
    // 64-bit sums: a leaf may hold every pixel of a very large picture.
    uint64_t redSum = 0, greenSum = 0, blueSum = 0, alphaSum = 0;
    OctreeNode* children[8] = {};
    OctreeNode* nextReducible = nullptr;
};

class OctreeQuantizer {
public:
    // colourBits is the tree depth, capped at 8; maxLeaves is maxColours
    // but at least 16.
    OctreeQuantizer(uint32_t maxColours, uint32_t colourBits);
    virtual ~OctreeQuantizer();
    OctreeQuantizer(const OctreeQuantizer&) = delete;
    OctreeQuantizer& operator=(const OctreeQuantizer&) = delete;

    // Adds every pixel of a packed bitmap block (IndexedBitmap::Block()) of
    // 1, 4, 8 or 24 bits; false, adding nothing, for any other bit count.
    // Pictures accumulate.
    bool AddImage(const uint8_t* block);
    // Writes up to maxColours averaged colours from entry 0 on, in the
    // leaves' path order; entries beyond those written are left untouched.
    // The table needs room for maxColours entries. Below 16 colours the
    // leaves are grouped into maxColours pixel-weighted averages.
    void WriteColourTable(ColourEntry* table) const;
    // As above, also giving each written entry's pixel count (room for
    // maxColours counts).
    void WriteColourTable(ColourEntry* table, uint32_t* pixelCounts) const;

    uint32_t LeafCount() const { return leafCount; }
    uint32_t MaxLeaves() const { return maxLeaves; }
    uint32_t ColourBits() const { return colourBits; }

private:
    void InsertColour(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha);
    bool MergeDeepestNode();  // false when nothing is left to merge
    void CollectLeafColours(const OctreeNode* node, ColourEntry* table, uint32_t* counts,
                            uint32_t capacity, uint32_t& written) const;
    static void FreeTree(OctreeNode* node);

    OctreeNode* root = nullptr;
    uint32_t leafCount = 0;
    OctreeNode* reducibleLists[9] = {};
    uint32_t maxLeaves;
    uint32_t requestedColours;
    uint32_t colourBits;
};
