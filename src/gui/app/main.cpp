#include <QApplication>
#include <QLocale>

#include <string>
#include <vector>

#include "app/MainApp.h"
#include "platform/DisplayLocale.h"
#include "texts/Translations.h"

// quillmere [FILE|FOLDER]...: what a file manager's "Open with" hands over.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    LoadTranslations();
    // Dates and numbers in the window follow the desktop's locale.
    QLocale::setDefault(DisplayLocale());
    // Qt has taken its own options out of argv; the rest are paths, kept as
    // the bytes the file system names them with.
    MainApp mainApp;
    return mainApp.InitInstance(std::vector<std::string>(argv + 1, argv + argc));
}
