#include "texts/Translations.h"

#include "platform/ShownLanguage.h"
#include "platform/Words.h"
#include "texts/FillText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <vector>

namespace {

struct Loaded {
    std::vector<std::unique_ptr<QTranslator>> translators;
    QString folder;
    QString language;  // of the program's own translation loaded last
    QCoreApplication* installedInto = nullptr;
};

Loaded& TheLoaded() {
    static Loaded loaded;
    return loaded;
}

std::mutex& LoadMutex() {
    static std::mutex mutex;
    return mutex;
}

QString FindFolder() {
    QStringList folders{QStringLiteral(QUILLMERE_INSTALL_DATA_DIR "/translations")};
    // A relocated install keeps its data beside the program; the command line
    // may have no application to ask for its folder, so the link names it.
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        folders << QString::fromStdString(exe.parent_path().string()) +
                       QStringLiteral("/../share/quillmere/translations");
    folders << QStringLiteral(QUILLMERE_BUILD_DATA_DIR "/translations");
    for (const QString& folder : folders) {
        if (!QDir(folder).entryList({QStringLiteral("quillmere_*.qm")}, QDir::Files).isEmpty())
            return QDir(folder).absolutePath();
    }
    return {};
}

// The English plural forms, loaded at their first use: English reads
// "1 photo" also where no translation was loaded (a tool, a test).
const QTranslator* EnglishForms() {
    static const std::unique_ptr<QTranslator> forms = [] {
        auto english = std::make_unique<QTranslator>();
        const QString folder = FindFolder();
        if (folder.isEmpty() || !english->load(QStringLiteral("quillmere_en"), folder))
            english.reset();
        return english;
    }();
    return forms.get();
}

// "de" of ".../quillmere_de.qm".
QString LanguageOfFile(const QString& path) {
    return QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 1);
}

}  // namespace

void LoadTranslations() {
    std::lock_guard lock(LoadMutex());
    Loaded& loaded = TheLoaded();
    if (loaded.translators.empty() && loaded.folder.isEmpty()) {
        loaded.folder = FindFolder();
        const QLocale wanted = QLocale::system();
        // Qt's own dialogs (file chooser, colour picker, standard buttons).
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(wanted, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            loaded.translators.push_back(std::move(qt));
        // The English forms of the plural texts ("%n photo" / "%n photos"; the
        // source holds one form only), below the user's language, for tr().
        auto english = std::make_unique<QTranslator>();
        if (!loaded.folder.isEmpty() &&
            english->load(QStringLiteral("quillmere_en"), loaded.folder))
            loaded.translators.push_back(std::move(english));
        auto own = std::make_unique<QTranslator>();
        if (!loaded.folder.isEmpty() &&
            own->load(wanted, QStringLiteral("quillmere"), QStringLiteral("_"), loaded.folder)) {
            loaded.language = LanguageOfFile(own->filePath());
            loaded.translators.push_back(std::move(own));
        }
        if (loaded.folder.isEmpty())
            loaded.folder = QStringLiteral(" ");  // looked, found none: do not look again
    }
    QCoreApplication* app = QCoreApplication::instance();
    if (app && loaded.installedInto != app) {
        for (const auto& translator : loaded.translators)
            QCoreApplication::installTranslator(translator.get());
        loaded.installedInto = app;
    }
}

bool LoadTranslationFile(const QString& path) {
    std::lock_guard lock(LoadMutex());
    Loaded& loaded = TheLoaded();
    auto own = std::make_unique<QTranslator>();
    if (!own->load(path))
        return false;
    loaded.translators.push_back(std::move(own));
    loaded.folder = QFileInfo(path).absolutePath();
    loaded.language = LanguageOfFile(path);
    return true;
}

QString Translate(const char* context, const char* source, const char* disambiguation, int n) {
    // Asks the loaded translators itself, so that a text is translated the
    // same before and after the command line makes an application.
    QString text;
    // Newest first, as an application asks its installed translators.
    const auto& translators = TheLoaded().translators;
    for (auto it = translators.rbegin(); it != translators.rend() && text.isNull(); ++it) {
        const QString found = (*it)->translate(context, source, disambiguation, n);
        if (!found.isEmpty())
            text = found;
    }
    if (text.isNull() && n >= 0 && EnglishForms()) {
        const QString english = EnglishForms()->translate(context, source, disambiguation, n);
        if (!english.isEmpty())
            text = english;
    }
    if (text.isNull())
        text = QString::fromUtf8(source);
    if (n >= 0)
        text.replace(QStringLiteral("%n"), QString::number(n));
    return text;
}

QString TranslationsFolder() {
    std::lock_guard lock(LoadMutex());
    const QString folder = TheLoaded().folder;
    return folder.trimmed();
}

namespace {

// The English text of source: its English plural form for n, else itself.
std::string English(const char* context, const char* source, const char* disambiguation, int n) {
    std::string english = source;
    if (n < 0)
        return english;
    if (const QTranslator* forms = EnglishForms()) {
        const QString found = forms->translate(context, source, disambiguation, n);
        if (!found.isEmpty())
            english = found.toStdString();
    }
    ReplaceAll(english, "%n", std::to_string(n));
    return english;
}

}  // namespace

namespace {

std::string FilledFrom(const std::string& text, const std::string* values, std::size_t count) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (text[at] == '%' && next >= '1' && next <= '9' && index < count) {
            out += values[index];
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}

}  // namespace

std::string words::Filled(const std::string& text, std::initializer_list<std::string> values) {
    return FilledFrom(text, values.begin(), values.size());
}

Words& Words::Arg(std::initializer_list<Words> values) {
    std::vector<std::string> english, shown;
    for (const Words& value : values) {
        english.push_back(value.english);
        shown.push_back(value.shown);
    }
    this->english = FilledFrom(this->english, english.data(), english.size());
    this->shown = FilledFrom(this->shown, shown.data(), shown.size());
    return *this;
}

Words& Words::Arg(std::initializer_list<std::string> values) {
    english = words::Filled(english, values);
    shown = words::Filled(shown, values);
    return *this;
}

Words words::translate(const char* context, const char* source, const char* disambiguation, int n) {
    return {English(context, source, disambiguation, n),
            Translate(context, source, disambiguation, n).toStdString()};
}

std::string words::Language() {
    LoadTranslations();
    std::lock_guard lock(LoadMutex());
    return TheLoaded().language.toStdString();
}

std::string words::Shown(const char* context, const std::string& english) {
    if (english.empty())
        return english;
    return Translate(context, english.c_str()).toStdString();
}

std::string shown::translate(const char* context, const char* source, const char* disambiguation,
                             int n) {
    return Translate(context, source, disambiguation, n).toStdString();
}
