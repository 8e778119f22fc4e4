#pragma once
// Gathering photos: the candidates of the file dialog, of a drop and of a
// folder search, and the step that turns candidates into photo items. All
// of it may run on a worker thread; messages go through the prompter.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/ProductInfo.h"
#include "platform/Prompter.h"
#include "model/OutputPhotoFormat.h"
#include "model/PhotoExtensions.h"
#include "model/PhotoItem.h"

struct dirent;

// What the folder search could not look into, as it is met: a path and the
// system's reason. Each photo the user asked for is either found or named
// here.
using SearchReport = std::function<void(const std::string& path, const std::string& reason)>;

// The candidates of paths handed over together (a drop, the files a file
// manager opens with the program), in order: a file as it is, a folder
// searched with its sub-folders (its photos at its place, as FindPhotoFiles
// finds them, what it cannot look into going to report); a path whose
// status cannot be read is left out. Stops before the next path when cancel
// becomes true. searchRoots, when given, gets the search root of each
// candidate in step (the folder it was found in the search of, with
// trailing '/'; empty for a file handed over itself).
std::vector<std::string> CandidatesOfPaths(const std::vector<std::string>& paths, Prompter& prompter,
                                           const std::atomic<bool>& cancel,
                                           const std::function<void(size_t folders, size_t found)>& progress = {},
                                           std::vector<std::string>* searchRoots = nullptr,
                                           const SearchReport& report = {},
                                           const std::string& outputFolder = {});

// One folder search: a breadth-first walk from the root, one folder per
// ScanNextFolder. A folder that cannot be listed (or whose listing breaks
// off), an entry whose path is longer than the system takes, an entry that
// vanished or whose kind cannot be told (a loop of symbolic links) adds
// nothing and is reported; a symbolic link that leads nowhere is taken as a
// file. A folder reached twice (through symbolic links or bind mounts) is
// listed once, so loops end. Within a folder, entries are taken in byte
// order of their names so that the result does not depend on the file
// system's own order. Names are kept as bytes, whatever their encoding.
// Below the root, the output folder (SkipFolder) and every folder that holds
// the run marker (kRunFolderMarker) are not entered, so that a run's outputs
// are never taken for new photos; the root itself is searched as asked.
class PhotoFileFinder {
public:
    // root: a folder path, with or without a trailing '/'. report may be
    // empty.
    explicit PhotoFileFinder(const std::string& root, SearchReport report = {});

    const std::string& RootFolder() const { return root_; }  // with trailing '/'
    bool Done() const { return queue_.empty(); }
    size_t FoldersScanned() const { return scanned_; }
    // The search will not enter folder (any path to it); one that does not
    // exist changes nothing.
    void SkipFolder(const std::string& folder);

    // Lists the folder at the head of the queue: photo files go to the end of
    // results, sub-folders to the end of the queue.
    void ScanNextFolder(std::vector<std::string>& results);

private:
    // Whether the entry is a folder; nothing when it cannot be told (told).
    std::optional<bool> IsFolderEntry(const std::string& folder, const dirent& entry);
    void Report(const std::string& path, int error) const;

    std::string root_;
    SearchReport report_;
    std::deque<std::string> queue_;  // each with a trailing '/'
    std::set<std::pair<uint64_t, uint64_t>> listed_;  // device and inode
    std::set<std::pair<uint64_t, uint64_t>> skipped_;  // device and inode
    size_t scanned_ = 0;
};

// Searches folder and all its sub-folders for photo files, appending their
// paths to results in breadth-first order. A missing root is reported as
// "<root> occurs error!", a root that is not a folder as
// "<root> is not a right directory" (caption kProductName); then false.
// What the search could not look into goes to report (PhotoFileFinder).
// When cancel becomes true the search stops after the folder in hand and
// returns false, results holding what was found so far. progress, when
// given, is called after each folder with the folders listed and the files
// found so far. outputFolder, when given, is not entered (SkipFolder).
bool FindPhotoFiles(const std::string& folder, std::vector<std::string>& results,
                    Prompter& prompter, const std::atomic<bool>* cancel = nullptr,
                    const std::function<void(size_t folders, size_t found)>& progress = {},
                    const SearchReport& report = {}, const std::string& outputFolder = {});

// The common tail of every way in: each candidate becomes a photo item
// through LoadPhotoInfo with a copy of defaults; the ones that load are
// returned in candidate order, the others dropped without a message (named
// to rejected, when given, in their turn). When cancel becomes true it stops
// before the next candidate and returns the photos made so far. progress,
// when given, is called after each candidate with the candidates done and
// their total. searchRoots, when given, holds the PhotoItem::strSearchRoot
// of each candidate in step.
std::vector<PhotoItem> GatherPhotos(const std::vector<std::string>& candidates,
                                    const OutputPhotoFormat& defaults, Prompter& prompter,
                                    const std::atomic<bool>& cancel,
                                    const std::function<void(size_t done, size_t total)>& progress = {},
                                    const std::vector<std::string>* searchRoots = nullptr,
                                    const std::function<void(const std::string& path)>& rejected = {});

// Marks photos as found by the search of folder (PhotoItem::strSearchRoot).
void SetSearchRoot(std::vector<PhotoItem>& photos, const std::string& folder);
