#pragma once
// Which files are photos, by the extension of their names.

#include <string>

// The extensions of the photos the program looks for, lower case with their
// dot, in the order they are tried: the one list that the folder search, the
// file dialog's filter and the help page take.
inline constexpr int kPhotoExtensionCount = 39;
const char* const* PhotoExtensions();

// True when the extension of the path's file name (from its last dot on),
// lower-cased in ASCII only, is one of the table's: IMG.JPG, scan.Tiff and
// trip.day1.HEIC are photos; IMG.jpg.bak, x.raw and a name without a dot
// are not.
bool IsPhotoExtension(const std::string& path);
