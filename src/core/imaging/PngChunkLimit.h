#pragma once
// The limit on a PNG's metadata, checked before any decoder sees the file:
// libpng allocates what a chunk claims before it reads it, so a file of a
// few bytes could cost a gigabyte and seconds before it is refused.

#include <cstdint>
#include <string>

#include "platform/Status.h"

// Metadata chunks (text, profiles, anything a decoder may keep) beyond this
// are refused. Photos carry far less; libpng's own ceiling is as large.
inline constexpr uint32_t kMaxPngMetadataChunk = 8u << 20;

// Fails when the file at descriptor fd is a PNG with a metadata chunk
// larger than the limit among the chunks before its image data (all of its
// chunks when wholeFile), saying which (the caller names the file). A file
// that is not a PNG, or ends early, is left to the decoder.
Status PngMetadataWithinLimit(int fd, bool wholeFile);
