#include "cli/CliGather.h"

#include <sys/stat.h>

#include "photolist/PhotoGathering.h"
#include "photolist/PhotoInfo.h"

GatheredPhotos GatherCommandLinePhotos(const std::vector<std::string>& paths,
                                       const OutputPhotoFormat& defaults, Prompter& prompter,
                                       const std::function<void(const std::string&)>& notice) {
    GatheredPhotos out;
    auto refuse = [&](const std::string& path, const std::string& reason) {
        out.refused.push_back({path, reason});
        notice(path + ": " + reason + ", skipped");
    };
    auto take = [&](const std::string& path, std::vector<PhotoItem>& into) {
        PhotoItem item;
        if (LoadPhotoInfo(path, item, defaults, prompter))
            into.push_back(std::move(item));
        else
            refuse(path, "not a picture");
    };

    for (const std::string& path : paths) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            refuse(path, "no such file or folder");
            continue;
        }
        if (!S_ISDIR(st.st_mode)) {
            take(path, out.photos);
            continue;
        }
        std::vector<std::string> found;
        if (!FindPhotoFiles(path, found, prompter)) {
            out.refused.push_back({path, "the folder could not be searched"});
            continue;
        }
        std::vector<PhotoItem> searched;
        for (const std::string& candidate : found)
            take(candidate, searched);
        SetSearchRoot(searched, path);
        for (PhotoItem& photo : searched)
            out.photos.push_back(std::move(photo));
    }
    return out;
}

std::vector<std::string> SplitPathList(const std::string& text, bool nul) {
    const char separator = nul ? '\0' : '\n';
    std::vector<std::string> paths;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(separator, start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            paths.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return paths;
}
