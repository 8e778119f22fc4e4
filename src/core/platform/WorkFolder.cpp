#include "platform/WorkFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/Paths.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/Words.h"

using paths::EnsureTrailingSeparator;

namespace {

std::string PicturesFolder() {
    return paths::FromQString(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
}

}  // namespace

std::string HomeFolder() { return EnsureTrailingSeparator(paths::FromQString(QDir::homePath())); }

std::string GetOutputFolderSetting(const std::string& section, const std::string& key,
                                   const std::string& fallback, Prompter& prompter) {
    std::string pictures = PicturesFolder();
    if (pictures.empty()) {
        prompter.Tell(shown::translate("Messages", "Can not get My Documents directory!"),
                      shown::translate("LanguagePack", "Error"), PromptIcon::Error);
        return SettingsStore::GetString(section, key, fallback);
    }

    std::string base = EnsureTrailingSeparator(pictures);
    std::string work = base + kWorkFolderName;
    std::string folder = work;
    // mkpath also succeeds for a folder that already exists (whatever its
    // permissions); a plain file in the way makes it fail.
    const QString workPath = paths::ToQString(work);
    if (!QFileInfo(workPath).isDir() && !QDir().mkpath(workPath)) {
        prompter.Tell(shown::translate("Reasons", "Can not create the directory"), work,
                      PromptIcon::Error);
        folder = base;
    }
    return SettingsStore::GetString(section, key, folder);
}
