#pragma once
// An XMP packet made to fit a converted photo.

#include <cstdint>
#include <string>

// The packet with its orientation (tiff:Orientation) set to 1 and its pixel
// size (tiff:ImageWidth and ImageLength, exif:PixelXDimension and
// PixelYDimension) set to width x height where it states them. With
// dropLocation only the properties known to carry no place are kept (the
// basic, rights, media-management, TIFF, EXIF but GPS, lens and
// development-settings schemas, Dublin Core but coverage, Photoshop but
// City, State and Country, and a few IPTC ones); any other, such as a
// drone's position or an editor's own location field, goes. Everything else,
// prefixes and the xpacket wrapper included, is kept. Empty for an empty packet or one that is not
// well-formed XML, which no reader could use either.
std::string RewriteXmp(const std::string& packet, bool dropLocation, int32_t width, int32_t height);
