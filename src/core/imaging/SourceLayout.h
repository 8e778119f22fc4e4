#pragma once
// What a source file's decoder must hold whole, read from its headers: the
// part of a photo's memory that depends on the file rather than the sizes.

#include <cstdint>
#include <string>

// What the decoder of a source file holds whole while it reads.
struct SourceLayout {
    enum Kind { Jpeg, Png, Other } kind = Other;
    bool streamed = false;          // rows come and go (baseline JPEG, plain PNG, ...)
    uint64_t wholeBytesPerPixel = 4;  // a picture decoded whole, at the loader's shrink
    uint64_t coefficientBytes = 0;  // a progressive JPEG's DCT coefficients, full size
    bool deepSamples = false;       // 16-bit samples may be kept (a 16-bit PNG; any TIFF)
};

// Reads what the estimate needs from the start of the file (the PNG header,
// the JPEG frame header); an unreadable file is Other.
SourceLayout ReadSourceLayout(const std::string& path);
