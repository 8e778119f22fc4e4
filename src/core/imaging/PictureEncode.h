#pragma once
// Encoding the finished picture into the pending output file, one function
// per output format (the format table's encoders), turned and flipped as
// the record says while it is read. Besides the resolution, an output
// carries only the camera data its record's nMetadata keeps.

#include <string>

#include "platform/OutputFile.h"
#include "model/RgbPicture.h"
#include "model/OptionTables.h"

// Each writes the whole file and says why not on any failure, a short write
// included. The file stays pending. Quality is the record's, 1..100.
EncodeResult WriteJpegFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file);  // with the record's quality
EncodeResult WritePngFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file);
EncodeResult WriteTiffFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file);  // LZW
EncodeResult WriteWebpFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file);  // quality, or lossless with bLossless
EncodeResult WriteAvifFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file);  // AV1 at the record's quality
EncodeResult WriteJxlFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file);  // quality, or lossless with bLossless

// The whole file that the format's Write*File writes, into bytes instead,
// for the formats with a quality (JPEG, WebP, AVIF, JPEG XL): what a search
// for a file size tries before one is written.
using MemoryEncoder = EncodeResult (*)(const RgbPicture& picture, const OutputPhotoFormat& format,
                                       std::string& bytes);
// Null for a format without one.
MemoryEncoder MemoryEncoderOf(int32_t formatId);

// True for the formats that store the 16-bit samples a decode keeps
// (RgbPicture::deep): PNG and TIFF.
bool StoresDeepSamples(const OutputPhotoFormat& format);
