#include "platform/OutputFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <random>
#include <set>

#include "platform/Paths.h"

namespace {

std::string FolderOf(const std::string& path) {
    const std::string folder = paths::GetFolderOfPath(path);
    return folder.empty() ? std::string(".") : paths::WithoutTrailingSeparator(folder);
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

// Tries make(candidate) under fresh candidate names until one is free.
template <typename Make>
bool UnderFreeName(const std::string& folder, std::string& chosen, Make make) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = CandidateName(folder);
        if (make(candidate)) {
            chosen = std::move(candidate);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    errno = EEXIST;
    return false;
}

// Errors with which a folder refuses an unnamed file although it takes
// named ones: the file system lacks them (EOPNOTSUPP), or the kernel does
// (EISDIR, EINVAL). Without /proc an unnamed file could be neither reached
// by name nor named by an ordinary user: the named file serves then too.
bool UnnamedUnsupported(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// Once per folder and process: the first file written there clears what
// dead writers left.
void ClearStalePartsOnce(const std::string& folder) {
    static std::mutex mutex;
    static std::set<std::string> cleared;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (!cleared.insert(folder).second)
            return;
    }
    RemoveStaleParts(folder);
}

}  // namespace

void RemoveStaleParts(const std::string& folder) {
    const std::unique_ptr<DIR, decltype(&closedir)> dir(opendir(folder.c_str()), &closedir);
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir.get())) {
        int pid = 0;
        unsigned long long mix = 0;
        int end = 0;
        // Exactly the names CandidateName gives, nothing a user named.
        if (std::sscanf(entry->d_name, ".quillmere-%d-%16llx.part%n", &pid, &mix, &end) != 2 ||
            entry->d_name[end] != '\0' || pid <= 0)
            continue;
        // A process of that number that still runs, ours or another's, may
        // be writing it; signal 0 only asks whether it exists.
        if (kill(pid, 0) == 0 || errno != ESRCH)
            continue;
        struct stat info {};
        if (fstatat(dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode))
            unlinkat(dirfd(dir.get()), entry->d_name, 0);
    }
}

PendingOutput::~PendingOutput() {
    Discard();
}

Status PendingOutput::Failed(int error) const {
    return Status::Failed(finalPath_, std::strerror(error));
}

Status PendingOutput::Create(const std::string& finalPath) {
    Discard();
    finalPath_ = finalPath;
    const std::string folder = FolderOf(finalPath);
    ClearStalePartsOnce(folder);
    if (preferred_ == Kind::Unnamed) {
        const int fd = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
        if (fd < 0 && !UnnamedUnsupported(errno))
            return Failed(errno);
        if (fd >= 0) {
            // The file is reached, and later named, through /proc.
            std::string name = "/proc/self/fd/" + std::to_string(fd);
            if (access(name.c_str(), W_OK) == 0) {
                fd_ = fd;
                kind_ = Kind::Unnamed;
                writablePath_ = std::move(name);
                pending_ = true;
                return Status::Ok();
            }
            close(fd);
        }
    }
    int fd = -1;
    if (!UnderFreeName(folder, writablePath_, [&](const std::string& candidate) {
            fd = open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            return fd >= 0;
        }))
        return Failed(errno);
    fd_ = fd;
    kind_ = Kind::Named;
    pending_ = true;
    return Status::Ok();
}

Result<CommitOutcome> PendingOutput::Commit(bool replace) {
    if (!pending_)
        return Failed(EBADF);
    Result<CommitOutcome> outcome =
        kind_ == Kind::Unnamed ? CommitUnnamed(replace) : CommitNamed(replace);
    if (!outcome)
        Discard();
    return outcome;
}

bool PendingOutput::LinkUnnamedAs(const std::string& path) const {
    return linkat(AT_FDCWD, writablePath_.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

Result<CommitOutcome> PendingOutput::CommitUnnamed(bool replace) {
    if (!replace) {
        if (!LinkUnnamedAs(finalPath_))
            return errno == EEXIST ? Result<CommitOutcome>(CommitOutcome::Exists) : Failed(errno);
    } else {
        // A link cannot replace; a rename can, atomically, so the file gets a
        // name of its own first.
        std::string named;
        if (!UnderFreeName(FolderOf(finalPath_), named,
                           [&](const std::string& candidate) { return LinkUnnamedAs(candidate); }))
            return Failed(errno);
        if (rename(named.c_str(), finalPath_.c_str()) != 0) {
            const int error = errno;
            unlink(named.c_str());
            return Failed(error);
        }
    }
    // The name is given; a late write error (reported at close on some file
    // systems) still must not leave a partial file under it.
    if (Status closed = CloseDescriptor(); !closed) {
        unlink(finalPath_.c_str());
        return closed;
    }
    pending_ = false;
    return CommitOutcome::Done;
}

Result<CommitOutcome> PendingOutput::CommitNamed(bool replace) {
    if (Status closed = CloseDescriptor(); !closed)
        return closed;
    const char* from = writablePath_.c_str();
    const char* to = finalPath_.c_str();
    if (replace) {
        if (rename(from, to) != 0)
            return Failed(errno);
    } else if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST)
            return CommitOutcome::Exists;
        if (errno != EINVAL && errno != ENOSYS)
            return Failed(errno);
        // No exclusive rename here: a hard link is exclusive too.
        if (link(from, to) != 0)
            return errno == EEXIST ? Result<CommitOutcome>(CommitOutcome::Exists) : Failed(errno);
        unlink(from);
    }
    writablePath_.clear();
    pending_ = false;
    return CommitOutcome::Done;
}

Status PendingOutput::CloseDescriptor() {
    if (fd_ < 0)
        return Status::Ok();
    const int result = close(fd_);
    const int error = errno;
    fd_ = -1;
    return result == 0 ? Status::Ok() : Failed(error);
}

void PendingOutput::Discard() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    if (pending_ && kind_ == Kind::Named && !writablePath_.empty())
        unlink(writablePath_.c_str());
    writablePath_.clear();
    pending_ = false;
}
