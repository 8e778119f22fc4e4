#include "window/PhotoSources.h"

#include <utility>

#include "dialogs/FilledText.h"
#include "gather/PhotoGathering.h"
#include "model/PhotoExtensions.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "run/ActivityLog.h"
#include "window/OutputSettingsEditor.h"
#include "window/PhotoListPanel.h"

namespace {

// The gathering's steps as the progress row shows them.
std::function<void(size_t, size_t)> Searching(GatherReport& report) {
    return [&report](size_t folders, size_t found) { report.Searching(folders, found); };
}
std::function<void(size_t, size_t)> Reading(GatherReport& report) {
    return [&report](size_t done, size_t total) { report.Reading(done, total); };
}

// What a search could not look into goes to the activity log (thread-safe),
// in English as the log's other lines.
SearchReport LogUnsearched(ActivityLog& log, Prompter& prompter) {
    return [&log, &prompter](const std::string& path, const std::string& reason) {
        log.Note(path + ": could not be searched (" + reason + ")", prompter);
    };
}

}  // namespace

PhotoSources::PhotoSources(GatherTask& task, PhotoListPanel& list,
                           const OutputSettingsEditor& settings, Prompter& prompter,
                           ActivityLog& log, Choosers choosers)
    : task_(task),
      list_(list),
      settings_(settings),
      prompter_(prompter),
      log_(log),
      choosers_(std::move(choosers)) {}

QStringList PhotoSources::AddPhotosFilters() {
    // Qt reads a filter's patterns from its last parentheses, blank-separated;
    // both cases are listed because names on Linux are case-sensitive and
    // cameras write IMG_0001.JPG.
    QStringList shown;
    QStringList patterns;
    for (int i = 0; i < kPhotoExtensionCount; ++i) {
        const QString extension = QLatin1String(PhotoExtensions()[i]);
        shown << QLatin1Char('*') + extension;
        patterns << QLatin1Char('*') + extension << QLatin1Char('*') + extension.toUpper();
    }
    return {tr("Photo Files (%1) (%2)")
                .arg(shown.join(QLatin1Char(';')), patterns.join(QLatin1Char(' '))),
            tr("Any Files (*.*) (*)")};
}

std::string PhotoSources::LeftOutLine(const std::vector<std::string>& paths) {
    if (paths.empty())
        return {};
    std::string names;
    for (std::size_t i = 0; i < paths.size() && i < 3; ++i)
        names += (i ? ", " : "") + paths::NameOfPath(paths[i]);
    if (paths.size() > 3)
        names += ", \u2026";
    const int count = static_cast<int>(paths.size());
    return Filled(tr("%n files were left out: not pictures (%1)", nullptr, count), {names});
}

// Searches do not enter the output folder; its run folders are marked too.
static std::string SavedOutputFolder() {
    return SettingsStore::GetString(settings::kOption, settings::kPhotoOutputFolder, "");
}

std::function<void(const std::string&)> PhotoSources::Collect(const LeftOut& leftOut) {
    // Called on the gathering's worker only; read once it has ended.
    return [leftOut](const std::string& path) { leftOut->push_back(path); };
}

void PhotoSources::Gather(GatherWork work, const char* folderKey, LeftOut leftOut) {
    task_.Start(std::move(work), [this, folderKey, leftOut](std::vector<PhotoItem> photos) {
        for (const std::string& path : *leftOut)
            log_.Note(path + ": left out, not a picture", prompter_);
        if (leftOutReport_)
            leftOutReport_(*leftOut);
        list_.Append(std::move(photos));
        if (folderKey && list_.Count() > 0)
            SettingsStore::TellUnsaved(
                SettingsStore::WriteString(settings::kOption, folderKey,
                                           paths::GetFolderOfPath(list_.Photos().back().strSourcePath)),
                prompter_);
    });
}

void PhotoSources::AddPhotos() {
    const std::string lastFolder =
        SettingsStore::GetString(settings::kOption, settings::kLastPhotoFolder, "");
    const QStringList chosen = choosers_.files(tr("Select Photo Files..."),
                                               paths::ToQString(lastFolder), AddPhotosFilters());
    if (chosen.isEmpty())
        return;
    std::vector<std::string> files;
    for (const QString& file : chosen) files.push_back(paths::FromQString(file));
    auto leftOut = std::make_shared<std::vector<std::string>>();
    Gather(
        [files, defaults = settings_.Defaults(), &prompter = prompter_,
         rejected = Collect(leftOut)](const std::atomic<bool>& cancel, GatherReport& report) {
            return GatherPhotos(files, defaults, prompter, cancel, Reading(report), nullptr,
                                rejected);
        },
        settings::kLastPhotoFolder, leftOut);
}

void PhotoSources::SearchPhotos() {
    std::string folder =
        SettingsStore::GetString(settings::kOption, settings::kLastBrowseFolder, "");
    if (!choosers_.folder(folder))
        return;
    auto leftOut = std::make_shared<std::vector<std::string>>();
    Gather(
        [folder, defaults = settings_.Defaults(), &prompter = prompter_, &log = log_,
         rejected = Collect(leftOut), output = SavedOutputFolder()](
            const std::atomic<bool>& cancel, GatherReport& report) {
            std::vector<std::string> found;
            if (!FindPhotoFiles(folder, found, prompter, &cancel, Searching(report),
                                LogUnsearched(log, prompter), output))
                return std::vector<PhotoItem>{};
            std::vector<PhotoItem> photos =
                GatherPhotos(found, defaults, prompter, cancel, Reading(report), nullptr, rejected);
            SetSearchRoot(photos, folder);
            return photos;
        },
        settings::kLastBrowseFolder, leftOut);
}

void PhotoSources::OpenPaths(const std::vector<std::string>& paths) {
    if (paths.empty())
        return;
    auto leftOut = std::make_shared<std::vector<std::string>>();
    Gather(
        [paths, defaults = settings_.Defaults(), &prompter = prompter_, &log = log_,
         rejected = Collect(leftOut), output = SavedOutputFolder()](
            const std::atomic<bool>& cancel, GatherReport& report) {
            std::vector<std::string> roots;
            const std::vector<std::string> candidates =
                CandidatesOfPaths(paths, prompter, cancel, Searching(report), &roots,
                                  LogUnsearched(log, prompter), output);
            return GatherPhotos(candidates, defaults, prompter, cancel, Reading(report), &roots,
                                rejected);
        },
        nullptr, leftOut);
}
