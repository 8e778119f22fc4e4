#include "convert/RunNaming.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

std::string MakeNumberFormat(std::size_t count) {
    const std::size_t digits = std::to_string(count).size();
    return "%0" + std::to_string(digits) + "d";
}

std::string ExtractFileTitle(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
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
    std::string folder = outputFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder + std::string(stamp, n) + "/";
}

bool CreateRunFolder(const std::string& runFolder, Prompter& prompter) {
    std::string path = runFolder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    struct stat st {};
    // One level only: a missing output folder is an error the user must see,
    // not something to build silently.
    if (::mkdir(path.c_str(), 0777) == 0 ||
        (errno == EEXIST && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)))
        return true;
    prompter.Tell("Can not create the directory", runFolder);
    return false;
}

std::string MakeOutputPath(const OutputNaming& naming, std::size_t index, std::size_t count,
                           const std::string& sourcePath, int64_t timeModified,
                           const std::string& extension) {
    if (naming.notRename)
        return naming.runFolder + ExtractFileTitle(sourcePath) + "." + extension;

    const std::string numberFormat = MakeNumberFormat(count);
    char number[32];
    std::snprintf(number, sizeof number, numberFormat.c_str(), static_cast<int>(index + 1));

    const std::time_t modified = static_cast<std::time_t>(timeModified);
    std::tm local{};
    localtime_r(&modified, &local);
    char date[32];
    std::snprintf(date, sizeof date, "%04d.%02d.%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday);

    return naming.runFolder + naming.prefix + "." + number + "." + date + "." + extension;
}
