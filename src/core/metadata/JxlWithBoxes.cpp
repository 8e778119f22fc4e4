#include "metadata/JxlWithBoxes.h"

#include <cstdint>

#include "metadata/TiffBytes.h"

namespace {

// A box: 32-bit size (header included), four-letter type, contents. A box
// too large for 32 bits takes the 64-bit form (size 1, then the size).
void PutBox(std::string& out, std::string_view type, std::string_view contents) {
    const uint64_t size = 8 + contents.size();
    if (size <= 0xFFFFFFFFu) {
        Append32(out, uint32_t(size), kBigEndian);
        out.append(type);
    } else {
        Append32(out, 1, kBigEndian);
        out.append(type);
        Append32(out, uint32_t((size + 8) >> 32), kBigEndian);
        Append32(out, uint32_t((size + 8) & 0xFFFFFFFFu), kBigEndian);
    }
    out.append(contents);
}

// The "Exif" box holds the TIFF header's offset (0: it follows at once) and
// the block without libvips' "Exif\0\0".
std::string ExifContents(const std::string& block) {
    static const std::string kHeader("Exif\0\0", 6);
    if (block.size() <= kHeader.size() || block.compare(0, kHeader.size(), kHeader) != 0)
        return {};
    return std::string(4, '\0') + block.substr(kHeader.size());
}

}  // namespace

std::string JxlContainer(std::string_view codestream, const JxlMetadata& metadata) {
    std::string file;
    file.reserve(codestream.size() + metadata.exif.size() + metadata.xmp.size() + 64);
    PutBox(file, "JXL ", std::string_view("\x0D\x0A\x87\x0A", 4));
    // Brand "jxl ", version 0, compatible with "jxl ".
    PutBox(file, "ftyp", std::string_view("jxl \0\0\0\0jxl ", 12));
    if (const std::string exif = ExifContents(metadata.exif); !exif.empty())
        PutBox(file, "Exif", exif);
    if (!metadata.xmp.empty())
        PutBox(file, "xml ", metadata.xmp);
    PutBox(file, "jxlc", codestream);
    return file;
}
