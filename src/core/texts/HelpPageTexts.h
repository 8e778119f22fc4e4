#pragma once

#include <span>

// Every text of the help page, as written in its English source, for the
// "HelpPage" translations (the page of each language is made from them).
std::span<const char* const> HelpPageTexts();
