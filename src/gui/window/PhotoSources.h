#pragma once
// The ways photos come into the list: Add Photos (a file dialog), Search
// photos (a folder and its sub-folders) and paths handed over together (a
// drop, the files a file manager opens the program with). Each gathers on
// the gather task's worker and appends its photos, in order, when it ends;
// new photos copy the settings for new photos as they were at its start.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "window/GatherTask.h"

class ActivityLog;
class OutputSettingsEditor;
class PhotoListPanel;
class Prompter;

class PhotoSources {
    Q_DECLARE_TR_FUNCTIONS(PhotoSources)

public:
    struct Choosers {
        // The files chosen in a multi-select open dialog; empty when cancelled.
        std::function<QStringList(const QString& title, const QString& folder,
                                  const QStringList& filters)>
            files;
        // A folder chooser starting from folder; true and the folder on OK.
        std::function<bool(std::string& folder)> folder;
    };

    // Messages of the gathering go to prompter, what a search cannot look
    // into to log; all of them must outlive task's work.
    PhotoSources(GatherTask& task, PhotoListPanel& list, const OutputSettingsEditor& settings,
                 Prompter& prompter, ActivityLog& log, Choosers choosers);

    // Add Photos: opens where the last added photo came from and remembers
    // the folder of the list's last photo ("LastPhotoFolder").
    void AddPhotos();
    // Search photos: remembers the folder of the list's last photo
    // ("m_last_browse_fold").
    void SearchPhotos();
    // Files are added in order, folders searched in their place; what is not
    // a picture is left out silently.
    void OpenPaths(const std::vector<std::string>& paths);

    // The Add Photos dialog's filters: the folder search's extensions.
    static QStringList AddPhotosFilters();

    // What a gathering left out (files that are not pictures), in one line:
    // "2 files were left out: not pictures (notes.jpg, todo.png)", at most
    // three names, then "...".
    static std::string LeftOutLine(const std::vector<std::string>& paths);
    // Called after each gathering with what it left out (empty: nothing);
    // each left-out file is also logged.
    using LeftOutReport = std::function<void(const std::vector<std::string>& paths)>;
    void SetLeftOutReport(LeftOutReport report) { leftOutReport_ = std::move(report); }

private:
    using LeftOut = std::shared_ptr<std::vector<std::string>>;
    // folderKey: the setting that gets the folder of the list's last photo;
    // leftOut: filled by the work with the files it left out.
    void Gather(GatherWork work, const char* folderKey, LeftOut leftOut);
    static std::function<void(const std::string&)> Collect(const LeftOut& leftOut);

    GatherTask& task_;
    PhotoListPanel& list_;
    const OutputSettingsEditor& settings_;
    Prompter& prompter_;
    ActivityLog& log_;
    Choosers choosers_;
    LeftOutReport leftOutReport_;
};
