#pragma once
// Building BMP files byte by byte for the reader's tests.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
inline void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
inline void Append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }

inline Bytes FileHeader(uint32_t offBits, uint32_t size = 0) {
    Bytes b{'B', 'M'};
    Put32(b, size);
    Put32(b, 0);
    Put32(b, offBits);
    return b;
}

inline Bytes InfoHeader(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
                        uint32_t clrUsed = 0, uint32_t size = 40) {
    Bytes b;
    Put32(b, size);
    Put32(b, uint32_t(width));
    Put32(b, uint32_t(height));
    Put16(b, 1);
    Put16(b, bits);
    Put32(b, compression);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, clrUsed);
    Put32(b, 0);
    b.resize(size >= 40 ? size : 40, 0);
    return b;
}

// Palette of n entries where entry i is (blue i, green 2i, red 3i).
inline Bytes RampPalette(uint32_t n, uint32_t entrySize = 4) {
    Bytes b;
    for (uint32_t i = 0; i < n; ++i) {
        b.push_back(uint8_t(i));
        b.push_back(uint8_t(2 * i));
        b.push_back(uint8_t(3 * i));
        if (entrySize == 4) b.push_back(0);
    }
    return b;
}

// A complete file: file header pointing just past header and palette.
inline Bytes BmpFile(const Bytes& info, const Bytes& palette, const Bytes& pixels) {
    Bytes b = FileHeader(uint32_t(14 + info.size() + palette.size()));
    Append(b, info);
    Append(b, palette);
    Append(b, pixels);
    return b;
}

inline void WriteBytes(const std::string& path, const Bytes& b) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                                std::streamsize(b.size()));
}

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
