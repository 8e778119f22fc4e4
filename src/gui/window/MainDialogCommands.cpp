// The main window's commands on the photo list: gathering, reordering,
// removing, sorting and the output settings of photos.

#include <QFile>
#include <QStringList>

#include <functional>
#include <iterator>

#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "run/ActivityLog.h"
#include "model/OutputGeometry.h"
#include "window/GatherProgress.h"
#include "window/MainDialog.h"
#include "gather/PhotoGathering.h"
#include "window/PhotoListModel.h"
#include "model/PhotoListOps.h"
#include "ui_MainDialog.h"

namespace {

// The folder search's extensions, so that the dialog shows what a search
// finds. Qt reads a filter's patterns from its last parentheses,
// blank-separated; both cases are listed because names on Linux are
// case-sensitive and cameras write IMG_0001.JPG.
QStringList AddPhotosFilters() {
    QStringList shown;
    QStringList patterns;
    for (int i = 0; i < kPhotoExtensionCount; ++i) {
        const QString extension = QLatin1String(PhotoExtensions()[i]);
        shown << QLatin1Char('*') + extension;
        patterns << QLatin1Char('*') + extension << QLatin1Char('*') + extension.toUpper();
    }
    return {QStringLiteral("Photo Files (%1) (%2)").arg(shown.join(QLatin1Char(';')), patterns.join(QLatin1Char(' '))),
            QStringLiteral("Any Files (*.*) (*)")};
}

RowSelection AsSelection(const std::vector<int>& rows) { return RowSelection(rows.begin(), rows.end()); }

// The gathering's steps as the progress dialog shows them.
std::function<void(size_t, size_t)> Searching(GatherReport& report) {
    return [&report](size_t folders, size_t found) { report.Searching(folders, found); };
}
std::function<void(size_t, size_t)> Reading(GatherReport& report) {
    return [&report](size_t done, size_t total) { report.Reading(done, total); };
}

// What a search could not look into goes to the activity log (thread-safe).
SearchReport LogUnsearched(ActivityLog& log, Prompter& prompter) {
    return [&log, &prompter](const std::string& path, const std::string& reason) {
        log.Note(path + ": could not be searched (" + reason + ")", prompter);
    };
}

}  // namespace

void MainDialog::GatherIntoList(const QString& title, const GatherWork& work) {
    std::vector<PhotoItem> added = RunGatherWithProgress(this, title, work);
    m_photoList.insert(m_photoList.end(), std::make_move_iterator(added.begin()),
                       std::make_move_iterator(added.end()));
    m_nPhotoCount = static_cast<int>(m_photoList.size());
}

void MainDialog::OpenPaths(const std::vector<std::string>& paths) {
    if (IsConverting() || paths.empty())
        return;
    const OutputPhotoFormat defaults = DefaultOutputPhotoFormat;
    GatherIntoList(
        QStringLiteral("Add Photos"), [&](const std::atomic<bool>& cancel, GatherReport& report) {
            std::vector<std::string> roots;
            const std::vector<std::string> candidates = CandidatesOfPaths(
                paths, prompter_, cancel, Searching(report), &roots, LogUnsearched(*log_, prompter_));
            return GatherPhotos(candidates, defaults, prompter_, cancel, Reading(report), &roots);
        });
    if (m_nPhotoCount > 0)
        RefreshPhotoList();
}

void MainDialog::StoreLastFolder(const char* key) {
    if (m_nPhotoCount <= 0)
        return;
    RefreshPhotoList();
    SettingsStore::TellUnsaved(
        SettingsStore::WriteString(settings::kOption, key,
                                   paths::GetFolderOfPath(m_photoList.back().strSourcePath)),
        prompter_);
}

void MainDialog::OnAddPhotos() {
    if (IsConverting())
        return;
    const std::string lastFolder = SettingsStore::GetString(settings::kOption, settings::kLastPhotoFolder, "");
    const QStringList chosen = hooks_.chooseFiles(this, QStringLiteral("Select Photo Files..."),
                                                  paths::ToQString(lastFolder),
                                                  AddPhotosFilters());
    if (chosen.isEmpty())
        return;
    std::vector<std::string> files;
    for (const QString& file : chosen)
        files.push_back(paths::FromQString(file));
    const OutputPhotoFormat defaults = DefaultOutputPhotoFormat;
    GatherIntoList(QStringLiteral("Add Photos"),
                   [&](const std::atomic<bool>& cancel, GatherReport& report) {
                       return GatherPhotos(files, defaults, prompter_, cancel, Reading(report));
                   });
    StoreLastFolder(settings::kLastPhotoFolder);
}

void MainDialog::OnSearchPhotos() {
    if (IsConverting())
        return;
    std::string folder = SettingsStore::GetString(settings::kOption, settings::kLastBrowseFolder, "");
    if (!hooks_.chooseFolder(this, folder))
        return;
    const OutputPhotoFormat defaults = DefaultOutputPhotoFormat;
    GatherIntoList(QStringLiteral("Search photos"),
                   [&](const std::atomic<bool>& cancel, GatherReport& report) {
                       std::vector<std::string> found;
                       if (!FindPhotoFiles(folder, found, prompter_, &cancel, Searching(report),
                                           LogUnsearched(*log_, prompter_)))
                           return std::vector<PhotoItem>{};
                       std::vector<PhotoItem> photos =
                           GatherPhotos(found, defaults, prompter_, cancel, Reading(report));
                       SetSearchRoot(photos, folder);
                       return photos;
                   });
    StoreLastFolder(settings::kLastBrowseFolder);
}

void MainDialog::OnUp() { MoveSelection(&MoveSelectedUp); }

void MainDialog::OnDown() { MoveSelection(&MoveSelectedDown); }

void MainDialog::MoveSelection(ListCommandResult (*move)(std::vector<PhotoItem>&,
                                                         const RowSelection&)) {
    if (IsConverting())
        return;
    ListCommandResult result = move(m_photoList, AsSelection(SelectedRows()));
    if (result.needsSelection) {
        prompter_.Tell(kPleaseSelectItems, kProductName);
        return;
    }
    if (result.changed) {
        // Rows are updated in place; the moved photos stay selected.
        model_->RowsChanged(0, m_nPhotoCount - 1);
        SelectRows(std::vector<int>(result.selection.begin(), result.selection.end()));
    }
    ui->photoList->setFocus();
}

void MainDialog::OnDelete() {
    if (IsConverting())
        return;
    ListCommandResult result = DeleteSelected(m_photoList, AsSelection(SelectedRows()));
    if (result.needsSelection) {
        prompter_.Tell(kPleaseSelectItems, kProductName);
        return;
    }
    if (result.changed)
        RefreshPhotoList();
    ui->photoList->setFocus();
}

void MainDialog::OnClear() {
    if (IsConverting())
        return;
    m_photoList.clear();
    m_nPhotoCount = 0;
    ui->previewFrame->Clear();
    RefreshPhotoList();
    ui->photoList->setFocus();
}

void MainDialog::OnColumnClick(int column) {
    if (IsConverting())
        return;
    PhotoSortState state{m_bNameSortAscending, m_bTimeSortAscending};
    SortByColumn(m_photoList, column, state);
    m_bNameSortAscending = state.m_bNameSortAscending;
    m_bTimeSortAscending = state.m_bTimeSortAscending;
    RefreshPhotoList();
    ui->photoList->setFocus();
}

void MainDialog::RecomputeOutputSize(PhotoItem& photo) {
    PlanPhotoOutput(photo, prompter_);
}

void MainDialog::OnEdit() {
    if (IsConverting())
        return;
    std::vector<int> rows;
    if (!SelectionOrTell(rows))
        return;
    // One dialog per selected photo, in list order, each with its own settings.
    for (int row : rows) {
        PhotoItem& photo = m_photoList[static_cast<std::size_t>(row)];
        OutputPhotoFormat format = photo.m_outputPhotoFormat;
        if (!hooks_.editOutputFormat(this, format))
            continue;
        photo.m_outputPhotoFormat = format;
        RecomputeOutputSize(photo);
    }
    RefreshPhotoList();
}

void MainDialog::OnOptions() {
    if (IsConverting())
        return;
    OutputPhotoFormat format = DefaultOutputPhotoFormat;
    if (!hooks_.editOutputFormat(this, format))
        return;
    DefaultOutputPhotoFormat = format;
    OfferDefaultsToList();
}

void MainDialog::OfferDefaultsToList() {
    if (m_nPhotoCount <= 0)
        return;
    if (prompter_.Ask("Do you want to change all output settings of photos?", "Question",
                      PromptButtons::YesNo, PromptIcon::Question) == PromptAnswer::Yes) {
        for (PhotoItem& photo : m_photoList) {
            photo.m_outputPhotoFormat = DefaultOutputPhotoFormat;
            RecomputeOutputSize(photo);
        }
    }
    RefreshPhotoList();
}
