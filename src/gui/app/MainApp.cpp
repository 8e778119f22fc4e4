#include "app/MainApp.h"

#include <QApplication>
#include <QTimer>

#include "dialogs/AppIcon.h"
#include "platform/SettingsStore.h"
#include "window/MainDialog.h"

int MainApp::InitInstance(const std::vector<std::string>& paths) {
    // The settings file is named after the program (Qt takes the program
    // file's name as the application name), under the maker's folder.
    QApplication::setApplicationDisplayName(QStringLiteral("Quillmere"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLMERE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmere"));
    QApplication::setWindowIcon(QuillmereIcon());
    SettingsStore::SetRoot(settings::kMaker);

    // Before the window exists: its constructor already reads the store.
    MainDialog window;
    window.show();
    if (!paths.empty())
        QTimer::singleShot(0, &window, [&window, paths] { window.OpenPaths(paths); });
    window.exec();
    return 0;
}
