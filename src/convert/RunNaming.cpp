#include "convert/RunNaming.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "app/Paths.h"

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

bool CreateRunFolder(const std::string& runFolder, Prompter& prompter) {
    const int error = MakeFolderWithParents(runFolder);
    if (error == 0)
        return true;
    prompter.Tell(std::string("Can not create the directory\n") + std::strerror(error), runFolder);
    return false;
}

int64_t NamingTime(int32_t date, int64_t timeModified, int64_t timeTaken) {
    return date == kDateTaken && timeTaken != 0 ? timeTaken : timeModified;
}

std::string MakeOutputPath(const OutputNaming& naming, std::size_t index, std::size_t count,
                           const std::string& sourcePath, int64_t time,
                           const std::string& extension) {
    if (naming.notRename)
        return naming.runFolder + ExtractFileTitle(sourcePath) + "." + extension;

    const std::string numberFormat = MakeNumberFormat(count);
    char number[32];
    std::snprintf(number, sizeof number, numberFormat.c_str(), static_cast<int>(index + 1));

    const std::time_t when = static_cast<std::time_t>(time);
    std::tm local{};
    localtime_r(&when, &local);
    char date[32];
    std::snprintf(date, sizeof date, "%04d.%02d.%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday);

    return naming.runFolder + naming.prefix + "." + number + "." + date + "." + extension;
}
