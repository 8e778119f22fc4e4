#include "platform/ShellHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/Paths.h"
#include "platform/ProductInfo.h"
#include "platform/Prompter.h"
#include "platform/ShownLanguage.h"
#include "platform/Words.h"

namespace {

constexpr const char* kHelpPage = "Introduction.html";

void OpenInBrowser(Prompter& prompter, QObject* context, const UrlOpener& open,
                   const std::string& url) {
    open(url, context, [&prompter, url] {
        prompter.Tell(BrowserFailureText(url), shown::translate("Messages", "Unknown error"),
                      PromptIcon::Error);
    });
}

// The pages to look for, best first: the page of the language the
// program's texts are shown in ("Introduction.pt_BR.html"), then the
// English page.
QStringList HelpPageNames() {
    QStringList names;
    const std::string language = words::Language();
    if (!language.empty())
        names << QStringLiteral("Introduction.%1.html").arg(QString::fromStdString(language));
    names << QString::fromLatin1(kHelpPage);
    return names;
}

}  // namespace

std::string HelpPagePath() {
    QStringList folders{QStringLiteral(QUILLMERE_INSTALL_DATA_DIR)};
    // A relocated install keeps its data beside the program: <prefix>/bin and
    // <prefix>/share/quillmere.
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quillmere");
    folders << QStringLiteral(QUILLMERE_BUILD_DATA_DIR);
    const QStringList names = HelpPageNames();
    for (const QString& folder : folders) {
        // The first folder with the English page holds the program's pages.
        if (!QFileInfo(QDir(folder), QString::fromLatin1(kHelpPage)).isFile())
            continue;
        for (const QString& name : names) {
            const QFileInfo page(QDir(folder), name);
            if (page.isFile())
                return paths::FromQString(page.absoluteFilePath());
        }
    }
    return {};
}

void OpenUrlOnDesktop(const std::string& url, QObject* context, std::function<void()> failed) {
    // xdg-open's status says whether a handler took the address, which the
    // desktop services of Qt do not.
    auto* process = new QProcess(context);
    QObject::connect(process, &QProcess::finished, process, [process, failed](int code, QProcess::ExitStatus status) {
        process->deleteLater();
        if (status != QProcess::NormalExit || code != 0)
            failed();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        failed();
    });
    process->start(QStringLiteral("xdg-open"), {QString::fromStdString(url)});
}

std::string FileUrl(const std::string& path) {
    return QUrl::fromLocalFile(paths::ToQString(path)).toString().toStdString();
}

std::string BrowserFailureText(const std::string& url) {
    return words::Filled(shown::translate("Messages",
                                          "The Program does not launch your web browser to access "
                                          "%1 ,\nPlease launch your web browser and input the URL "
                                          "manually."),
                         {url});
}

void ShowHelp(Prompter& prompter, QObject* context, const UrlOpener& open) {
    const std::string page = HelpPagePath();
    if (page.empty()) {
        prompter.Tell(words::Filled(shown::translate("Messages", "The help page %1 is missing."),
                                    {kHelpPage}),
                      shown::translate("Messages", "Unknown error"), PromptIcon::Error);
        return;
    }
    OpenInBrowser(prompter, context, open, FileUrl(page));
}

const char* SourceUrl() {
    return QUILLMERE_SOURCE_URL;
}

bool BuiltForPackage() {
    return QUILLMERE_PACKAGED != 0;
}

std::string UpdateText(bool packaged, const std::string& sourceUrl) {
    const std::string product = kProductName;
    std::string text = words::Filled(shown::translate("Messages", "%1 %2 is installed."),
                                     {product, QUILLMERE_VERSION}) +
                       "\n\n";
    if (packaged)
        return text + words::Filled(shown::translate("Messages",
                                                     "Updates come from your system's package "
                                                     "manager: update %1 there together with your "
                                                     "other programs."),
                                    {product});
    text += shown::translate("Messages",
                             "This copy was built from source, outside a package, so the package "
                             "manager does not update it.");
    if (!sourceUrl.empty())
        text += " " + words::Filled(
                          shown::translate("Messages", "Newer versions of the source are at %1."),
                          {sourceUrl});
    return text + " " +
           words::Filled(shown::translate("Messages",
                                          "A packaged %1 gets its updates from your system's "
                                          "package manager."),
                         {product});
}
