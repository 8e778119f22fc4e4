#pragma once
// Names of a batch run: its folder and the output path of each photo.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

#include "model/OptionTables.h"
#include "model/OutputNaming.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/Status.h"

// The printf format of a photo number for a list of count photos: "%0Nd"
// with N the number of decimal digits of count (9 -> "%01d", 10 -> "%02d").
std::string MakeNumberFormat(std::size_t count);

// The file name of path without its folder and without its last extension
// (the last dot of the name and what follows): "/in/holiday.photo.png" ->
// "holiday.photo".
std::string ExtractFileTitle(const std::string& path);

// The run folder for a run started at when (local time): outputFolder, a '/'
// when it lacks one, "%Y.%m.%d.%H.%M.%S" and a trailing '/'.
std::string MakeRunFolderPath(const std::string& outputFolder, std::time_t when);

// Makes the run folder and any missing folder above it (an existing folder
// is used unchanged). On failure tells "Can not create the directory" and the
// system's reason on a second line, with the folder as caption, and returns
// that failure.
Status CreateRunFolder(const std::string& runFolder, Prompter& prompter);

// The time whose date a photo's name carries: with the taken date, the time
// the photo was taken when it has one (0 is none); otherwise, and for any
// other choice, the file's modification time.
int64_t NamingTime(int32_t date, int64_t timeModified, int64_t timeTaken);

// The path of sourcePath's folder below searchRoot ("Day2/", "Day2/am/"),
// or "" when searchRoot is empty, is not the start of sourcePath, or what
// lies between holds an empty, "." or ".." part: such a photo goes to the
// run folder itself.
std::string KeptSubFolder(const std::string& sourcePath, const std::string& searchRoot);

// Makes the folders of subFolder (from KeptSubFolder) inside the existing
// runFolder, one level at a time without following symbolic links, so that
// nothing is made or written outside the run folder. Fails, naming the
// level, with the system's reason when a level cannot be made or is not a
// real folder.
Status CreateSubFolders(const std::string& runFolder, const std::string& subFolder);

// The output path of the photo at index (0-based) of a list of count photos:
// the run folder, with keepFolders the photo's KeptSubFolder below
// searchRoot, then with notRename the source title + "." + extension;
// otherwise prefix + "." + number (numberStart + index, zero-padded to
// numberWidth, or to the digits of the last number) + "." + the local date
// "YYYY.MM.DD" of time (see NamingTime) + "." + extension. extension is used
// as given (empty for an unknown format). A name template or a folder next
// to the source, when the naming has them, take the place of these
// (run/OutputPlacement.h).
std::string MakeOutputPath(const OutputNaming& naming, std::size_t index, std::size_t count,
                           const std::string& sourcePath, int64_t time,
                           const std::string& extension, const std::string& searchRoot = {});
