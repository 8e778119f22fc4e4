#include "window/MainDialogHooks.h"

#include <QFileDialog>
#include <QInputDialog>

#include "dialogs/AboutBox.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/FontColorDialog.h"
#include "platform/SettingsStore.h"
#include "platform/ShellHelpers.h"
#include "platform/WorkFolder.h"
#include "dialogs/CDialogPhotoOptions.h"
#include "gather/PhotoInfo.h"

namespace {

QStringList ChooseFiles(QWidget* parent, const QString& title, const QString& folder,
                        const QStringList& filters) {
    QFileDialog dialog(parent, title, folder);
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
        prompter.Tell("The desktop has no program that opens " + PathForMessage(path) + ".",
                      "Unknown error", PromptIcon::Error);
    });
}

}  // namespace

void CompleteWithProgramDialogs(MainDialogHooks& hooks) {
    if (!hooks.chooseFiles)
        hooks.chooseFiles = &ChooseFiles;
    if (!hooks.chooseFolder)
        hooks.chooseFolder = [](QWidget* parent, std::string& folder) {
            return BrowseForFolder(parent, folder, folder) == 0;
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
    if (!hooks.askPresetName)
        hooks.askPresetName = [](QWidget* parent, std::string& name) {
            bool ok = false;
            const QString chosen =
                QInputDialog::getText(parent, QStringLiteral("Save preset"), QStringLiteral("Preset name:"),
                                      QLineEdit::Normal, QString::fromStdString(name), &ok);
            if (ok)
                name = chosen.toStdString();
            return ok;
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
    if (!hooks.openProductPage)
        hooks.openProductPage = [](QWidget* parent, Prompter& prompter) {
            OpenProductPage(prompter, parent);
        };
    if (!hooks.openPath)
        hooks.openPath = &OpenPath;
    if (!hooks.showRunSummary)
        hooks.showRunSummary = &RunSummaryDialog::Ask;
}
