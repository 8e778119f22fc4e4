#pragma once
// The program's name and version, shown in About and by Update.

inline constexpr const char* kProductName = "Quillmere";
inline constexpr const char* kProductVersionLine = "Version 1.0";
inline constexpr const char* kNoticeLine = "Copyright \u00a9 2026 Harbenwick. All rights reserved.";
// Where the program's source is kept, as the build was configured
// (QUILLMERE_SOURCE_URL); empty when none was given.
const char* SourceUrl();
// Whether this build was made for a package (make package).
bool BuiltForPackage();

// The file in each run folder the program makes; searches for photos do not
// enter a folder that holds it.
inline constexpr const char* kRunFolderMarker = ".quillmere-run";
