#pragma once
// Maker notes that move with the EXIF block into a TIFF output.
//
// A TIFF file holds the EXIF directory as part of itself, so the maker
// note, copied whole, lands elsewhere than the camera put it. Nikon's,
// Fujifilm's, Apple's and the newer Olympus notes find their values by
// offsets from their own start and read right anywhere. Canon's, the older
// Olympus', Pentax's, Panasonic's, Sony's and Minolta's count from the TIFF
// header: exiv2 (0.27) reads such a note that moved at its new place and
// follows the old offsets, so most of its values come out as other bytes
// or are dropped as out of bounds. Those offsets are moved here, byte
// order and sizes unchanged. Directories inside the note (Olympus' sub-IFDs)
// are not followed; their values stay unread, as before. For the metadata
// layer's own files and its tests.

#include <cstdint>
#include <string>

#include "platform/Status.h"

// The note's bytes, which sat from bytes after the TIFF header of a block
// in the byte order given, for a place to bytes after the header of a TIFF
// in the same order: when the note is a directory (after a known header,
// or with none) every one of whose values outside the entries lies inside
// the note when counted from the TIFF header, those offsets are moved by
// to - from. Any other note comes back unchanged.
std::string MakerNoteMoved(std::string note, bool littleEndian, uint64_t from, uint64_t to);

// The block's maker note (in libvips' form) with, where a value of its
// directory lies past the length the EXIF entry gives it (some Nikon
// Coolpix notes do so), the block's bytes up to that value's end, so that
// the value goes with the note into a TIFF output. Notes laid out as
// MakerNoteMoved knows them and Nikon's with a TIFF header of their own
// are followed; empty for a block without a maker note.
std::string MakerNoteWithItsValues(const std::string& block);

// For the TIFF file open (readable and writable) as descriptor, whose EXIF
// directory holds the maker note of block (in libvips' form) byte for
// byte, or as MakerNoteWithItsValues gives it: moves the note's offsets where it sits in the file, as
// MakerNoteMoved does. Nothing to do, also when the file and the block
// differ in byte order (the note is then left as the camera wrote it), is
// success; fails with the system's reason when the file cannot be read or
// written.
Status MoveTiffMakerNote(int descriptor, const std::string& block);
