#include "app/ShellHelpers.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include "app/Paths.h"
#include "app/ProductInfo.h"
#include "app/Prompter.h"

namespace {

constexpr const char* kHelpPage = "Introduction.html";

}  // namespace

std::string HelpPagePath() {
    QStringList folders{QStringLiteral(QUILLMERE_INSTALL_DATA_DIR)};
    // A relocated install keeps its data beside the program: <prefix>/bin and
    // <prefix>/share/quillmere.
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quillmere");
    folders << QStringLiteral(QUILLMERE_BUILD_DATA_DIR);
    for (const QString& folder : folders) {
        QFileInfo page(QDir(folder), QString::fromLatin1(kHelpPage));
        if (page.isFile())
            return paths::FromQString(page.absoluteFilePath());
    }
    return {};
}

bool ShowHelp() {
    std::string page = HelpPagePath();
    if (page.empty())
        return false;
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(paths::ToQString(page)));
}

bool OpenUrlOnDesktop(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

std::string BrowserFailureText(const std::string& url) {
    return "The Program does not launch your web browser to access " + url +
           " ,\nPlease launch your web browser and input the URL manually.";
}

void OpenProductPage(Prompter& prompter, const UrlOpener& open) {
    if (!open(kProductPageUrl))
        prompter.Tell(BrowserFailureText(kProductPageUrl), "Unknown error", PromptIcon::Error);
}
