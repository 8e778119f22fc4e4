#pragma once
// Translated texts for the places that take UTF-8 bytes (messages, the
// activity log): the markers of a tr() text filled in after translating,
// so that a translation may put them in its own order.

#include <QString>

#include <initializer_list>
#include <string>

// text as UTF-8 with each %1..%9 replaced by the value of that number, byte
// for byte (a path keeps its own bytes, whatever they are); a value's own
// markers are never filled again, a marker without a value stays as it is.
std::string Filled(const QString& text, std::initializer_list<std::string> values = {});
