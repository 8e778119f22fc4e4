#pragma once
// What the program learns of a picture without decoding its pixels.

#include <cstdint>
#include <string>

// Reads the header of the regular file at path (a FIFO, device or folder is
// refused without being opened for reading) and gives the size of the
// upright picture, after its EXIF orientation. False, with no message, when
// it is not a picture libvips can open or a side is 0. Thread-safe.
bool ProbePictureSize(const std::string& path, int32_t& width, int32_t& height);
