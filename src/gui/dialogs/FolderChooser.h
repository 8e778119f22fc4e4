#pragma once
// The folder chooser of Browse and Search photos.

#include <string>

class QWidget;

// Shows a folder dialog titled "Choose a folder" over owner (may be null),
// opening at startFolder when it is given. Returns 0 when a folder was chosen
// and stores its path (native bytes, without trailing separator) in folder;
// returns 1 and leaves folder unchanged when the user cancelled.
int BrowseForFolder(QWidget* owner, std::string& folder, const std::string& startFolder = {});
