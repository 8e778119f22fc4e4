// Octree colour quantizer.

#include "OctreeQuantizer.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr uint8_t kLevelMask[8] = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};

int ChildIndex(uint8_t red, uint8_t green, uint8_t blue, uint32_t level) {
    const uint8_t m = kLevelMask[level];
    return ((red & m) ? 4 : 0) | ((green & m) ? 2 : 0) | ((blue & m) ? 1 : 0);
}

}  // namespace

OctreeQuantizer::OctreeQuantizer(uint32_t maxColours, uint32_t bits)
    : maxLeaves(std::max(maxColours, 16u)),
      requestedColours(maxColours),
      colourBits(std::min(bits, 8u)) {}

OctreeQuantizer::~OctreeQuantizer() { FreeTree(root); }

void OctreeQuantizer::FreeTree(OctreeNode* node) {
    if (node == nullptr) return;
    for (OctreeNode* child : node->children) FreeTree(child);
    delete node;
}

bool OctreeQuantizer::AddImage(const uint8_t* block) {
    if (block == nullptr) return false;
    BitmapInfoHeader h;
    std::memcpy(&h, block, sizeof h);
    const uint16_t bits = h.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return false;
    if (h.biWidth <= 0 || h.biHeight <= 0) return true;
    const uint32_t width = uint32_t(h.biWidth);
    const uint32_t stride = uint32_t(BmpRowStride(bits, width));
    const auto* palette = reinterpret_cast<const ColourEntry*>(block + kBitmapInfoHeaderSize);
    const uint8_t* pixels = block + h.biSize + 4 * size_t(h.biClrUsed);
    auto insert = [this](uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
        InsertColour(red, green, blue, alpha);
        while (leafCount > maxLeaves && MergeDeepestNode()) {
        }
    };
    for (int32_t y = 0; y < h.biHeight; ++y) {
        const uint8_t* row = pixels + size_t(y) * stride;
        for (uint32_t x = 0; x < width; ++x) {
            if (bits == 24) {
                insert(row[3 * x + 2], row[3 * x + 1], row[3 * x], 0);
                continue;
            }
            uint32_t index;
            if (bits == 1) {
                index = (row[x >> 3] >> (7 - (x & 7))) & 1;
            } else if (bits == 4) {
                index = (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
            } else {
                index = row[x];
            }
            if (index >= h.biClrUsed) index = 0;  // never read past the palette
            const ColourEntry& c = palette[index];
            insert(c.red, c.green, c.blue, c.reserved);
        }
    }
    return true;
}

void OctreeQuantizer::InsertColour(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
    OctreeNode** slot = &root;
    for (uint32_t level = 0;; ++level) {
        if (*slot == nullptr) {
            OctreeNode* node = new (std::nothrow) OctreeNode{};
            if (node == nullptr) return;  // the colour is dropped
            *slot = node;
            if (level == colourBits) {
                node->isLeaf = true;
                ++leafCount;
            } else {
                node->nextReducible = reducibleLists[level];
                reducibleLists[level] = node;
            }
        }
        OctreeNode* node = *slot;
        if (node->isLeaf) {
            node->pixelCount += 1;
            node->redSum += red;
            node->greenSum += green;
            node->blueSum += blue;
            node->alphaSum += alpha;
            return;
        }
        slot = &node->children[ChildIndex(red, green, blue, level)];
    }
}

bool OctreeQuantizer::MergeDeepestNode() {
    if (colourBits == 0) return false;
    uint32_t level = colourBits - 1;
    while (level > 0 && reducibleLists[level] == nullptr) --level;
    OctreeNode* node = reducibleLists[level];
    if (node == nullptr) return false;
    reducibleLists[level] = node->nextReducible;
    node->nextReducible = nullptr;
    uint64_t red = 0, green = 0, blue = 0, alpha = 0;
    uint32_t merged = 0;
    for (OctreeNode*& child : node->children) {
        if (child == nullptr) continue;
        red += child->redSum;
        green += child->greenSum;
        blue += child->blueSum;
        alpha += child->alphaSum;
        node->pixelCount += child->pixelCount;
        FreeTree(child);
        child = nullptr;
        ++merged;
    }
    node->redSum = red;
    node->greenSum = green;
    node->blueSum = blue;
    node->alphaSum = alpha;
    node->isLeaf = true;
    leafCount = leafCount - merged + 1;
    return true;
}

void OctreeQuantizer::CollectLeafColours(const OctreeNode* node, ColourEntry* table,
                                         uint32_t* counts, uint32_t capacity,
                                         uint32_t& written) const {
    if (node == nullptr || written >= capacity) return;
    if (node->isLeaf) {
        const uint64_t n = std::max<uint64_t>(node->pixelCount, 1);
        table[written] = {uint8_t(node->blueSum / n), uint8_t(node->greenSum / n),
                          uint8_t(node->redSum / n), uint8_t(node->alphaSum / n)};
        if (counts != nullptr) counts[written] = node->pixelCount;
        ++written;
        return;
    }
    for (const OctreeNode* child : node->children) {
        CollectLeafColours(child, table, counts, capacity, written);
    }
}

void OctreeQuantizer::WriteColourTable(ColourEntry* table) const {
    WriteColourTable(table, nullptr);
}

void OctreeQuantizer::WriteColourTable(ColourEntry* table, uint32_t* pixelCounts) const {
    if (table == nullptr || requestedColours == 0) return;
    uint32_t written = 0;
    if (requestedColours >= 16) {
        CollectLeafColours(root, table, pixelCounts, requestedColours, written);
        return;
    }
    ColourEntry work[16];
    uint32_t counts[16];
    CollectLeafColours(root, work, counts, 16, written);
    if (written <= requestedColours) {
        std::copy_n(work, written, table);
        if (pixelCounts != nullptr) std::copy_n(counts, written, pixelCounts);
        return;
    }
    // Consecutive groups of leaves in walk order, each one pixel-weighted average.
    for (uint32_t i = 0; i < requestedColours; ++i) {
        const uint32_t first = written * i / requestedColours;
        const uint32_t last = written * (i + 1) / requestedColours;
        uint64_t red = 0, green = 0, blue = 0, alpha = 0, pixels = 0;
        for (uint32_t k = first; k < last; ++k) {
            red += uint64_t(work[k].red) * counts[k];
            green += uint64_t(work[k].green) * counts[k];
            blue += uint64_t(work[k].blue) * counts[k];
            alpha += uint64_t(work[k].reserved) * counts[k];
            pixels += counts[k];
        }
        pixels = std::max<uint64_t>(pixels, 1);
        table[i] = {uint8_t(blue / pixels), uint8_t(green / pixels), uint8_t(red / pixels),
                    uint8_t(alpha / pixels)};
        if (pixelCounts != nullptr) pixelCounts[i] = uint32_t(pixels);
    }
}
