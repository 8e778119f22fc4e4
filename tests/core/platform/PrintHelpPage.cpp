// Prints the help page Help would open, for tests that start it with the
// desktop's language variables of their own (Qt reads them once a process).

#include <QCoreApplication>

#include <iostream>

#include "platform/ShellHelpers.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::cout << HelpPagePath() << "\n";
    return 0;
}
