#pragma once
// JPEG XL output that carries camera data, which libvips' JPEG XL saver
// (8.14) cannot write. For the imaging layer's own files only.

#include <string>
#include <string_view>

// The metadata boxes of a JPEG XL file; an empty part gets no box.
struct JxlMetadata {
    std::string exif;  // an EXIF block in libvips' form, "Exif\0\0" first
    std::string xmp;   // an XMP packet
};

// The bare codestream (as libvips' saver writes it) in a container file
// that holds the metadata's "Exif" and "xml " boxes ahead of the
// codestream's box. The codestream is copied unchanged, so the pixels are
// those of the bare file.
std::string JxlContainer(std::string_view codestream, const JxlMetadata& metadata);
