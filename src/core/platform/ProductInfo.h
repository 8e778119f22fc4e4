#pragma once
// The program's name, version and our addresses, shown in About and used by
// the Update button.

inline constexpr const char* kProductName = "Quillmere";
inline constexpr const char* kProductVersionLine = "Version 1.0";
inline constexpr const char* kNoticeLine = "Copyright \u00a9 2026 Harbenwick. All rights reserved.";
inline constexpr const char* kProductPageUrl = "https://quillmere.example/";
inline constexpr const char* kContactPageUrl = "https://quillmere.example/contact/";

// The file in each run folder the program makes; searches for photos do not
// enter a folder that holds it.
inline constexpr const char* kRunFolderMarker = ".quillmere-run";
