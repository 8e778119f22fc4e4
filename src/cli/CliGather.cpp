#include "CliGather.h"

#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <iterator>

#include "gather/PhotoGathering.h"
#include "imaging/ImageProbe.h"
#include "platform/Words.h"

namespace {

// Why a named path leads nowhere, as its notice says it.
Words UnreachableText(int error) {
    switch (error) {
        case ENOENT: return words::translate("Reasons", "no such file or folder");
        case ELOOP: return words::translate("Reasons", "a loop of symbolic links");
        default: return {std::strerror(error), std::strerror(error)};
    }
}

}  // namespace

GatheredPhotos GatherCommandLinePhotos(const std::vector<std::string>& paths,
                                       const OutputPhotoFormat& defaults, Prompter& prompter,
                                       const std::function<void(const std::string&)>& notice,
                                       const std::string& outputFolder) {
    GatheredPhotos out;
    // The report keeps the English reason; the notice is in the user's language.
    auto refuse = [&](const std::string& path, const Words& reason) {
        out.refused.push_back({path, reason.english, false, reason.shown});
        notice(words::Filled(shown::translate("CommandLine", "%1: %2, skipped"),
                             {path, reason.shown}));
    };
    // A picture cut short fails with its reason; any other file is skipped.
    auto refuseUnread = [&](const std::string& path) {
        const Result<PictureFacts> probed = ProbePicture(path);
        if (probed || probed.GetStatus().What() != kDamagedPicture)
            return refuse(path, words::translate("Reasons", "not a picture"));
        out.refused.push_back(
            {path, probed.GetStatus().Reason(), true, probed.GetStatus().ShownWhat()});
        notice(words::Filled(shown::translate("CommandLine", "%1: %2, failed"),
                             {path, probed.GetStatus().ShownReason()}));
    };
    // As the window does: probed in parallel, made into photos in order.
    const std::atomic<bool> never{false};
    auto read = [&](const std::vector<std::string>& candidates, const std::string* searchRoot) {
        std::vector<PhotoItem> photos =
            GatherPhotos(candidates, defaults, prompter, never, {}, nullptr,
                         [&](const std::string& path) { refuseUnread(path); });
        if (searchRoot)
            SetSearchRoot(photos, *searchRoot);
        out.photos.insert(out.photos.end(), std::make_move_iterator(photos.begin()),
                          std::make_move_iterator(photos.end()));
    };
    // Named files wait for the next folder or notice, so that every notice
    // still comes in the order of the paths.
    std::vector<std::string> files;
    auto readFiles = [&] {
        read(files, nullptr);
        files.clear();
    };

    const SearchReport unsearched = [&](const std::string& path, const std::string& reason) {
        refuse(path, words::translate("Reasons", "could not be searched (%1)").Arg(reason));
    };
    for (const std::string& path : paths) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            const int error = errno;
            readFiles();
            refuse(path, UnreachableText(error));
            continue;
        }
        if (!S_ISDIR(st.st_mode)) {
            files.push_back(path);
            continue;
        }
        readFiles();
        std::vector<std::string> found;
        if (!FindPhotoFiles(path, found, prompter, nullptr, {}, unsearched, outputFolder)) {
            // The search's own message was shown; the report and the summary keep the reason.
            const Words reason = words::translate("Reasons", "the folder could not be searched");
            out.refused.push_back({path, reason.english, false, reason.shown});
            continue;
        }
        read(found, &path);
    }
    readFiles();
    return out;
}

std::vector<std::string> SplitPathList(const std::string& text, bool nul) {
    const char separator = nul ? '\0' : '\n';
    // A list whose every line ends in CR LF was written on another system:
    // the CRs are not part of the names. In any other list they are.
    bool crlf = !nul && text.find('\n') != std::string::npos;
    for (std::size_t at = text.find('\n'); crlf && at != std::string::npos;
         at = text.find('\n', at + 1))
        crlf = at > 0 && text[at - 1] == '\r';
    std::vector<std::string> paths;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(separator, start);
        if (end == std::string::npos)
            end = text.size();
        const std::size_t cut = crlf && end > start && text[end - 1] == '\r' ? end - 1 : end;
        if (cut > start)
            paths.push_back(text.substr(start, cut - start));
        start = end + 1;
    }
    return paths;
}
