#pragma once
// Encoding the finished picture into the pending output file, one function
// per output format (the format table's encoders). No metadata is written
// except the resolution.

#include "convert/OutputFile.h"
#include "convert/RgbPicture.h"
#include "options/OptionTables.h"

// Each writes the whole file and says why not on any failure, a short write
// included. The file stays pending.
EncodeResult WriteJpegFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file);  // the record's quality, 1..100
EncodeResult WritePngFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file);
EncodeResult WriteTiffFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file);  // LZW
