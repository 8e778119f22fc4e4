#pragma once
// The default work folder for converted photos and the path helper that goes
// with it. Paths are native bytes.

#include <string>

class Prompter;

// The name of the work folder inside the user's pictures folder.
inline constexpr const char* kWorkFolderName = "Quillmere/";

// Makes sure the work folder (the pictures folder + "Quillmere/") exists,
// creating missing parents too, and returns the stored string of section and
// key with that folder as its default. When the folder cannot be created, the
// prompter is told "Can not create the directory" (caption: the folder) and
// the pictures folder itself becomes the default. When the platform names no
// pictures folder, it is told "Can not get My Documents directory!" and
// fallback is the default. The stored value always wins over the default.
std::string GetOutputFolderSetting(const std::string& section, const std::string& key,
                                   const std::string& fallback, Prompter& prompter);

// The fallback the window passes: the user's home folder, with a trailing
// separator.
std::string HomeFolder();
