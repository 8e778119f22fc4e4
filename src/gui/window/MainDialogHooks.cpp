#include "window/MainDialogHooks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QScreen>
#include <QStandardPaths>
#include <QInputDialog>

#include "dialogs/AboutBox.h"
#include "dialogs/FilledText.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/FontColorDialog.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "platform/ShellHelpers.h"
#include "platform/WorkFolder.h"
#include "dialogs/CDialogPhotoOptions.h"
#include "gather/PhotoInfo.h"

namespace {

// Where a chooser opens when no folder was used before: the desktop's
// pictures folder, else home; never the folder the program was started in.
QString StartFolder(const QString& folder) {
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

// Room for the names and their columns: most of the window, within the screen.
void SizeChooser(QFileDialog& dialog, QWidget* parent) {
    QSize size = dialog.sizeHint().expandedTo(QSize(60, 26) * dialog.fontMetrics().height());
    if (parent)
        size = size.boundedTo(parent->window()->size() * 9 / 10).expandedTo(dialog.sizeHint());
    if (const QScreen* screen = parent ? parent->screen() : dialog.screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    dialog.resize(size);
}

QStringList ChooseFiles(QWidget* parent, const QString& title, const QString& folder,
                        const QStringList& filters) {
    QFileDialog dialog(parent, title, StartFolder(folder));
    SizeChooser(dialog, parent);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(0));
    // The description already names the patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

void OpenPath(QWidget* parent, Prompter& prompter, const std::string& path) {
    OpenUrlOnDesktop(FileUrl(path), parent, [&prompter, path] {
        prompter.Tell(Filled(QCoreApplication::translate(
                                 "MainDialogHooks", "The desktop has no program that opens %1."),
                             {PathForMessage(path)}),
                      QCoreApplication::translate("MainDialogHooks", "Unknown error").toStdString(),
                      PromptIcon::Error);
    });
}

}  // namespace

void CompleteWithProgramDialogs(MainDialogHooks& hooks) {
    if (!hooks.chooseFiles)
        hooks.chooseFiles = &ChooseFiles;
    if (!hooks.chooseFolder)
        hooks.chooseFolder = [](QWidget* parent, std::string& folder) {
            const std::string start = paths::FromQString(StartFolder(paths::ToQString(folder)));
            return BrowseForFolder(parent, folder, start) == 0;
        };
    if (!hooks.editOutputFormat)
        hooks.editOutputFormat = [](QWidget* parent, OutputPhotoFormat& format) {
            CDialogPhotoOptions dialog(parent);
            dialog.SetFormat(format);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            format = dialog.Format();
            return true;
        };
    if (!hooks.editSelection)
        hooks.editSelection = [](QWidget* parent, std::vector<OutputPhotoFormat>& formats) {
            CDialogPhotoOptions dialog(parent);
            dialog.SetSelection(formats);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            for (OutputPhotoFormat& format : formats) format = dialog.AppliedTo(format);
            return true;
        };
    if (!hooks.askPresetName)
        hooks.askPresetName = [](QWidget* parent, std::string& name) {
            // Wide enough for its title and a long name.
            QInputDialog dialog(parent);
            dialog.setWindowTitle(QCoreApplication::translate("MainDialogHooks", "Save preset"));
            dialog.setLabelText(QCoreApplication::translate("MainDialogHooks", "Preset &name:"));
            dialog.setTextValue(QString::fromStdString(name));
            dialog.setMinimumWidth(36 * dialog.fontMetrics().averageCharWidth());
            if (dialog.exec() != QDialog::Accepted)
                return false;
            name = dialog.textValue().toStdString();
            return true;
        };
    if (!hooks.chooseFont)
        hooks.chooseFont = &FontColorDialog::Edit;
    if (!hooks.outputFolderSetting)
        hooks.outputFolderSetting = [](Prompter& prompter) {
            return GetOutputFolderSetting(settings::kOption, settings::kPhotoOutputFolder, HomeFolder(), prompter);
        };
    if (!hooks.showHelp)
        hooks.showHelp = [](QWidget* parent, Prompter& prompter) { ShowHelp(prompter, parent); };
    if (!hooks.showAbout)
        hooks.showAbout = &AboutBox::Run;
    if (!hooks.showUpdate)
        hooks.showUpdate = [](QWidget*, Prompter& prompter) {
            prompter.Tell(UpdateText(),
                          QCoreApplication::translate("MainDialogHooks", "Update").toStdString(),
                          PromptIcon::Information);
        };
    if (!hooks.openPath)
        hooks.openPath = &OpenPath;
    if (!hooks.showRunSummary)
        hooks.showRunSummary = &RunSummaryDialog::Ask;
}
