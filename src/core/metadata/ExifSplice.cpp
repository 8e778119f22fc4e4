#include "metadata/ExifSplice.h"

#include <algorithm>
#include <cstdint>

#include <zlib.h>

#include "metadata/TiffBytes.h"

namespace {

constexpr std::string_view kExifPrefix("Exif\0\0", 6);

bool IsExifBlock(std::string_view block) {
    return block.size() > kExifPrefix.size() + 8 && block.substr(0, 6) == kExifPrefix;
}

}  // namespace

std::optional<std::string> JpegWithExif(std::string_view jpeg, std::string_view block) {
    // The segment length counts itself (2 bytes) and is 16 bits.
    if (!IsExifBlock(block) || block.size() > 0xFFFF - 2 || jpeg.substr(0, 2) != "\xFF\xD8")
        return std::nullopt;
    std::string segment("\xFF\xE1", 2);
    segment.push_back(char((block.size() + 2) >> 8));
    segment.push_back(char((block.size() + 2) & 0xFF));
    segment.append(block);

    std::string out(jpeg.substr(0, 2));
    std::size_t at = 2;
    bool placed = false;
    // The segments before the compressed data; the scan and all after it
    // are copied as they are.
    while (at + 4 <= jpeg.size() && uint8_t(jpeg[at]) == 0xFF) {
        const uint8_t marker = uint8_t(jpeg[at + 1]);
        if (marker == 0xDA || marker == 0xD9)
            break;
        const std::size_t length = EndianBytes(jpeg, kBigEndian).Get16(at + 2);
        if (length < 2 || at + 2 + length > jpeg.size())
            return std::nullopt;
        const std::string_view whole = jpeg.substr(at, 2 + length);
        const bool exif = marker == 0xE1 && whole.substr(4, 6) == kExifPrefix;
        if (!placed && marker != 0xE0) {
            out.append(segment);
            placed = true;
        }
        if (!exif)
            out.append(whole);
        at += 2 + length;
    }
    if (!placed)
        out.append(segment);
    out.append(jpeg.substr(at));
    return out;
}

std::optional<std::string> PngWithExif(std::string_view png, std::string_view block) {
    static constexpr std::string_view kSignature("\x89PNG\r\n\x1A\n", 8);
    if (!IsExifBlock(block) || png.substr(0, 8) != kSignature)
        return std::nullopt;
    const std::string_view tiff = block.substr(kExifPrefix.size());
    std::string chunk;
    Append32(chunk, uint32_t(tiff.size()), kBigEndian);
    chunk.append("eXIf").append(tiff);
    const auto* typed = reinterpret_cast<const Bytef*>(chunk.data() + 4);
    Append32(chunk, uint32_t(crc32(crc32(0, nullptr, 0), typed, uInt(chunk.size() - 4))),
             kBigEndian);

    std::string out(kSignature);
    bool placed = false;
    for (std::size_t at = 8; at < png.size();) {
        if (at + 12 > png.size())
            return std::nullopt;
        const uint64_t length = EndianBytes(png, kBigEndian).Get32(at);
        if (at + 12 + length > png.size())
            return std::nullopt;
        const std::string_view type = png.substr(at + 4, 4);
        if (!placed && type == "IDAT") {
            out.append(chunk);
            placed = true;
        }
        if (type != "eXIf")
            out.append(png.substr(at, 12 + length));
        at += 12 + length;
    }
    if (!placed)
        return std::nullopt;
    return out;
}

std::optional<std::string> WebpWithExif(std::string_view webp, std::string_view block) {
    if (!IsExifBlock(block) || webp.size() < 30 || webp.substr(0, 4) != "RIFF" ||
        webp.substr(8, 4) != "WEBP" || webp.substr(12, 4) != "VP8X")
        return std::nullopt;
    // The block keeps libvips' "Exif\0\0", as libvips' own WebP files have it.
    std::string chunk("EXIF");
    Append32(chunk, uint32_t(block.size()), kLittleEndian);
    chunk.append(block);
    if (block.size() % 2)
        chunk.push_back('\0');

    std::string body;
    bool placed = false;
    for (std::size_t at = 12; at < webp.size();) {
        if (at + 8 > webp.size())
            return std::nullopt;
        const uint64_t length = EndianBytes(webp, kLittleEndian).Get32(at + 4);
        const uint64_t padded = length + (length % 2);
        if (at + 8 + length > webp.size())
            return std::nullopt;
        const std::string_view type = webp.substr(at, 4);
        if (!placed && type == "XMP ") {
            body.append(chunk);
            placed = true;
        }
        if (type != "EXIF")
            body.append(webp.substr(at, std::min<uint64_t>(8 + padded, webp.size() - at)));
        at += 8 + padded;
    }
    if (!placed)
        body.append(chunk);
    body[8] = char(uint8_t(body[8]) | 0x08);  // the extended header's EXIF flag
    std::string out("RIFF");
    Append32(out, uint32_t(4 + body.size()), kLittleEndian);
    out.append("WEBP").append(body);
    return out;
}
