#pragma once
// Text filled in from the option tables: the help page, the desktop entry,
// the command line's usage and messages.

#include <string>
#include <vector>

// "a, b, c <last> d": "a" for one item, empty for none.
std::string Listed(const std::vector<std::string>& items, const char* last);

// Every occurrence of marker in text replaced by value (never value's own
// text again).
void ReplaceAll(std::string& text, const std::string& marker, const std::string& value);
