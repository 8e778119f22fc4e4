#include "dialogs/FolderChooser.h"

#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>

int BrowseForFolder(QWidget* owner, std::string& folder, const std::string& startFolder) {
    QFileDialog dialog(owner, QCoreApplication::translate("FolderChooser", "Choose a folder"),
                       paths::ToQString(startFolder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Room for the folders' names, within the screen.
    QSize size = dialog.sizeHint().expandedTo(QSize(50, 24) * dialog.fontMetrics().height());
    if (const QWidget* window = owner ? owner->window() : nullptr)
        size = size.boundedTo(window->size() * 9 / 10).expandedTo(dialog.sizeHint());
    dialog.resize(size);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return 1;
    QString chosen = dialog.selectedFiles().constFirst();
    if (chosen.isEmpty())
        return 1;
    folder = paths::FromQString(chosen);
    return 0;
}
