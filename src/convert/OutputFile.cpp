#include "convert/OutputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "app/Paths.h"

namespace {

std::string FolderOf(const std::string& path) {
    const std::string folder = paths::GetFolderOfPath(path);
    return folder.empty() ? std::string(".") : paths::WithoutTrailingSeparator(folder);
}

bool Failed(std::string* reason, int error) {
    if (reason)
        *reason = std::strerror(error);
    return false;
}

// A short name, so that a long final name cannot push it over the limit of
// one name; hidden, so that a file browser does not show it half-written.
std::string CandidateName(const std::string& folder) {
    static std::atomic<unsigned long long> counter{0};
    thread_local std::mt19937_64 random{std::random_device{}()};
    const unsigned long long mix = random() ^ (counter.fetch_add(1) * 0x9E3779B97F4A7C15ULL);
    char name[48];
    std::snprintf(name, sizeof name, "/.quillmere-%d-%016llx.part", static_cast<int>(getpid()),
                  mix);
    return folder + name;
}

}  // namespace

PendingOutput::~PendingOutput() {
    Discard();
}

bool PendingOutput::Create(const std::string& finalPath, std::string* reason) {
    Discard();
    finalPath_ = finalPath;
    const std::string folder = FolderOf(finalPath);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = CandidateName(folder);
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            tempPath_ = std::move(candidate);
            closeFailed_ = false;
            return true;
        }
        if (errno != EEXIST)
            return Failed(reason, errno);
    }
    return Failed(reason, EEXIST);
}

void PendingOutput::CloseDescriptor() {
    if (fd_ < 0)
        return;
    if (close(fd_) != 0) {
        closeFailed_ = true;
        closeError_ = errno;
    }
    fd_ = -1;
}

bool PendingOutput::Commit(std::string* reason) {
    if (tempPath_.empty())
        return Failed(reason, EBADF);
    CloseDescriptor();
    const int error = closeFailed_ ? closeError_
                      : rename(tempPath_.c_str(), finalPath_.c_str()) != 0 ? errno
                                                                            : 0;
    if (error != 0) {
        Discard();
        return Failed(reason, error);
    }
    tempPath_.clear();
    return true;
}

void PendingOutput::Discard() {
    CloseDescriptor();
    if (!tempPath_.empty()) {
        unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}
