#pragma once
// The program's start: one application object that fixes where the settings
// live, runs the main window and ends when that window closes.

#include <string>
#include <vector>

class MainApp {
public:
    // Names the program for the desktop and the settings, fixes the settings
    // root, then constructs the main window (which reads its settings) and
    // runs it until it closes; the files and folders it was started with are
    // opened once the window shows. Returns the process's exit status.
    int InitInstance(const std::vector<std::string>& paths = {});
};
