#pragma once
// Putting an EXIF block into a finished file as it is, byte for byte.
//
// libvips' savers parse the block they are given and write it anew, which
// moves maker notes away from the offsets they count on; so the outputs
// that can be opened up (JPEG, PNG, WebP) get the block after the saver has
// written the pixels. For the imaging layer's own files only.

#include <optional>
#include <string>
#include <string_view>

// Each takes a whole file as its saver wrote it and a block in libvips'
// form ("Exif\0\0" and the TIFF header first), and gives the file with
// every EXIF part the saver wrote replaced by the block, placed where
// readers look for it; every other byte of the file is kept. nullopt when
// the bytes are not such a file, or the block does not fit the format's
// limits (the caller then keeps the saver's own file).

// An APP1 segment after the start of image and any JFIF segment; at most
// 65,527 bytes of block.
std::optional<std::string> JpegWithExif(std::string_view jpeg, std::string_view block);
// An eXIf chunk (the block without "Exif\0\0") before the first IDAT.
std::optional<std::string> PngWithExif(std::string_view png, std::string_view block);
// An EXIF chunk after the picture and before any XMP chunk, and the
// extended header's EXIF flag set; only for a file with that header.
std::optional<std::string> WebpWithExif(std::string_view webp, std::string_view block);
