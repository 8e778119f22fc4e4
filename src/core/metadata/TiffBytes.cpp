#include "metadata/TiffBytes.h"

#include <algorithm>

uint16_t EndianBytes::Get16(uint64_t offset) const {
    if (!Holds(offset, 2))
        return 0;
    const auto b = [&](uint64_t i) { return static_cast<uint16_t>(uint8_t(bytes[offset + i])); };
    return little ? b(0) | b(1) << 8 : b(0) << 8 | b(1);
}

uint32_t EndianBytes::Get32(uint64_t offset) const {
    if (!Holds(offset, 4))
        return 0;
    const uint32_t a = Get16(offset), b = Get16(offset + 2);
    return little ? a | b << 16 : a << 16 | b;
}

EditableBytes::EditableBytes(std::string& text, std::size_t base, bool little)
    : EndianBytes(std::string_view(text).substr(std::min(base, text.size())), little),
      data(text.data() + std::min(base, text.size())) {}

void EditableBytes::Put16(uint64_t offset, uint16_t value) {
    if (!Holds(offset, 2))
        return;
    data[offset + (Little() ? 0 : 1)] = static_cast<char>(value & 0xFF);
    data[offset + (Little() ? 1 : 0)] = static_cast<char>(value >> 8);
}

void EditableBytes::Put32(uint64_t offset, uint32_t value) {
    if (!Holds(offset, 4))
        return;
    Put16(offset + (Little() ? 0 : 2), value & 0xFFFF);
    Put16(offset + (Little() ? 2 : 0), value >> 16);
}

void EditableBytes::Zero(uint64_t offset, uint64_t length) {
    if (Holds(offset, length))
        std::fill_n(data + offset, length, '\0');
}

void Append32(std::string& out, uint32_t value, bool little) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> 8 * (little ? i : 3 - i)) & 0xFF));
}

std::size_t TiffTypeBytes(uint16_t type) {
    switch (type) {
        case 1:
        case 2:
        case 6:
        case 7: return 1;
        case 3:
        case 8: return 2;
        case 4:
        case 9:
        case 11:
        case 13: return 4;
        case 5:
        case 10:
        case 12: return 8;
        default: return 0;
    }
}

std::optional<TiffHeader> ReadTiffHeader(std::string_view bytes) {
    if (bytes.size() < 8)
        return std::nullopt;
    const bool little = bytes[0] == 'I';
    if (bytes.substr(0, 4) !=
        (little ? std::string_view("II*\0", 4) : std::string_view("MM\0*", 4)))
        return std::nullopt;
    return TiffHeader{little, EndianBytes(bytes, little).Get32(4)};
}

const TiffEntry* TiffDirectory::Find(uint16_t tag) const {
    for (const TiffEntry& entry : entries)
        if (entry.tag == tag)
            return &entry;
    return nullptr;
}

std::optional<TiffDirectory> ReadTiffDirectory(const EndianBytes& tiff, uint64_t at) {
    if (!tiff.Holds(at, 2))
        return std::nullopt;
    const uint16_t count = tiff.Get16(at);
    if (count > kMostTiffEntries || !tiff.Holds(at, 2 + count * kTiffEntryBytes))
        return std::nullopt;
    TiffDirectory directory{at, {}};
    for (uint16_t i = 0; i < count; ++i) {
        const uint64_t entry = at + 2 + i * kTiffEntryBytes;
        directory.entries.push_back(
            {entry, tiff.Get16(entry), tiff.Get16(entry + 2), tiff.Get32(entry + 4)});
    }
    return directory;
}
