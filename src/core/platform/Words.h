#pragma once
// A fixed text of the program in English and as the user reads it. Every
// folder of the core may word a message with it: the English form stays
// what logs, reports and stored files keep (byte for byte as before), the
// shown form is what the window and the terminal print.
//
// The translators' tools find the texts by the name of the call: write
//   words::translate("Reasons", "the value %1 is not a colour").Arg(text)
// with the context and the English text as literals. %1..%9 are filled from
// Arg() in one pass, %n (with n >= 0) from n. Defined with the translations
// (texts/Translations.cpp); English until they are loaded.

#include <initializer_list>
#include <string>

struct Words {
    std::string english;
    std::string shown;

    // A name or a figure that reads the same in every language.
    static Words Same(const std::string& text) { return {text, text}; }

    // %1, %2... of both forms replaced by the values in order, in one pass
    // (a value's own "%1" stays as it is).
    Words& Arg(std::initializer_list<std::string> values);
    Words& Arg(const std::string& value) { return Arg({value}); }
    // The same with values worded in both forms (a figure in English and in
    // the user's locale, platform/ShownFigures.h): each form takes its own.
    Words& Arg(std::initializer_list<Words> values);
};

namespace words {

Words translate(const char* context, const char* source, const char* disambiguation = nullptr,
                int n = -1);

// text with %1..%9 replaced by values in order, in one pass.
std::string Filled(const std::string& text, std::initializer_list<std::string> values);

// The shown form of an English text kept in a record (a table's text, a
// result's message), looked up in context; the text itself when it has no
// translation.
std::string Shown(const char* context, const std::string& english);

}  // namespace words

// Only the shown form, for a text that never reaches a log or a report
// (the terminal's messages, --help): shown::translate("CommandLine", "...").
namespace shown {

std::string translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1);

}  // namespace shown
