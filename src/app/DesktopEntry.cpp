#include "app/DesktopEntry.h"

#include <QMimeDatabase>
#include <QStringList>

#include "photolist/PhotoGathering.h"

std::string FillDesktopEntry(const std::string& entry) {
    // The shared MIME database names the types, as file managers know them.
    const QMimeDatabase database;
    QStringList types;
    for (int i = 0; i < kPhotoExtensionCount; ++i) {
        const QMimeType type = database.mimeTypeForFile(QStringLiteral("photo") + QLatin1String(PhotoExtensions()[i]),
                                                        QMimeDatabase::MatchExtension);
        if (type.isDefault())
            continue;
        // Older names of a type too: some file managers still label files so.
        for (const QString& name : QStringList{type.name()} + type.aliases())
            if (!types.contains(name))
                types << name;
    }
    std::string filled = entry;
    const std::string marker = "@MIME_TYPES@";
    const std::string list = (types.join(QLatin1Char(';')) + QLatin1Char(';')).toStdString();
    for (std::size_t at = filled.find(marker); at != std::string::npos; at = filled.find(marker, at + list.size()))
        filled.replace(at, marker.size(), list);
    return filled;
}
