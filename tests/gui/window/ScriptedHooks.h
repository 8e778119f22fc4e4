#pragma once
// Scripted stand-ins for the main window's choosers and dialogs, and the
// photos they hand over.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTest>

#include <deque>
#include <string>
#include <vector>

#include "model/OutputPhotoFormat.h"
#include "settings/FontSettings.h"
#include "window/GatherTask.h"
#include "window/MainDialog.h"
#include "window/MainDialogHooks.h"

// What the scripted dialogs are asked and answer.
struct Script {
    QStringList files;  // the next Add Photos choice
    QString filesTitle, filesFolder;
    QStringList filters;
    std::string folder;  // the next folder choice; empty: cancelled
    std::string folderStart;
    std::deque<bool> editAnswers;  // OK (true) or Cancel per options dialog
    std::vector<OutputPhotoFormat> editSeen;
    std::vector<std::size_t> selectionsSeen;  // photos per selection dialog
    int32_t editRotate = 90;  // what an OK'd dialog sets
    int32_t editWidth = 0;    // when > 0: fixed width, aspect from width
    LogFont font;
    uint32_t color = 0;
    std::vector<std::string> openedFolders;
    std::string presetName;  // the next Save as name; empty: cancelled
    std::vector<RunSummary> summaries;            // every run's closing box
    std::deque<RunSummaryChoice> summaryChoices;  // then Close
};

inline MainDialogHooks ScriptedHooks(Script& script) {
    MainDialogHooks hooks;
    hooks.chooseFiles = [&script](QWidget*, const QString& title, const QString& folder,
                                  const QStringList& filters) {
        script.filesTitle = title;
        script.filters = filters;
        script.filesFolder = folder;
        return script.files;
    };
    hooks.chooseFolder = [&script](QWidget*, std::string& folder) {
        script.folderStart = folder;
        if (script.folder.empty())
            return false;
        folder = script.folder;
        return true;
    };
    hooks.editOutputFormat = [&script](QWidget*, OutputPhotoFormat& format) {
        script.editSeen.push_back(format);
        const bool ok = script.editAnswers.empty() ? false : script.editAnswers.front();
        if (!script.editAnswers.empty())
            script.editAnswers.pop_front();
        if (ok) {
            format.nRotateAngel = script.editRotate;
            if (script.editWidth > 0) {
                format.nOuputSizeType = kSizeFixed;
                format.nKeepAspectRatio = kKeepWidth;
                format.nOutputWidth = script.editWidth;
            }
        }
        return ok;
    };
    // One dialog for the selection: OK sets the same on every photo.
    hooks.editSelection = [edit = hooks.editOutputFormat, &script](
                              QWidget* parent, std::vector<OutputPhotoFormat>& formats) {
        script.selectionsSeen.push_back(formats.size());
        const bool ok = script.editAnswers.empty() ? false : script.editAnswers.front();
        for (OutputPhotoFormat& format : formats) {
            script.editAnswers.push_front(ok);
            edit(parent, format);
        }
        if (!script.editAnswers.empty())
            script.editAnswers.pop_front();
        return ok;
    };
    hooks.askPresetName = [&script](QWidget*, std::string& name) {
        name = script.presetName;
        return !name.empty();
    };
    hooks.chooseFont = [&script](QWidget*, LogFont& font, uint32_t& color) {
        font = script.font;
        color = script.color;
        return true;
    };
    hooks.showHelp = [](QWidget*, Prompter&) {};
    hooks.showAbout = [](QWidget*) {};
    hooks.showUpdate = [](QWidget*, Prompter&) {};
    hooks.openPath = [&script](QWidget*, Prompter&, const std::string& path) {
        script.openedFolders.push_back(path);
    };
    hooks.showRunSummary = [&script](QWidget*, const RunSummary& summary, std::function<void()>) {
        script.summaries.push_back(summary);
        if (script.summaryChoices.empty())
            return RunSummaryChoice::Close;
        const RunSummaryChoice choice = script.summaryChoices.front();
        script.summaryChoices.pop_front();
        return choice;
    };
    return hooks;
}

// Whether the gathering a command started has ended (its photos are in the
// list) within a while; true at once when none was started.
inline bool Gathered(MainDialog& window) {
    return QTest::qWaitFor([&window] { return !window.Gathering().IsRunning(); }, 30000);
}

inline std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A small picture of one colour at path, its folders made; a name Qt cannot
// write a picture under still gets picture bytes (PNG).
inline QString WritePhoto(const QString& path, int width, int height, const QColor& colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    const char* format = QFileInfo(path).suffix() == "raw" ? "PNG" : nullptr;
    if (!image.save(path, format))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
