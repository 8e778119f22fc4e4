#pragma once
// The desktop entry, made from its template and the program's own list of
// what it reads, so that a file manager offers the program for exactly the
// photos it takes.

#include <string>

// The template with @MIME_TYPES@ replaced by the media types of the photo
// extensions the program reads ("image/bmp;image/jpeg;...;"), each once, in
// the extension table's order. Other text is kept as it is.
std::string FillDesktopEntry(const std::string& entry);
