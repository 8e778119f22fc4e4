#pragma once
// An XMP packet made to fit a converted photo.

#include <cstdint>
#include <string>

// The packet with its orientation (tiff:Orientation) set to 1 and its pixel
// size (tiff:ImageWidth and ImageLength, exif:PixelXDimension and
// PixelYDimension) set to width x height where it states them; without the
// location (the exif:GPS... properties, photoshop:City, State and Country,
// the IPTC Core location and country code, the IPTC Extension's locations)
// when dropLocation. Everything else, prefixes and the xpacket wrapper
// included, is kept. Empty for an empty packet or one that is not
// well-formed XML, which no reader could use either.
std::string RewriteXmp(const std::string& packet, bool dropLocation, int32_t width, int32_t height);
