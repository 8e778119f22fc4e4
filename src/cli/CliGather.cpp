#include "cli/CliGather.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "photolist/PhotoGathering.h"
#include "photolist/PhotoInfo.h"

namespace {

// Why a named path leads nowhere, as its notice says it.
std::string UnreachableText(int error) {
    switch (error) {
    case ENOENT: return "no such file or folder";
    case ELOOP: return "a loop of symbolic links";
    default: return std::strerror(error);
    }
}

}  // namespace

GatheredPhotos GatherCommandLinePhotos(const std::vector<std::string>& paths,
                                       const OutputPhotoFormat& defaults, Prompter& prompter,
                                       const std::function<void(const std::string&)>& notice) {
    GatheredPhotos out;
    auto take = [&](const std::string& path) {
        PhotoItem item;
        if (LoadPhotoInfo(path, item, defaults, prompter)) {
            out.photos.push_back(std::move(item));
        } else {
            ++out.skipped;
            notice(path + ": not a picture, skipped");
        }
    };

    const SearchReport unsearched = [&](const std::string& path, const std::string& reason) {
        ++out.skipped;
        notice(path + ": could not be searched (" + reason + "), skipped");
    };
    for (const std::string& path : paths) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            ++out.skipped;
            notice(path + ": " + UnreachableText(errno) + ", skipped");
            continue;
        }
        if (!S_ISDIR(st.st_mode)) {
            take(path);
            continue;
        }
        std::vector<std::string> found;
        if (!FindPhotoFiles(path, found, prompter, nullptr, {}, unsearched)) {
            ++out.skipped;
            continue;
        }
        for (const std::string& candidate : found)
            take(candidate);
    }
    return out;
}
