#pragma once
// Helpers shared by the tests of both kinds.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace testsupport {

// The public test data folder beside the project (shared/testdata).
std::string TestDataDir();
// This folder of tests (tests/), for small inputs under tests/data.
std::string TestSourceDir();
// A camera's photo kept with the tests (data/defaults/source.jpg): 64 x 48
// stored, EXIF orientation 6, model "QC-7 Mark II", taken 2009-05-17
// 10:20:30, GPS; XMP with photoshop:City "Paris", exif:GPS..., tiff:Orientation
// 6 and a creator; IPTC in a Photoshop block.
std::string CameraPhoto();

// Empties the settings store the tests run against (a temporary
// XDG_CONFIG_HOME made by the test main).
void ClearSettings();

// A fresh empty temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }  // without trailing '/'
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Folders nested under parent/name until the path of the deepest one is
// longer than the system takes (PATH_MAX), an empty file in that one; made
// and removed through descriptors, since a path that long cannot be used
// whole. A folder no search can list, whoever runs it, root included.
class TooDeepFolders {
public:
    TooDeepFolders(const std::string& parent, const std::string& name, const std::string& file);
    ~TooDeepFolders();
    TooDeepFolders(const TooDeepFolders&) = delete;
    TooDeepFolders& operator=(const TooDeepFolders&) = delete;
    // The deepest folder; its parent's path still works.
    const std::string& FirstTooLong() const { return firstTooLong_; }

private:
    std::string top_;
    std::string firstTooLong_;
};

// A file's bytes; empty when it cannot be read.
std::string ReadAll(const std::string& path);
// A file's lines, without their ends.
std::vector<std::string> FileLines(const std::string& path);
// The names in a folder, sorted, a run folder's marker left out; none when
// it cannot be listed.
std::vector<std::string> FolderEntries(const std::string& folder);
// Every regular file below folder but run markers: its path below it and its
// bytes.
std::map<std::string, std::string> FilesBelow(const std::string& folder);

// A local time in seconds since the epoch, as photo names and the log use it.
int64_t LocalTime(int year, int month, int day, int hour = 12, int minute = 0, int second = 0);
// Sets a file's modification (and access) time; false when it cannot.
bool SetModified(const std::string& path, int64_t seconds);

// Flips one byte in the middle of the last image data chunk of the PNG file,
// so that the damage sits in its last rows; gives that chunk's length.
std::size_t DamageLastPngData(const std::string& path);

// What a program run gave: its exit status (-1 when a signal ended it) and
// what it wrote.
struct ProgramOutcome {
    int exitCode = -1;
    std::string out;
    std::string err;
    // The standard output's last line, without its end.
    std::string LastOutLine() const;
};

// Starts argv[0] (a path) in the background with standard input not a
// terminal (input, or nothing) and its output going to files in folder; env
// entries ("NAME=value") come before the environment's own.
pid_t StartProgram(const std::vector<std::string>& argv, const std::string& folder,
                   const std::string& input = {}, const std::vector<std::string>& env = {});
// Waits for a program StartProgram began in folder; termSignal is the signal
// that ended it, 0 when it exited; peakKiB its largest resident size.
ProgramOutcome FinishProgram(pid_t child, const std::string& folder, int* termSignal = nullptr,
                             long* peakKiB = nullptr);

}  // namespace testsupport
