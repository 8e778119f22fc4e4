#pragma once
// The help page, made from its template and the program's own tables, so
// that every format, size rule, photo extension and command-line option it
// lists is one the program has.

#include <string>

// The template with each marker replaced: @OUTPUT_FORMAT_LIST@ ("BMP, JPG,
// PNG or TIF"), @OUTPUT_FORMAT_ROWS@, @SIZE_RULE_ROWS@, @METADATA_ROWS@ and
// @NAMING_DATE_ROWS@ (table rows), @PHOTO_EXTENSIONS@ (what the folder
// search, the file dialog and the drop take) and @COMMAND_LINE_USAGE@
// (usageText, escaped), and the lists and numbers inside sentences, of the
// template and of the rows' notes (texts/TableProse.h, model/NumberSettings.h:
// @QUALITY_FORMATS@, @FLIP_CHOICES@, @QUALITY_RANGE@ ...). Other text is kept
// as it is.
std::string FillHelpPage(const std::string& page, const std::string& usageText);
