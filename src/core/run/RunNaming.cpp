#include "run/RunNaming.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/Paths.h"
#include "platform/Words.h"
#include "run/OutputPlacement.h"

std::string MakeNumberFormat(std::size_t count) {
    const std::size_t digits = std::to_string(count).size();
    return "%0" + std::to_string(digits) + "d";
}

std::string ExtractFileTitle(const std::string& path) {
    std::string name = paths::NameOfPath(path);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

std::string MakeRunFolderPath(const std::string& outputFolder, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[64];
    const std::size_t n = std::strftime(stamp, sizeof stamp, "%Y.%m.%d.%H.%M.%S", &local);
    return paths::EnsureTrailingSeparator(outputFolder) + std::string(stamp, n) + "/";
}

namespace {

// 0, or the errno of the level that could not be made.
int MakeFolderWithParents(const std::string& folder) {
    const std::string path = paths::WithoutTrailingSeparator(folder);
    if (path.empty())
        return ENOENT;
    struct stat st {};
    if (::mkdir(path.c_str(), 0777) == 0)
        return 0;
    int error = errno;
    if (error == ENOENT) {
        const std::string parent = paths::GetFolderOfPath(path);
        if (parent.empty() || parent == path + "/")
            return error;
        if (const int parentError = MakeFolderWithParents(parent))
            return parentError;
        if (::mkdir(path.c_str(), 0777) == 0)
            return 0;
        error = errno;
    }
    if (error == EEXIST)
        return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    return error;
}

}  // namespace

Status CreateRunFolder(const std::string& runFolder, Prompter& prompter) {
    const int error = MakeFolderWithParents(runFolder);
    if (error == 0)
        return Status::Ok();
    prompter.Tell(
        shown::translate("Reasons", "Can not create the directory") + "\n" + std::strerror(error),
        runFolder);
    return Status::Failed(runFolder, words::translate("Reasons", "Can not create the directory"),
                          std::strerror(error));
}

int64_t NamingTime(int32_t date, int64_t timeModified, int64_t timeTaken) {
    return date == kDateTaken && timeTaken != 0 ? timeTaken : timeModified;
}

std::string KeptSubFolder(const std::string& sourcePath, const std::string& searchRoot) {
    if (searchRoot.empty())
        return {};
    const std::string root = paths::EnsureTrailingSeparator(searchRoot);
    if (sourcePath.compare(0, root.size(), root) != 0)
        return {};
    const std::string below = paths::GetFolderOfPath(sourcePath.substr(root.size()));
    for (std::size_t start = 0; start < below.size();) {
        const std::size_t slash = below.find('/', start);
        const std::string part = below.substr(start, slash - start);
        if (part.empty() || part == "." || part == "..")
            return {};
        start = slash + 1;
    }
    return below;
}

Status CreateSubFolders(const std::string& runFolder, const std::string& subFolder) {
    std::string made = paths::WithoutTrailingSeparator(runFolder);
    int fd = ::open(made.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    auto fail = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        return error == ELOOP
                   ? Status::Failed(made,
                                    words::translate("Reasons", "a symbolic link, not followed"))
                   : Status::Failed(made, std::strerror(error));
    };
    if (fd < 0)
        return fail(errno);
    for (std::size_t start = 0; start < subFolder.size();) {
        const std::size_t slash = subFolder.find('/', start);
        const std::string part = subFolder.substr(start, slash - start);
        start = slash == std::string::npos ? subFolder.size() : slash + 1;
        made += "/" + part;
        if (::mkdirat(fd, part.c_str(), 0777) != 0 && errno != EEXIST)
            return fail(errno);
        const int next =
            ::openat(fd, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) {
            const int error = errno;
            struct stat st {};
            const bool link =
                ::fstatat(fd, part.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
            return fail(link ? ELOOP : error);
        }
        ::close(fd);
        fd = next;
    }
    ::close(fd);
    return Status::Ok();
}

std::string MakeOutputPath(const OutputNaming& naming, std::size_t index, std::size_t count,
                           const std::string& sourcePath, int64_t time,
                           const std::string& extension, const std::string& searchRoot) {
    const std::size_t last = static_cast<std::size_t>(naming.numberStart) + count - 1;
    NameFacts facts;
    facts.sourcePath = sourcePath;
    facts.extension = extension;
    facts.number = naming.numberStart + static_cast<int64_t>(index);
    facts.numberDigits = naming.numberWidth > 0
                             ? naming.numberWidth
                             : static_cast<int32_t>(std::to_string(last).size());
    facts.date = facts.fileTime = time;
    return OutputFolderOf(naming, sourcePath, searchRoot) +
           FillNameTemplate(TemplateOfNaming(naming), facts);
}
