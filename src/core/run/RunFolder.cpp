#include "run/RunFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "platform/Paths.h"
#include "platform/ProductInfo.h"
#include "platform/Words.h"
#include "run/RunNaming.h"

namespace {

// Names tried before giving up: far more runs than can start in one second.
constexpr int kMostRunsInOneSecond = 10000;

// The marker is a convenience for later searches: a run whose marker cannot
// be written still runs, its outputs then failing for the same reason.
void WriteMarker(const std::string& folder) {
    const std::string path = folder + kRunFolderMarker;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return;
    static constexpr char kText[] =
        "This folder holds the outputs of one conversion run; searches for photos skip it.\n";
    [[maybe_unused]] const ssize_t written = ::write(fd, kText, sizeof kText - 1);
    ::close(fd);
}

}  // namespace

void MarkOutputFolder(const std::string& folder) {
    WriteMarker(paths::EnsureTrailingSeparator(folder));
}

void UnmarkIfAlone(const std::string& folder) {
    const std::string path = paths::EnsureTrailingSeparator(folder);
    DIR* dir = ::opendir(path.c_str());
    if (!dir)
        return;
    bool alone = true;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && name != kRunFolderMarker)
            alone = false;
    }
    ::closedir(dir);
    if (alone)
        ::unlink((path + kRunFolderMarker).c_str());
}

Result<std::string> CreateNewRunFolder(const std::string& outputFolder, std::time_t when,
                                       Prompter& prompter) {
    const std::string stamped = MakeRunFolderPath(outputFolder, when);
    if (Status parent = CreateRunFolder(paths::EnsureTrailingSeparator(outputFolder), prompter);
        !parent)
        return parent;  // told
    const std::string base = paths::WithoutTrailingSeparator(stamped);
    int error = 0;
    for (int n = 1; n <= kMostRunsInOneSecond; ++n) {
        const std::string path = n == 1 ? base : base + "-" + std::to_string(n);
        // mkdir fails on any existing name, so two runs never share a folder.
        if (::mkdir(path.c_str(), 0777) == 0) {
            const std::string folder = path + "/";
            WriteMarker(folder);
            return folder;
        }
        error = errno;
        if (error != EEXIST)
            break;
    }
    prompter.Tell(
        shown::translate("Reasons", "Can not create the directory") + "\n" + std::strerror(error),
        stamped);
    return Status::Failed(stamped, words::translate("Reasons", "Can not create the directory"),
                          std::strerror(error));
}
