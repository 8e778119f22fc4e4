#pragma once
// BMP sources, read by the program's own BMP reader rather than by one of
// libvips' loaders (which hands BMP to a general-purpose library it does not
// trust with untrusted files). For the imaging layer's own files only.

#include <cstdint>
#include <string>

#include <vips/vips8>

#include "model/RgbPicture.h"
#include "platform/Status.h"

// True when the file at fd (read from its start, position kept) begins
// with a BMP file header.
bool StartsLikeBmp(int fd);

// The picture's size as a BMP file's info header gives it, read without the
// pixels; false when the header is cut short or a side is 0.
bool BmpSize(int fd, int32_t& width, int32_t& height);

// The BMP file at fd (path names it in reasons) as an upright 8-bit RGB
// picture, with its resolution when the file gives one. Fails, naming the
// file, with the reader's reason for a file it refuses.
Result<RgbPicture> ReadBmpPicture(const std::string& path, int fd);

// The same picture as a libvips image that owns a copy of its pixels.
// Throws vips::VError with the reason in the caller's collector
// (ImagingMessages).
vips::VImage BmpImage(const std::string& path, int fd);
