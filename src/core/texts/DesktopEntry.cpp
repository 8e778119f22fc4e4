#include "texts/DesktopEntry.h"

#include <QMimeDatabase>
#include <QStringList>

#include "texts/FillText.h"
#include "model/PhotoExtensions.h"

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
    ReplaceAll(filled, "@MIME_TYPES@", (types.join(QLatin1Char(';')) + QLatin1Char(';')).toStdString());
    return filled;
}
