#include "gather/PhotoGathering.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

#include <dirent.h>
#include <limits.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "gather/PhotoInfo.h"
#include "imaging/ImageProbe.h"
#include "platform/Paths.h"
#include "platform/Words.h"

namespace {

// Multibyte characters are left as they are.
struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

struct FolderEntries {
    std::vector<std::string> folders;
    std::vector<std::string> files;
};

// Probes pictures on worker threads ahead of the caller, who takes them in
// order. Probing is the costly part of adding a photo and gives no messages,
// so it can run in parallel while everything that may ask the user stays on
// the caller's thread, in order.
class PictureProber {
public:
    PictureProber(const std::vector<std::string>& paths, unsigned threads)
        : paths_(paths), facts_(paths.size()) {
        for (unsigned i = 0; i < threads; ++i) workers_.emplace_back([this] { Work(); });
    }
    ~PictureProber() {
        stop_ = true;
        for (std::thread& worker : workers_) worker.join();
    }
    PictureProber(const PictureProber&) = delete;
    PictureProber& operator=(const PictureProber&) = delete;

    // Waits until paths[index] is probed; 0 x 0 for no picture.
    PictureFacts Take(size_t index) {
        std::unique_lock lock(mutex_);
        measured_.wait(lock, [&] { return facts_[index].done; });
        return std::move(facts_[index].facts);
    }

private:
    struct Probed {
        PictureFacts facts;
        bool done = false;
    };

    void Work() {
        while (!stop_) {
            const size_t index = next_.fetch_add(1);
            if (index >= paths_.size())
                return;
            // A file that is not a picture is 0 x 0: dropped as the photos are made.
            Result<PictureFacts> probed = ProbePicture(paths_[index]);
            PictureFacts facts = probed ? std::move(probed).Value() : PictureFacts{};
            {
                std::lock_guard lock(mutex_);
                facts_[index] = {std::move(facts), true};
            }
            measured_.notify_all();
        }
    }

    const std::vector<std::string>& paths_;
    std::vector<Probed> facts_;  // guarded by mutex_
    std::mutex mutex_;
    std::condition_variable measured_;
    std::atomic<size_t> next_{0};
    std::atomic<bool> stop_{false};
    std::vector<std::thread> workers_;
};

unsigned ProbeThreads(size_t candidates) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::min<size_t>({cores, 8, candidates}));
}

}  // namespace

PhotoFileFinder::PhotoFileFinder(const std::string& root, SearchReport report)
    : root_(paths::EnsureTrailingSeparator(root)), report_(std::move(report)) {
    queue_.push_back(root_);
}

void PhotoFileFinder::SkipFolder(const std::string& folder) {
    struct stat status {};
    if (!folder.empty() && ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
        skipped_.insert({static_cast<uint64_t>(status.st_dev), static_cast<uint64_t>(status.st_ino)});
}

void PhotoFileFinder::Report(const std::string& path, int error) const {
    if (report_)
        report_(path, std::strerror(error));
}

// A symbolic link is followed to its target; one that leads nowhere is a
// file. An entry that vanished, or whose target cannot be looked at, is
// neither.
std::optional<bool> PhotoFileFinder::IsFolderEntry(const std::string& folder, const dirent& entry) {
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    const std::string path = folder + entry.d_name;
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        return S_ISDIR(status.st_mode);
    const int error = errno;
    if (error == ENOENT && ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode))
        return false;
    Report(path, error);
    return std::nullopt;
}

void PhotoFileFinder::ScanNextFolder(std::vector<std::string>& results) {
    if (queue_.empty())
        return;
    const std::string folder = queue_.front();
    queue_.pop_front();

    std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    if (!dir) {
        Report(folder, errno);
        return;
    }
    struct stat self {};
    if (::fstat(::dirfd(dir.get()), &self) != 0) {
        Report(folder, errno);
        return;
    }
    const std::pair<uint64_t, uint64_t> id{static_cast<uint64_t>(self.st_dev),
                                           static_cast<uint64_t>(self.st_ino)};
    if (folder != root_) {
        struct stat marker {};
        if (skipped_.count(id) ||
            ::fstatat(::dirfd(dir.get()), kRunFolderMarker, &marker, AT_SYMLINK_NOFOLLOW) == 0)
            return;  // outputs, not photos
    }
    if (!listed_.insert(id).second)
        return;  // reached before by another way
    ++scanned_;

    FolderEntries entries;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry) {
            if (errno != 0)
                Report(folder, errno);  // the listing broke off
            break;
        }
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        // Every later use of the path would fail.
        if (folder.size() + name.size() >= PATH_MAX) {
            Report(folder + name, ENAMETOOLONG);
            continue;
        }
        const std::optional<bool> isFolder = IsFolderEntry(folder, *entry);
        if (isFolder.value_or(false))
            entries.folders.push_back(name);
        else if (isFolder && IsPhotoExtension(name))
            entries.files.push_back(name);
    }
    std::sort(entries.files.begin(), entries.files.end());
    std::sort(entries.folders.begin(), entries.folders.end());
    for (const std::string& name : entries.files) results.push_back(folder + name);
    for (const std::string& name : entries.folders) queue_.push_back(folder + name + '/');
}

bool FindPhotoFiles(const std::string& folder, std::vector<std::string>& results,
                    Prompter& prompter, const std::atomic<bool>* cancel,
                    const std::function<void(size_t folders, size_t found)>& progress,
                    const SearchReport& report, const std::string& outputFolder) {
    const std::string root = paths::EnsureTrailingSeparator(folder);
    // Looked at without the trailing '/', so that a file is told apart from
    // a path that does not exist.
    struct stat status {};
    if (root.empty() || ::stat(paths::WithoutTrailingSeparator(root).c_str(), &status) != 0) {
        prompter.Tell(
            words::Filled(shown::translate("Messages", "%1 occurs error!"), {PathForMessage(root)}),
            kProductName, PromptIcon::Error);
        return false;
    }
    if (!S_ISDIR(status.st_mode)) {
        prompter.Tell(words::Filled(shown::translate("Messages", "%1 is not a right directory"),
                                    {PathForMessage(root)}),
                      kProductName, PromptIcon::Error);
        return false;
    }
    PhotoFileFinder finder(root, report);
    finder.SkipFolder(outputFolder);
    while (!finder.Done()) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return false;
        finder.ScanNextFolder(results);
        if (progress)
            progress(finder.FoldersScanned(), results.size());
    }
    return true;
}

std::vector<PhotoItem> GatherPhotos(const std::vector<std::string>& candidates,
                                    const OutputPhotoFormat& defaults, Prompter& prompter,
                                    const std::atomic<bool>& cancel,
                                    const std::function<void(size_t done, size_t total)>& progress,
                                    const std::vector<std::string>* searchRoots,
                                    const std::function<void(const std::string& path)>& rejected) {
    std::vector<PhotoItem> photos;
    const size_t total = candidates.size();
    if (total == 0 || cancel.load(std::memory_order_relaxed))
        return photos;
    PictureProber prober(candidates, ProbeThreads(total));
    for (size_t i = 0; i < total; ++i) {
        if (cancel.load(std::memory_order_relaxed))
            break;
        const PictureFacts facts = prober.Take(i);
        PhotoItem item;
        if (LoadPhotoInfoWithFacts(candidates[i], facts, item, defaults, prompter)) {
            if (searchRoots && i < searchRoots->size())
                item.strSearchRoot = (*searchRoots)[i];
            photos.push_back(std::move(item));
        } else if (rejected) {
            rejected(candidates[i]);
        }
        if (progress)
            progress(i + 1, total);
    }
    return photos;
}

std::vector<std::string> CandidatesOfPaths(
    const std::vector<std::string>& paths, Prompter& prompter, const std::atomic<bool>& cancel,
    const std::function<void(size_t folders, size_t found)>& progress,
    std::vector<std::string>* searchRoots, const SearchReport& report,
    const std::string& outputFolder) {
    std::vector<std::string> candidates;
    for (const std::string& path : paths) {
        if (cancel.load(std::memory_order_relaxed))
            break;
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0)
            continue;
        if (S_ISDIR(status.st_mode))
            FindPhotoFiles(path, candidates, prompter, &cancel, progress, report, outputFolder);
        else
            candidates.push_back(path);
        if (searchRoots)
            searchRoots->resize(candidates.size(), S_ISDIR(status.st_mode)
                                                       ? paths::EnsureTrailingSeparator(path)
                                                       : std::string());
    }
    return candidates;
}

void SetSearchRoot(std::vector<PhotoItem>& photos, const std::string& folder) {
    const std::string root = paths::EnsureTrailingSeparator(folder);
    for (PhotoItem& photo : photos) photo.strSearchRoot = root;
}
