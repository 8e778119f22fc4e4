#pragma once
// Encoding the finished picture into an open file. No metadata is written
// except the resolution.

#include "convert/RgbPicture.h"

// Each writes the whole file to the descriptor (which stays open) and
// returns false on any failure, a short write included.
bool EncodeJpeg(const RgbPicture& picture, int fd, int quality);  // quality 1..100
bool EncodePng(const RgbPicture& picture, int fd);
bool EncodeTiff(const RgbPicture& picture, int fd);  // LZW
