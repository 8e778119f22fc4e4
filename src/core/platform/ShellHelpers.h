#pragma once
// Starting other programs, the help page and our web page.

#include <functional>
#include <string>

#include "platform/ProductInfo.h"

class Prompter;
class QObject;

// The help page "Introduction.html": beside the installed data, else in the
// build tree (a build that was not installed). Empty when neither exists.
// The page of the language the program's texts are shown in
// ("Introduction.de.html") when there is one, else the English page.
std::string HelpPagePath();

// Hands an address (a web page, or a file:// one for a local file or folder)
// to the desktop's handler without waiting for it; failed is called later,
// on the caller's thread, when no handler could be started for it. context
// ends the wait for an answer (and so the call of failed) when it goes.
using UrlOpener = std::function<void(const std::string& url, QObject* context,
                                     std::function<void()> failed)>;
void OpenUrlOnDesktop(const std::string& url, QObject* context, std::function<void()> failed);

// The file:// address of a local path (native bytes).
std::string FileUrl(const std::string& path);

// The text shown when the browser does not start for url.
std::string BrowserFailureText(const std::string& url);

// Opens the help page in the desktop's browser. When the page is missing or
// no browser starts, the prompter is told (caption "Unknown error").
void ShowHelp(Prompter& prompter, QObject* context, const UrlOpener& open = OpenUrlOnDesktop);

// What Update says: the version installed and where updates come from (the
// system's package manager; for a build made outside a package, its
// source).
std::string UpdateText(bool packaged = BuiltForPackage(), const std::string& sourceUrl = SourceUrl());
