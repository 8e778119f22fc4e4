#pragma once
// The desktop entry, made from its template and the program's own list of
// what it reads, so that a file manager offers the program for exactly the
// photos it takes.

#include <string>

// The template with @MIME_TYPES@ replaced by the media types of the photo
// extensions the program reads ("image/bmp;image/jpeg;...;"), each once, in
// the extension table's order, and the menu texts translated
// (TranslateMenuTexts). Other text is kept as it is.
std::string FillDesktopEntry(const std::string& entry);

// The template with a "Key[lang]=" line added after each Name=, GenericName=,
// Comment= and Keywords= line whose text is one of the menu texts marked for the
// translators (context "DesktopEntry"), for each language the build made,
// and @MENU_TRANSLATIONS@ replaced by the same translations as a JSON object
// {"de": {"Convert with Quillmere…": "Mit Quillmere konvertieren…"}, ...}
// for the file managers' Python actions. Without built translations the
// template stays English.
std::string TranslateMenuTexts(const std::string& text);
