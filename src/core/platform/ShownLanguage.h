#pragma once
// The language of the program's texts, for what comes in one file a
// language (the help page). Defined with the translations
// (texts/Translations.cpp).

#include <string>

namespace words {

// The language the program's texts are shown in, as its translation file
// names it ("de", "pt_BR"); empty when none was loaded (English). Loads the
// translations when they are not yet.
std::string Language();

}  // namespace words
