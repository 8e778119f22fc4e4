#include "metadata/MakerNoteMove.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "metadata/TiffBytes.h"

namespace {

constexpr uint16_t kExifPointer = 0x8769;
constexpr uint16_t kMakerNote = 0x927C;

// Where the directory of a note with a known header starts. Notes whose
// header says they count from their own start are not listed.
std::optional<std::size_t> DirectoryStart(std::string_view note) {
    struct Header {
        std::string_view prefix;
        std::size_t directory;
    };
    static constexpr Header kHeaders[] = {
        {{"OLYMP\0", 6}, 8},           {{"AOC\0", 4}, 6},
        {{"Panasonic\0\0\0", 12}, 12}, {{"SONY DSC \0\0\0", 12}, 12},
        {{"SONY CAM \0\0\0", 12}, 12}, {{"SIGMA\0\0\0", 8}, 10},
        {{"FOVEON\0\0", 8}, 10},
    };
    for (const Header& header : kHeaders)
        if (note.substr(0, header.prefix.size()) == header.prefix)
            return header.directory;
    // A note with a header of its own starts with its maker's name; one
    // without starts with the directory's entry count, which is small.
    if (note.size() >= 2 && std::isalpha(static_cast<unsigned char>(note[0])) &&
        std::isalpha(static_cast<unsigned char>(note[1])))
        return std::nullopt;
    return 0;
}

// Reads length bytes at an offset from the TIFF header; false past the end.
using ReadAt = std::function<bool(uint64_t at, void* into, std::size_t length)>;

// Reads from bytes held in memory.
ReadAt InBytes(std::string_view tiff) {
    return [tiff](uint64_t at, void* into, std::size_t length) {
        if (at > tiff.size() || length > tiff.size() - at)
            return false;
        std::memcpy(into, tiff.data() + at, length);
        return true;
    };
}

struct FoundEntry {
    uint16_t type = 0;
    uint32_t count = 0;
    uint32_t value = 0;  // the value, or where it sits when it is longer than 4 bytes
};

std::optional<FoundEntry> Find(const ReadAt& read, bool little, uint64_t directory, uint16_t tag) {
    char count[2];
    if (!read(directory, count, 2))
        return std::nullopt;
    const uint16_t entries = EndianBytes({count, 2}, little).Get16(0);
    if (entries > kMostTiffEntries)
        return std::nullopt;
    std::string table(2 + entries * kTiffEntryBytes, '\0');
    if (!read(directory, table.data(), table.size()))
        return std::nullopt;
    const EndianBytes bytes(table, little);
    const std::optional<TiffDirectory> found = ReadTiffDirectory(bytes, 0);
    if (const TiffEntry* entry = found ? found->Find(tag) : nullptr)
        return FoundEntry{entry->type, entry->count, bytes.Get32(entry->at + 8)};
    return std::nullopt;
}

// Where the TIFF's maker note sits and how long it is; its byte order.
struct NotePlace {
    bool little = true;
    uint64_t at = 0;
    uint32_t length = 0;
};

std::optional<NotePlace> FindMakerNote(const ReadAt& read) {
    char start[8];
    if (!read(0, start, 8))
        return std::nullopt;
    const std::optional<TiffHeader> header = ReadTiffHeader({start, 8});
    if (!header)
        return std::nullopt;
    NotePlace place;
    place.little = header->little;
    const std::optional<FoundEntry> exif =
        Find(read, place.little, header->firstDirectory, kExifPointer);
    if (!exif)
        return std::nullopt;
    const std::optional<FoundEntry> note = Find(read, place.little, exif->value, kMakerNote);
    if (!note || TiffTypeBytes(note->type) != 1 || note->count <= 4)
        return std::nullopt;
    place.at = note->value;
    place.length = note->count;
    return place;
}

// Where the values of a note's directory end, counted from the note's
// start, when that is past the note's length and inside the TIFF part of
// the block; 0 otherwise. base is where the directory's offsets count from,
// also from the note's start (negative: before it).
uint64_t ValuesEnd(std::string_view tiff, uint64_t from, uint64_t length, bool little,
                   uint64_t directory, int64_t base) {
    const EndianBytes bytes(tiff, little);
    const std::optional<TiffDirectory> found = ReadTiffDirectory(bytes, from + directory);
    if (!found || found->entries.empty())
        return 0;
    uint64_t end = 0;
    for (const TiffEntry& entry : found->entries) {
        const uint64_t size = entry.DataBytes();
        const int64_t at = base + int64_t{bytes.Get32(entry.at + 8)};
        if (size > 4 && at >= 0 && from + at + size <= tiff.size())
            end = std::max<uint64_t>(end, at + size);
    }
    return end > length ? end : 0;
}

}  // namespace

std::string MakerNoteWithItsValues(const std::string& block) {
    constexpr std::size_t kPrefix = 6;  // "Exif\0\0"
    if (block.size() <= kPrefix)
        return {};
    const std::string_view tiff = std::string_view(block).substr(kPrefix);
    const ReadAt inBlock = InBytes(tiff);
    const std::optional<NotePlace> place = FindMakerNote(inBlock);
    if (!place || place->at + place->length > tiff.size())
        return {};
    const std::string_view note = tiff.substr(place->at, place->length);
    uint64_t end = 0;
    static constexpr std::string_view kNikon("Nikon\0\2", 7);
    constexpr std::size_t kNikonTiff = 10;  // Nikon's own TIFF header
    if (note.substr(0, kNikon.size()) == kNikon && note.size() >= kNikonTiff + 8) {
        const bool little = note[kNikonTiff] == 'I';
        end = ValuesEnd(tiff, place->at, place->length, little,
                        kNikonTiff + EndianBytes(note.substr(kNikonTiff), little).Get32(4),
                        kNikonTiff);
    } else if (const std::optional<std::size_t> start = DirectoryStart(note)) {
        end = ValuesEnd(tiff, place->at, place->length, place->little, *start,
                        -static_cast<int64_t>(place->at));
    }
    // A maker note is one JPEG segment at most; a value far past it is damage.
    constexpr uint64_t kLongestNote = 0xFFFF;
    return std::string(end > 0 && end <= kLongestNote ? tiff.substr(place->at, end) : note);
}

std::string MakerNoteMoved(std::string note, bool littleEndian, uint64_t from, uint64_t to) {
    const std::optional<std::size_t> start = DirectoryStart(note);
    if (!start || from == to)
        return note;
    EditableBytes bytes(note, 0, littleEndian);
    const std::optional<TiffDirectory> directory = ReadTiffDirectory(bytes, *start);
    if (!directory || directory->entries.empty())
        return note;
    // Each value outside its entry must lie inside the note as counted from
    // the TIFF header; else the note counts otherwise, and is left alone.
    std::vector<uint64_t> pointers;
    for (const TiffEntry& entry : directory->entries) {
        const uint64_t length = entry.DataBytes();
        if (length <= 4)
            continue;
        const uint64_t at = bytes.Get32(entry.at + 8);
        if (at < from || at + length > from + note.size())
            return note;
        pointers.push_back(entry.at + 8);
    }
    for (const uint64_t pointer : pointers) {
        const uint64_t moved = bytes.Get32(pointer) - from + to;
        if (moved > UINT32_MAX)
            return note;  // not reached: a TIFF this writes is under 4 GiB
        bytes.Put32(pointer, static_cast<uint32_t>(moved));
    }
    return note;
}

Status MoveTiffMakerNote(int descriptor, const std::string& block) {
    constexpr std::size_t kPrefix = 6;  // "Exif\0\0"
    if (block.size() <= kPrefix)
        return Status::Ok();
    const std::string_view tiff = std::string_view(block).substr(kPrefix);
    const ReadAt inBlock = InBytes(tiff);
    const ReadAt inFile = [descriptor](uint64_t at, void* into, std::size_t length) {
        return pread(descriptor, into, length, static_cast<off_t>(at)) ==
               static_cast<ssize_t>(length);
    };
    const std::optional<NotePlace> source = FindMakerNote(inBlock);
    const std::optional<NotePlace> output = FindMakerNote(inFile);
    if (!source || !output || source->little != output->little || source->length > output->length)
        return Status::Ok();
    std::string note(output->length, '\0');
    errno = 0;
    if (!inFile(output->at, note.data(), note.size()))
        return Status::Failed({}, "EXIF: the maker note could not be read back",
                              errno ? std::strerror(errno) : "the file is shorter");
    const std::string moved = MakerNoteMoved(note, output->little, source->at, output->at);
    if (moved != note &&
        pwrite(descriptor, moved.data(), moved.size(), static_cast<off_t>(output->at)) !=
            static_cast<ssize_t>(moved.size()))
        return Status::Failed({}, "EXIF: the maker note could not be written",
                              std::strerror(errno));
    return Status::Ok();
}
