#include <QApplication>

#include "app/MainApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MainApp mainApp;
    return mainApp.InitInstance();
}
