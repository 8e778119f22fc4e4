#pragma once
// What the main window asks of the rest of the desktop: the choosers and
// dialogs it opens and the pages it shows. The program fills them with its
// own dialogs; tests put scripted stand-ins in their place.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/RunSummaryDialog.h"
#include "platform/Prompter.h"
#include "settings/FontSettings.h"
#include "model/OutputPhotoFormat.h"

class QWidget;

struct MainDialogHooks {
    // The files chosen in a multi-select open dialog, in the dialog's order;
    // empty when cancelled.
    std::function<QStringList(QWidget* parent, const QString& title, const QString& folder,
                              const QStringList& filters)>
        chooseFiles;
    // A folder chooser; true and the folder (native bytes) when one was chosen.
    std::function<bool(QWidget* parent, std::string& folder)> chooseFolder;
    // The output options dialog over format; true (format changed) on OK.
    std::function<bool(QWidget* parent, OutputPhotoFormat& format)> editOutputFormat;
    // One options dialog over the settings of several photos; true on OK,
    // with each photo's settings as the dialog leaves them.
    std::function<bool(QWidget* parent, std::vector<OutputPhotoFormat>& formats)> editSelection;
    // The name a preset is saved under, starting from name; true and the
    // name on OK.
    std::function<bool(QWidget* parent, std::string& name)> askPresetName;
    // The font-and-colour dialog; true (both changed) on OK.
    std::function<bool(QWidget* parent, LogFont& font, uint32_t& color)> chooseFont;
    // The work folder the window starts with (may lack the trailing '/').
    std::function<std::string(Prompter& prompter)> outputFolderSetting;
    // The help page and our web page in the browser; when none starts, the
    // prompter is told so.
    std::function<void(QWidget* parent, Prompter& prompter)> showHelp;
    std::function<void(QWidget* parent)> showAbout;
    // Update: which version is installed and where updates come from.
    std::function<void(QWidget* parent, Prompter& prompter)> showUpdate;
    // Opens a folder or a file (native bytes) with the desktop's handler;
    // when none starts, the prompter is told so.
    std::function<void(QWidget* parent, Prompter& prompter, const std::string& path)> openPath;
    // The box at the end of a run; showLog opens the activity log.
    std::function<RunSummaryChoice(QWidget* parent, const RunSummary& summary,
                                   std::function<void()> showLog)>
        showRunSummary;
};

// Fills every empty hook with the program's own dialog.
void CompleteWithProgramDialogs(MainDialogHooks& hooks);
