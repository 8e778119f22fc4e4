#include "metadata/ExifInPlace.h"

#include <algorithm>
#include <optional>

#include "metadata/TiffBytes.h"

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

// A directory whose entry table and next link lie inside the block.
std::optional<TiffDirectory> ReadDirectory(const EditableBytes& tiff, uint64_t at) {
    std::optional<TiffDirectory> directory;
    if (at >= 8)
        directory = ReadTiffDirectory(tiff, at);
    if (!directory || !tiff.Holds(directory->NextAt(), 4))
        return std::nullopt;
    return directory;
}

std::optional<TiffDirectory> LinkedDirectory(const EditableBytes& tiff, const TiffDirectory& from,
                                             uint16_t tag) {
    const TiffEntry* link = from.Find(tag);
    if (!link || link->count != 1 || (link->type != kLong && link->type != 13))
        return std::nullopt;
    return ReadDirectory(tiff, tiff.Get32(link->at + 8));
}

// Sets a SHORT or LONG value where it sits.
void PutNumber(EditableBytes& tiff, const TiffEntry& entry, uint32_t value) {
    if (entry.count != 1)
        return;
    if (entry.type == kShort)
        tiff.Put16(entry.at + 8, value <= 0xFFFF ? static_cast<uint16_t>(value) : 0);
    else if (entry.type == kLong)
        tiff.Put32(entry.at + 8, value);
}

// Sets a RATIONAL value where it sits, in hundredths.
void PutRational(EditableBytes& tiff, const TiffEntry& entry, double value) {
    if (entry.count != 1 || entry.type != kRational || !(value > 0 && value < 4e7))
        return;
    const uint64_t at = entry.DataAt(tiff);
    if (!tiff.Holds(at, 8))
        return;
    tiff.Put32(at, static_cast<uint32_t>(value * 100 + 0.5));
    tiff.Put32(at + 4, 100);
}

void PutResolution(EditableBytes& tiff, const TiffDirectory& first, const ExifFit& fit) {
    const TiffEntry* x = first.Find(kXResolution);
    const TiffEntry* y = first.Find(kYResolution);
    if (!x || !y || fit.xResolution <= 0 || fit.yResolution <= 0)
        return;
    constexpr double kMillimetresPerInch = 25.4;
    PutRational(tiff, *x, fit.xResolution * kMillimetresPerInch);
    PutRational(tiff, *y, fit.yResolution * kMillimetresPerInch);
    if (const TiffEntry* unit = first.Find(kResolutionUnit))
        PutNumber(tiff, *unit, kInches);
}

// Zeros the directory's table and every value it points to outside itself.
void ZeroDirectory(EditableBytes& tiff, const TiffDirectory& directory) {
    for (const TiffEntry& entry : directory.entries)
        if (entry.DataBytes() > 4)
            tiff.Zero(entry.DataAt(tiff), entry.DataBytes());
    tiff.Zero(directory.at, directory.NextAt() + 4 - directory.at);
}

// Takes one entry out of a directory's table by moving the later entries
// down and writing the next-directory link after them; the freed 12 bytes
// become zeros. No value moves.
void RemoveEntry(EditableBytes& tiff, TiffDirectory& directory, uint16_t tag) {
    const auto found = std::find_if(directory.entries.begin(), directory.entries.end(),
                                    [&](const TiffEntry& entry) { return entry.tag == tag; });
    if (found == directory.entries.end())
        return;
    const uint32_t next = tiff.Get32(directory.NextAt());
    for (auto later = found + 1; later != directory.entries.end(); ++later)
        for (uint64_t i = 0; i < kTiffEntryBytes; i += 4)
            tiff.Put32(later->at - kTiffEntryBytes + i, tiff.Get32(later->at + i));
    directory.entries.erase(found);
    tiff.Put16(directory.at, static_cast<uint16_t>(directory.entries.size()));
    tiff.Put32(directory.NextAt(), next);
    tiff.Zero(directory.NextAt() + 4, kTiffEntryBytes);
}

void DropThumbnail(EditableBytes& tiff, const TiffDirectory& first) {
    const uint64_t nextAt = first.NextAt();
    if (const std::optional<TiffDirectory> thumbnail = ReadDirectory(tiff, tiff.Get32(nextAt))) {
        const TiffEntry* offset = thumbnail->Find(kThumbnailOffset);
        const TiffEntry* length = thumbnail->Find(kThumbnailLength);
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
    const std::size_t base = block.compare(0, kPrefix.size(), kPrefix) == 0 ? kPrefix.size() : 0;
    const std::optional<TiffHeader> header = ReadTiffHeader(std::string_view(block).substr(base));
    if (!header)
        return {};
    EditableBytes tiff(edited, base, header->little);
    std::optional<TiffDirectory> first = ReadDirectory(tiff, header->firstDirectory);
    if (!first)
        return {};
    if (const TiffEntry* orientation = first->Find(kOrientation))
        PutNumber(tiff, *orientation, 1);
    PutResolution(tiff, *first, fit);
    if (const std::optional<TiffDirectory> exif = LinkedDirectory(tiff, *first, kExifPointer)) {
        if (const TiffEntry* x = exif->Find(kPixelXDimension))
            PutNumber(tiff, *x, static_cast<uint32_t>(std::max(fit.width, 0)));
        if (const TiffEntry* y = exif->Find(kPixelYDimension))
            PutNumber(tiff, *y, static_cast<uint32_t>(std::max(fit.height, 0)));
        if (const TiffEntry* note = exif->Find(kMakerNote); note && fit.dropLocation)
            tiff.Zero(note->DataAt(tiff), note->DataBytes());
    }
    DropThumbnail(tiff, *first);
    if (fit.dropLocation) {
        if (const std::optional<TiffDirectory> gps = LinkedDirectory(tiff, *first, kGpsPointer))
            ZeroDirectory(tiff, *gps);
        RemoveEntry(tiff, *first, kGpsPointer);
    }
    return edited;
}
