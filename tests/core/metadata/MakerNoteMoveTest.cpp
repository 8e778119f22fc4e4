// A maker note copied whole into a TIFF lands elsewhere than the camera put
// it: the notes that find their values from the TIFF header must follow,
// the others must not be touched.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "metadata/MakerNoteMove.h"

namespace {

void Put16(std::string& out, uint16_t value) {
    out.push_back(char(value & 0xFF));
    out.push_back(char(value >> 8));
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

uint32_t Get32(const std::string& bytes, std::size_t at) {
    return uint8_t(bytes[at]) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
           uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
}

// A little-endian note: header, a directory of an 8-byte text at pointer
// and a SHORT held in its entry, and the text after the directory.
std::string Note(const std::string& header, uint32_t pointer) {
    std::string note = header;
    Put16(note, 2);
    Put16(note, 0x0006), Put16(note, 2), Put32(note, 8), Put32(note, pointer);
    Put16(note, 0x0001), Put16(note, 3), Put32(note, 1), Put32(note, 7);
    Put32(note, 0);
    return note + std::string("EOS 40D\0", 8);
}

TEST(MakerNoteMoved, FollowsOnlyNotesCountedFromTheTiffHeader) {
    constexpr uint32_t kFrom = 1000, kTo = 5000, kText = 2 + 2 * 12 + 4;
    const std::string olympus("OLYMP\0\1\0", 8);
    struct Row {
        const char* name;
        std::string header;
        uint32_t pointer;  // where the text is said to be
        uint32_t moved;    // where it is said to be after the move
    } const rows[] = {
        {"Canon: no header, from the TIFF header", "", kFrom + kText, kTo + kText},
        {"older Olympus: after its 8-byte header", olympus, kFrom + 8 + kText, kTo + 8 + kText},
        {"from its own start: left alone", "", kText, kText},
        {"a value outside the note: left alone", "", kFrom + 4000, kFrom + 4000},
        {"a maker's header not known: left alone", "FUJIFILM", kFrom + 8 + kText,
         kFrom + 8 + kText},
    };
    for (const Row& row : rows) {
        const std::string note = Note(row.header, row.pointer);
        const std::string moved = MakerNoteMoved(note, true, kFrom, kTo);
        ASSERT_EQ(moved.size(), note.size()) << row.name;
        const std::size_t pointer = row.header.size() + 2 + 8;
        EXPECT_EQ(Get32(moved, pointer), row.moved) << row.name;
        EXPECT_EQ(moved.substr(0, pointer), note.substr(0, pointer)) << row.name;
        EXPECT_EQ(moved.substr(pointer + 4), note.substr(pointer + 4)) << row.name;
    }
}

}  // namespace
