#include "cli/CliGather.h"

#include <sys/stat.h>

#include "photolist/PhotoGathering.h"
#include "photolist/PhotoInfo.h"

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

    for (const std::string& path : paths) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            ++out.skipped;
            notice(path + ": no such file or folder, skipped");
            continue;
        }
        if (!S_ISDIR(st.st_mode)) {
            take(path);
            continue;
        }
        std::vector<std::string> found;
        if (!FindPhotoFiles(path, found, prompter)) {
            ++out.skipped;
            continue;
        }
        for (const std::string& candidate : found)
            take(candidate);
    }
    return out;
}
