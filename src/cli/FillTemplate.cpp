// Build tool: writes a data file (the help page, the desktop entry) from its
// template and the program's tables. Usage: quillmere-fill TEMPLATE OUTPUT
// [TRANSLATION.qm]; with a translation, what the tables and the usage text
// add to the page is in its language.

#include <QCoreApplication>

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "texts/DesktopEntry.h"
#include "texts/HelpPage.h"
#include "texts/Translations.h"
#include "CliOptions.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: " << argv[0] << " TEMPLATE OUTPUT [TRANSLATION.qm]\n";
        return 2;
    }
    QCoreApplication app(argc, argv);
    // The build's own file, never the desktop's language nor an installed one.
    if (argc == 4 && !LoadTranslationFile(QString::fromLocal8Bit(argv[3]))) {
        std::cerr << argv[0] << ": cannot read the translation " << argv[3] << "\n";
        return 1;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[0] << ": cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    // Each fills only its own markers.
    const std::string filled = FillDesktopEntry(FillHelpPage(text, UsageText()));
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << filled;
    out.close();
    if (!out) {
        std::cerr << argv[0] << ": cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
