// Build tool: writes the help page from its template and the program's
// tables. Usage: quillmere-help-page TEMPLATE OUTPUT

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "app/HelpPage.h"
#include "cli/CliOptions.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[0] << ": cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string page{std::istreambuf_iterator<char>(in), {}};
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << FillHelpPage(page, UsageText());
    out.close();
    if (!out) {
        std::cerr << argv[0] << ": cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
