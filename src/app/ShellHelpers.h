#pragma once
// Starting other programs, the help page and our web page.

#include <functional>
#include <string>
#include <vector>

class Prompter;

// The help page "Introduction.html": beside the installed data, else in the
// build tree (a build that was not installed). Empty when neither exists.
std::string HelpPagePath();

// Opens the help page in the desktop's browser; nothing is said when the page
// or a browser is missing. True when it was handed to the desktop.
bool ShowHelp();

// Hands an address to the desktop (its browser); true when it was taken.
using UrlOpener = std::function<bool(const std::string& url)>;
bool OpenUrlOnDesktop(const std::string& url);

// The text shown when the browser does not start for url.
std::string BrowserFailureText(const std::string& url);

// Opens our web page; when the desktop refuses, the prompter is told
// BrowserFailureText with the caption "Unknown error".
void OpenProductPage(Prompter& prompter, const UrlOpener& open = OpenUrlOnDesktop);
