// BMP files: loading (uncompressed, RLE8, RLE4, 16/32-bit direct colour)
// and saving of the packed block.

#include "BmpCodec.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr char kUnsupportedFormat[] = "Unsupported operation for this format";

uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t Le32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
void PutLe16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
void PutLe32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

struct FileCloser {
    std::FILE* file;
    ~FileCloser() {
        if (file != nullptr) std::fclose(file);
    }
};

}  // namespace

uint64_t InfoHeaderEnd(const BmpFileLayout& layout) {
    // A size below 16 cannot be a real header: read as the 40-byte one.
    const bool own = layout.coreHeader || layout.infoHeaderSize >= 16;
    return layout.headerStart + (own ? layout.infoHeaderSize : kBitmapInfoHeaderSize);
}

size_t BmpStream::Read(void* out, size_t bytes) {
    auto* dst = static_cast<uint8_t*>(out);
    size_t done = std::min(bytes, end - pos);
    std::memcpy(dst, buffer + pos, done);
    pos += done;
    if (done < bytes) done += std::fread(dst + done, 1, bytes - done, file);
    return done;
}

bool BmpStream::Fill() {
    pos = 0;
    end = std::fread(buffer, 1, sizeof buffer, file);
    return end != 0;
}

bool BmpStream::Seek(uint64_t offset) {
    pos = end = 0;
    if (offset > uint64_t(INT64_MAX)) return false;
    return std::fseek(file, long(offset), SEEK_SET) == 0;
}

bool IndexedBitmap::LoadFromFile(const std::string& path, uint32_t code) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    FileCloser closer{file};
    if (code != 0) {
        SetLastError(kUnsupportedFormat);
        return false;
    }
    return LoadFromStream(file);
}

bool IndexedBitmap::LoadFromStream(std::FILE* file) {
    BmpCodec codec;
    codec.TakeOver(this);
    if (codec.ReadBmp(file)) {
        TakeOver(&codec);
        return true;
    }
    lastError = codec.LastError();
    return false;
}

bool IndexedBitmap::SaveToFile(const std::string& path, uint32_t code) const {
    // Checked before opening, so that a refused save leaves an existing file whole.
    if (code != 0) {
        SetLastError(kUnsupportedFormat);
        return false;
    }
    if (block == nullptr) return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const BmpCodec view(*this);
    const bool written = view.WriteBmp(file);
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return true;
    SetLastError("Error writing BMP");
    return false;
}

bool BmpCodec::WriteBmp(std::FILE* file) const {
    if (block == nullptr) return false;
    uint8_t fileHeader[14];
    PutLe16(fileHeader, 0x4D42);
    PutLe32(fileHeader + 2, BlockBytes() + 14);
    PutLe16(fileHeader + 6, 0);
    PutLe16(fileHeader + 8, 0);
    PutLe32(fileHeader + 10, 14 + header.biSize + PaletteBytes());
    return std::fwrite(fileHeader, 1, 14, file) == 14 &&
           std::fwrite(block, 1, BlockBytes(), file) == BlockBytes();
}

bool BmpCodec::Fail(const char* message) {
    FreeBlock();
    SetLastError(message);
    return false;
}

bool BmpCodec::ReadInfoHeader(BmpStream& in, BitmapInfoHeader& info, BmpFileLayout& layout) {
    uint8_t raw[40] = {};
    const size_t got = in.Read(raw, sizeof raw);
    const uint32_t size = got >= 4 ? Le32(raw) : 0;
    layout.infoHeaderSize = size;
    info = BitmapInfoHeader{};
    if (size == 12 && got >= 12) {
        layout.coreHeader = true;
        info.biWidth = Le16(raw + 4);
        info.biHeight = Le16(raw + 6);
        info.biPlanes = Le16(raw + 8);
        info.biBitCount = Le16(raw + 10);
    } else {
        if (got < sizeof raw) return false;
        // Truncated OS/2 2.x headers (16 to 39 bytes): the fields they lack are 0.
        if (size >= 16 && size < 40) std::memset(raw + size, 0, 40 - size);
        info.biWidth = int32_t(Le32(raw + 4));
        info.biHeight = int32_t(Le32(raw + 8));
        info.biPlanes = Le16(raw + 12);
        info.biBitCount = Le16(raw + 14);
        info.biCompression = Le32(raw + 16);
        info.biSizeImage = Le32(raw + 20);
        info.biXPelsPerMeter = int32_t(Le32(raw + 24));
        info.biYPelsPerMeter = int32_t(Le32(raw + 28));
        info.biClrUsed = Le32(raw + 32);
        info.biClrImportant = Le32(raw + 36);
    }
    // The block always carries a 40-byte header, whatever the file had.
    info.biSize = kBitmapInfoHeaderSize;
    return true;
}

bool BmpCodec::ReadBmp(std::FILE* file) {
    BmpStream in(file);
    BmpFileLayout layout;
    uint8_t fileHeader[14];
    if (in.Read(fileHeader, sizeof fileHeader) != sizeof fileHeader) return Fail("Not a BMP");
    layout.hasFileHeader = Le16(fileHeader) == 0x4D42;
    if (layout.hasFileHeader) {
        layout.offBits = Le32(fileHeader + 10);
        layout.headerStart = 14;
    } else if (!in.Seek(0)) {
        return Fail("Not a BMP");
    }
    if (!ReadInfoHeader(in, header, layout)) return Fail("Error reading BMP info");
    layout.bitCount = header.biBitCount;
    layout.compression = header.biCompression;
    layout.clrUsed = header.biClrUsed;

    const int32_t width = header.biWidth;
    const int64_t signedHeight = header.biHeight;
    layout.topDown = signedHeight < 0;
    const int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || height == 0 || height > INT32_MAX) return Fail("Invalid BMP dimensions");
    const uint16_t bits = layout.bitCount;
    const bool indexed = bits == 1 || bits == 4 || bits == 8;
    const bool direct = bits == 16 || bits == 32;
    if (!indexed && !direct && bits != 24) return Fail("Unsupported BMP bit count");
    const uint64_t fileBytes = BmpRowStride(bits, uint32_t(width)) * uint64_t(height);
    const uint64_t blockBytes = BmpRowStride(indexed ? bits : 24, uint32_t(width)) * uint64_t(height);
    if (std::max(fileBytes, blockBytes) > kMaxPixelBytes) return Fail("Invalid BMP dimensions");
    if (indexed && layout.compression > 2) return Fail("compression type not supported");
    if (bits == 24 && layout.compression != 0) return Fail("unknown compression");
    if (direct && layout.compression != 0 && layout.compression != 3) {
        return Fail("unknown compression");
    }

    const int32_t xPelsPerMeter = header.biXPelsPerMeter, yPelsPerMeter = header.biYPelsPerMeter;
    if (Allocate(width, int32_t(height), indexed ? bits : 24) == nullptr) {
        return Fail("Can't allocate memory");
    }
    SetResolution(xPelsPerMeter, yPelsPerMeter);  // the file's, which Allocate cleared
    if (HasPalette()) ReadPalette(in, layout);
    if (direct) {
        ReadDirectColour(in, layout);
        return true;
    }
    if (layout.hasFileHeader && layout.offBits != 0) {
        in.Seek(layout.offBits);
    } else if (!HasPalette()) {
        in.Seek(InfoHeaderEnd(layout));
    }
    const RowCursor rows(*this, layout.topDown);
    switch (layout.compression) {
        case 1: DecodeRle8(in, rows); break;
        case 2: DecodeRle4(in, rows); break;
        default: ReadRows(in, layout);
    }
    return true;
}

void BmpCodec::ReadPalette(BmpStream& in, const BmpFileLayout& layout) {
    // The palette follows the file's own info header; entries the file does
    // not supply (fewer colours, or pixels starting earlier) stay 0.
    const uint32_t entrySize = layout.coreHeader ? 3 : 4;
    const uint64_t start = InfoHeaderEnd(layout);
    uint64_t count = header.biClrUsed;
    if (!layout.coreHeader && layout.clrUsed != 0) count = std::min<uint64_t>(count, layout.clrUsed);
    if (layout.hasFileHeader && layout.offBits != 0) {
        count = layout.offBits > start ? std::min(count, (layout.offBits - start) / entrySize) : 0;
    }
    if (!in.Seek(start)) return;
    uint8_t raw[256 * 4] = {};
    const size_t got = in.Read(raw, size_t(count) * entrySize);
    ColourEntry* palette = PaletteData();
    for (size_t i = 0; i < got / entrySize; ++i) {
        const uint8_t* p = raw + i * entrySize;
        palette[i] = {p[0], p[1], p[2], layout.coreHeader ? uint8_t(0) : p[3]};
    }
    // A bare bitmap's pixels follow the palette it holds.
    in.Seek(start + count * entrySize);
}

void BmpCodec::ReadRows(BmpStream& in, const BmpFileLayout& layout) {
    const uint32_t height = uint32_t(header.biHeight);
    if (!layout.topDown) {
        in.Read(pixels, size_t(rowStride) * height);  // what a short file lacks stays 0
        return;
    }
    for (uint32_t r = 0; r < height; ++r) {
        uint8_t* row = pixels + size_t(height - 1 - r) * rowStride;
        if (in.Read(row, rowStride) != rowStride) return;
    }
}
