#include "texts/DesktopEntry.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <sstream>
#include <vector>

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
    return TranslateMenuTexts(filled);
}

namespace {

// What the desktop's menus show of the program and its file-manager actions;
// the templates hold them in English.
const char* const kMenuTexts[] = {
    QT_TRANSLATE_NOOP("DesktopEntry", "Batch Photo Converter"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Resize and convert photos in batches"),
    //: Words a desktop's search finds the program by, each ended by ";".
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "photo;picture;resize;convert;batch;rename;jpeg;png;tiff;bmp;"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Convert with Quillmere…"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Open the selected photos in Quillmere"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Convert with a preset…"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Quillmere: convert with a preset…"),
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Choose one of Quillmere's saved presets and convert the selected photos "
                      "with it"),
    //: The tooltip of a file manager's entry "Quillmere: PRESET"; %1 is the preset's name.
    QT_TRANSLATE_NOOP("DesktopEntry", "Convert the selection with the preset \"%1\""),
    //: Asked in a small list of the saved presets, before converting the selected photos.
    QT_TRANSLATE_NOOP("DesktopEntry", "Convert with the preset:"),
    //: The heading of that list's one column.
    QT_TRANSLATE_NOOP("DesktopEntry", "Preset"),
};

struct Language {
    std::string code;  // as desktop entries name it: "de", "pt_BR"
    std::unique_ptr<QTranslator> translator;
};

// The translations this build made, in the order of their names.
std::vector<Language> BuiltLanguages() {
    std::vector<Language> languages;
    const QDir folder(QStringLiteral(QUILLMERE_BUILD_DATA_DIR "/translations"));
    for (const QString& name :
         folder.entryList({QStringLiteral("quillmere_*.qm")}, QDir::Files, QDir::Name)) {
        const QString code = name.mid(10).chopped(3);
        auto translator = std::make_unique<QTranslator>();
        // English holds only plural forms.
        if (code != QLatin1String("en") && translator->load(folder.filePath(name)))
            languages.push_back({code.toStdString(), std::move(translator)});
    }
    return languages;
}

// The translation of a menu text, empty when there is none or it is the
// English itself.
std::string MenuText(const QTranslator& translator, const std::string& english) {
    const QString text = translator.translate("DesktopEntry", english.c_str());
    return text.isEmpty() || text.toStdString() == english ? std::string() : text.toStdString();
}

bool IsMenuText(const std::string& text) {
    for (const char* marked : kMenuTexts)
        if (text == marked)
            return true;
    return false;
}

}  // namespace

std::string TranslateMenuTexts(const std::string& text) {
    const std::vector<Language> languages = BuiltLanguages();
    std::string out;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        out += line;
        if (!lines.eof())
            out += '\n';
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        if (equals == std::string::npos ||
            (key != "Name" && key != "GenericName" && key != "Comment" && key != "Keywords") ||
            !IsMenuText(line.substr(equals + 1)))
            continue;
        for (const Language& language : languages)
            if (const std::string shown = MenuText(*language.translator, line.substr(equals + 1));
                !shown.empty())
                out += key + "[" + language.code + "]=" + shown + "\n";
    }
    if (out.find("@MENU_TRANSLATIONS@") != std::string::npos) {
        QJsonObject all;
        for (const Language& language : languages) {
            QJsonObject texts;
            for (const char* english : kMenuTexts)
                if (const std::string shown = MenuText(*language.translator, english);
                    !shown.empty())
                    texts[QString::fromUtf8(english)] = QString::fromStdString(shown);
            all[QString::fromStdString(language.code)] = texts;
        }
        ReplaceAll(out, "@MENU_TRANSLATIONS@",
                   QJsonDocument(all).toJson(QJsonDocument::Compact).toStdString());
    }
    return out;
}
