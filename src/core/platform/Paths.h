#pragma once
// Paths as the program keeps them: native bytes, '/' between folders. The
// file system's bytes are never re-encoded except at the Qt boundary here.

#include <QString>

#include <string>

namespace paths {

// The path with a '/' appended when its last character is not one. An empty
// path stays empty, so that it never turns into the file system's root.
std::string EnsureTrailingSeparator(std::string path);

// folder and name with exactly the '/' between them that folder lacks; an
// empty folder gives the name alone.
std::string Join(const std::string& folder, const std::string& name);

// The path up to and including its last '/'; empty when it has none.
std::string GetFolderOfPath(const std::string& path);

// Everything after the path's last '/' (the whole path when it has none).
std::string NameOfPath(const std::string& path);

// The folder path without trailing '/' (the root stays "/"), as system calls
// that tell a file from a folder want it.
std::string WithoutTrailingSeparator(std::string path);

// The text with A to Z made a to z, whatever the locale, for extensions and
// names compared without case; other bytes stay as they are.
std::string AsciiLower(std::string text);

// Native bytes to and from Qt's text, as Qt encodes file names (UTF-8).
// Bytes that are not UTF-8 become U+FFFD on the way in: such names are
// shown, but kept as bytes wherever the program can.
QString ToQString(const std::string& native);
std::string FromQString(const QString& text);

}  // namespace paths
