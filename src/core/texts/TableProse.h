#pragma once
// Lists in the texts made from the option tables, so that a sentence naming
// formats or choices names exactly the rows the program has. Names and notes
// are in the loaded language (English without one), as the window shows them.

#include <string>
#include <vector>

#include "model/OptionTables.h"

// A table's text ("OptionTables") in the loaded language; "" for none.
// note: the text's disambiguation where it has one (NamedChoice::textNote).
std::string TableWords(const char* text, const char* note = nullptr);

// The list texts of the formats of their own that read a setting
// (FormatSetting bit), in list order; with want false, of those that do not.
std::vector<std::string> FormatNamesWith(unsigned setting, bool want = true);

// The source formats that "Same as the source" keeps, by their names in
// texts: "JPEG, PNG, ... and BMP".
std::string KeptSourceFormats();
// The format it writes every other photo in: "JPG".
std::string SourceFallbackFormat();
// What each format keeps of the camera data, formats alike put together:
// "JPG keeps EXIF, XMP and a JPEG's IPTC; PNG, WebP ... keep EXIF and XMP;
// ...; BMP keeps none."
std::string CameraDataByFormat();

// The entries of a set, each with its note in brackets, "a, b (note) or c";
// last is the word before the last entry, already in the user's language.
std::string ChoicesInProse(const std::vector<NamedChoice>& set, const char* last);
// The command-line names of a set, "0, 90, 180 or 270".
std::string ChoiceNamesInProse(const std::vector<NamedChoice>& set, const char* last);
// The size rules that read an input (SizeInput bit), by their prose names.
std::string SizeRulesInProse(unsigned input, const char* last);
