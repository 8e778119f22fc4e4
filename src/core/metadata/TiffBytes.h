#pragma once
// The TIFF structure EXIF blocks and TIFF files are made of, read and
// patched where it sits. The bytes come from files of unknown origin, so
// every read and write is checked against the end: a read past it gives 0
// and a write past it does nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The byte orders, for the little-endian flags below.
inline constexpr bool kLittleEndian = true;
inline constexpr bool kBigEndian = false;

// Bytes read as 16- and 32-bit numbers in one byte order.
class EndianBytes {
public:
    EndianBytes(std::string_view bytes, bool little) : bytes(bytes), little(little) {}
    bool Little() const { return little; }
    // Whether length bytes from offset lie inside; false on overflow too.
    bool Holds(uint64_t offset, uint64_t length) const {
        return offset + length <= bytes.size() && offset + length >= offset;
    }
    uint16_t Get16(uint64_t offset) const;
    uint32_t Get32(uint64_t offset) const;

private:
    std::string_view bytes;
    bool little;
};

// The same, over bytes that are changed in place and never moved.
class EditableBytes : public EndianBytes {
public:
    // The bytes of text from base on.
    EditableBytes(std::string& text, std::size_t base, bool little);
    void Put16(uint64_t offset, uint16_t value);
    void Put32(uint64_t offset, uint32_t value);
    void Zero(uint64_t offset, uint64_t length);

private:
    char* data;
};

// Appends value's four bytes in the byte order given.
void Append32(std::string& out, uint32_t value, bool little);

// How many bytes one value of a TIFF type takes; 0 for a type not known.
std::size_t TiffTypeBytes(uint16_t type);

inline constexpr std::size_t kTiffEntryBytes = 12;
// More entries than any real directory holds: a count past it is damage.
inline constexpr uint16_t kMostTiffEntries = 1000;

// "II*\0" (little-endian) or "MM\0*", then where the first directory is.
struct TiffHeader {
    bool little = true;
    uint32_t firstDirectory = 0;
};
std::optional<TiffHeader> ReadTiffHeader(std::string_view bytes);

struct TiffEntry {
    uint64_t at;  // of the entry itself
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    uint64_t DataBytes() const { return uint64_t{count} * TiffTypeBytes(type); }
    // Where the value sits (in the entry when it fits there), as the bytes
    // say now.
    uint64_t DataAt(const EndianBytes& tiff) const {
        return DataBytes() <= 4 ? at + 8 : tiff.Get32(at + 8);
    }
};

struct TiffDirectory {
    uint64_t at = 0;
    std::vector<TiffEntry> entries;
    // Where the link to the next directory sits.
    uint64_t NextAt() const { return at + 2 + entries.size() * kTiffEntryBytes; }
    const TiffEntry* Find(uint16_t tag) const;
};

// The directory at offset at, when its count is one a directory can have
// and its entry table (without the next link) lies inside the bytes.
std::optional<TiffDirectory> ReadTiffDirectory(const EndianBytes& tiff, uint64_t at);
