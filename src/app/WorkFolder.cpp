#include "app/WorkFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/Prompter.h"
#include "app/SettingsStore.h"

namespace {

std::string PicturesFolder() {
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
        .toStdString();
}

}  // namespace

std::string EnsureTrailingSeparator(std::string path) {
    if (!path.empty() && path.back() != '/')
        path.push_back('/');
    return path;
}

std::string HomeFolder() { return EnsureTrailingSeparator(QFile::encodeName(QDir::homePath()).toStdString()); }

std::string GetOutputFolderSetting(const std::string& section, const std::string& key,
                                   const std::string& fallback, Prompter& prompter) {
    std::string pictures = PicturesFolder();
    if (pictures.empty()) {
        prompter.Tell("Can not get My Documents directory!", "Error", PromptIcon::Error);
        return SettingsStore::GetString(section, key, fallback);
    }

    std::string base = EnsureTrailingSeparator(pictures);
    std::string work = base + kWorkFolderName;
    std::string folder = work;
    // mkpath also succeeds for a folder that already exists (whatever its
    // permissions); a plain file in the way makes it fail.
    QString workPath = QFile::decodeName(QByteArray::fromStdString(work));
    if (!QFileInfo(workPath).isDir() && !QDir().mkpath(workPath)) {
        prompter.Tell("Can not create the directory", work, PromptIcon::Error);
        folder = base;
    }
    return SettingsStore::GetString(section, key, folder);
}
