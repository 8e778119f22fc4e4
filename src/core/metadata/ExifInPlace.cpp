#include "metadata/ExifInPlace.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr uint16_t kOrientation = 0x0112;
constexpr uint16_t kXResolution = 0x011A;
constexpr uint16_t kYResolution = 0x011B;
constexpr uint16_t kResolutionUnit = 0x0128;
constexpr uint16_t kInches = 2;
constexpr uint16_t kRational = 5;
constexpr uint16_t kExifPointer = 0x8769;
constexpr uint16_t kGpsPointer = 0x8825;
constexpr uint16_t kThumbnailOffset = 0x0201;
constexpr uint16_t kThumbnailLength = 0x0202;
constexpr uint16_t kPixelXDimension = 0xA002;
constexpr uint16_t kPixelYDimension = 0xA003;
constexpr uint16_t kMakerNote = 0x927C;
constexpr uint16_t kShort = 3;
constexpr uint16_t kLong = 4;
constexpr std::size_t kEntryBytes = 12;
// More entries than any real directory holds: a count past it is damage.
constexpr uint16_t kMostEntries = 1000;

std::size_t TypeBytes(uint16_t type) {
    switch (type) {
        case 1: case 2: case 6: case 7: return 1;
        case 3: case 8: return 2;
        case 4: case 9: case 11: case 13: return 4;
        case 5: case 10: case 12: return 8;
        default: return 0;
    }
}

// The TIFF part of the block, read and written in its own byte order. Every
// access is checked against the block's end.
class Tiff {
public:
    Tiff(std::string& bytes, std::size_t base) : bytes(bytes), base(base) {
        little = bytes.compare(base, 2, "II") == 0;
    }
    bool Readable() const {
        return (little || bytes.compare(base, 2, "MM") == 0) && Holds(0, 8) && Get16(2) == 42;
    }
    bool Holds(uint64_t offset, uint64_t length) const {
        return base + offset + length <= bytes.size() && offset + length >= offset;
    }
    uint16_t Get16(uint64_t offset) const {
        const auto b = [&](int i) { return static_cast<uint16_t>(Byte(offset + i)); };
        return little ? b(0) | b(1) << 8 : b(0) << 8 | b(1);
    }
    uint32_t Get32(uint64_t offset) const {
        const uint32_t a = Get16(offset), b = Get16(offset + 2);
        return little ? a | b << 16 : a << 16 | b;
    }
    void Put16(uint64_t offset, uint16_t value) {
        Set(offset + (little ? 0 : 1), value & 0xFF);
        Set(offset + (little ? 1 : 0), value >> 8);
    }
    void Put32(uint64_t offset, uint32_t value) {
        Put16(offset + (little ? 0 : 2), value & 0xFFFF);
        Put16(offset + (little ? 2 : 0), value >> 16);
    }
    void Zero(uint64_t offset, uint64_t length) {
        if (Holds(offset, length))
            std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(base + offset), length, '\0');
    }

private:
    uint8_t Byte(uint64_t offset) const { return static_cast<uint8_t>(bytes[base + offset]); }
    void Set(uint64_t offset, unsigned value) { bytes[base + offset] = static_cast<char>(value); }

    std::string& bytes;
    std::size_t base;
    bool little = true;
};

struct Entry {
    uint64_t at;  // of the entry itself
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    uint64_t DataBytes() const { return uint64_t{count} * TypeBytes(type); }
    // Where the value sits: in the entry when it fits there.
    uint64_t DataAt(const Tiff& tiff) const {
        return DataBytes() <= 4 ? at + 8 : tiff.Get32(at + 8);
    }
};

// A directory whose entry table lies inside the block; empty otherwise.
struct Directory {
    uint64_t at = 0;
    std::vector<Entry> entries;
    uint64_t NextAt() const { return at + 2 + entries.size() * kEntryBytes; }
    const Entry* Find(uint16_t tag) const {
        for (const Entry& entry : entries)
            if (entry.tag == tag)
                return &entry;
        return nullptr;
    }
};

std::optional<Directory> ReadDirectory(const Tiff& tiff, uint64_t at) {
    if (at < 8 || !tiff.Holds(at, 2))
        return std::nullopt;
    const uint16_t count = tiff.Get16(at);
    if (count > kMostEntries || !tiff.Holds(at, 2 + count * kEntryBytes + 4))
        return std::nullopt;
    Directory directory{at, {}};
    for (uint16_t i = 0; i < count; ++i) {
        const uint64_t entry = at + 2 + i * kEntryBytes;
        directory.entries.push_back(
            {entry, tiff.Get16(entry), tiff.Get16(entry + 2), tiff.Get32(entry + 4)});
    }
    return directory;
}

std::optional<Directory> LinkedDirectory(const Tiff& tiff, const Directory& from, uint16_t tag) {
    const Entry* link = from.Find(tag);
    if (!link || link->count != 1 || (link->type != kLong && link->type != 13))
        return std::nullopt;
    return ReadDirectory(tiff, tiff.Get32(link->at + 8));
}

// Sets a SHORT or LONG value where it sits.
void PutNumber(Tiff& tiff, const Entry& entry, uint32_t value) {
    if (entry.count != 1)
        return;
    if (entry.type == kShort)
        tiff.Put16(entry.at + 8, value <= 0xFFFF ? static_cast<uint16_t>(value) : 0);
    else if (entry.type == kLong)
        tiff.Put32(entry.at + 8, value);
}

// Sets a RATIONAL value where it sits, in hundredths.
void PutRational(Tiff& tiff, const Entry& entry, double value) {
    if (entry.count != 1 || entry.type != kRational || !(value > 0 && value < 4e7))
        return;
    const uint64_t at = entry.DataAt(tiff);
    if (!tiff.Holds(at, 8))
        return;
    tiff.Put32(at, static_cast<uint32_t>(value * 100 + 0.5));
    tiff.Put32(at + 4, 100);
}

void PutResolution(Tiff& tiff, const Directory& first, const ExifFit& fit) {
    const Entry* x = first.Find(kXResolution);
    const Entry* y = first.Find(kYResolution);
    if (!x || !y || fit.xResolution <= 0 || fit.yResolution <= 0)
        return;
    constexpr double kMillimetresPerInch = 25.4;
    PutRational(tiff, *x, fit.xResolution * kMillimetresPerInch);
    PutRational(tiff, *y, fit.yResolution * kMillimetresPerInch);
    if (const Entry* unit = first.Find(kResolutionUnit))
        PutNumber(tiff, *unit, kInches);
}

// Zeros the directory's table and every value it points to outside itself.
void ZeroDirectory(Tiff& tiff, const Directory& directory) {
    for (const Entry& entry : directory.entries)
        if (entry.DataBytes() > 4)
            tiff.Zero(entry.DataAt(tiff), entry.DataBytes());
    tiff.Zero(directory.at, directory.NextAt() + 4 - directory.at);
}

// Takes one entry out of a directory's table by moving the later entries
// down and writing the next-directory link after them; the freed 12 bytes
// become zeros. No value moves.
void RemoveEntry(Tiff& tiff, Directory& directory, uint16_t tag) {
    const auto found = std::find_if(directory.entries.begin(), directory.entries.end(),
                                    [&](const Entry& entry) { return entry.tag == tag; });
    if (found == directory.entries.end())
        return;
    const uint32_t next = tiff.Get32(directory.NextAt());
    for (auto later = found + 1; later != directory.entries.end(); ++later)
        for (uint64_t i = 0; i < kEntryBytes; i += 4)
            tiff.Put32(later->at - kEntryBytes + i, tiff.Get32(later->at + i));
    directory.entries.erase(found);
    tiff.Put16(directory.at, static_cast<uint16_t>(directory.entries.size()));
    tiff.Put32(directory.NextAt(), next);
    tiff.Zero(directory.NextAt() + 4, kEntryBytes);
}

void DropThumbnail(Tiff& tiff, const Directory& first) {
    const uint64_t nextAt = first.NextAt();
    if (const std::optional<Directory> thumbnail = ReadDirectory(tiff, tiff.Get32(nextAt))) {
        const Entry* offset = thumbnail->Find(kThumbnailOffset);
        const Entry* length = thumbnail->Find(kThumbnailLength);
        if (offset && length)
            tiff.Zero(tiff.Get32(offset->at + 8), tiff.Get32(length->at + 8));
        ZeroDirectory(tiff, *thumbnail);
    }
    tiff.Put32(nextAt, 0);
}

}  // namespace

std::string ExifEditedInPlace(const std::string& block, const ExifFit& fit) {
    static const std::string kPrefix("Exif\0\0", 6);
    std::string edited = block;
    Tiff tiff(edited, block.compare(0, kPrefix.size(), kPrefix) == 0 ? kPrefix.size() : 0);
    if (!tiff.Readable())
        return {};
    std::optional<Directory> first = ReadDirectory(tiff, tiff.Get32(4));
    if (!first)
        return {};
    if (const Entry* orientation = first->Find(kOrientation))
        PutNumber(tiff, *orientation, 1);
    PutResolution(tiff, *first, fit);
    if (const std::optional<Directory> exif = LinkedDirectory(tiff, *first, kExifPointer)) {
        if (const Entry* x = exif->Find(kPixelXDimension))
            PutNumber(tiff, *x, static_cast<uint32_t>(std::max(fit.width, 0)));
        if (const Entry* y = exif->Find(kPixelYDimension))
            PutNumber(tiff, *y, static_cast<uint32_t>(std::max(fit.height, 0)));
        if (const Entry* note = exif->Find(kMakerNote); note && fit.dropLocation)
            tiff.Zero(note->DataAt(tiff), note->DataBytes());
    }
    DropThumbnail(tiff, *first);
    if (fit.dropLocation) {
        if (const std::optional<Directory> gps = LinkedDirectory(tiff, *first, kGpsPointer))
            ZeroDirectory(tiff, *gps);
        RemoveEntry(tiff, *first, kGpsPointer);
    }
    return edited;
}
