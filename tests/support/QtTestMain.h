#pragma once
// main() for Qt Test executables on the widgets: a private settings store
// (XDG_CONFIG_HOME) and home folder before the application or any settings
// exist, then the test object.

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

#include "platform/SettingsStore.h"

#define QUILLMERE_QTEST_MAIN(TestObject)                                                  \
    int main(int argc, char** argv) {                                                     \
        QTemporaryDir configHome;                                                         \
        QTemporaryDir home;                                                               \
        QTemporaryDir runtimeDir;                                                         \
        setenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit().constData(), 1);        \
        setenv("HOME", home.path().toLocal8Bit().constData(), 1);                         \
        if (!std::getenv("XDG_RUNTIME_DIR"))                                              \
            setenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit().constData(), 1);    \
        if (!std::getenv("QT_QPA_PLATFORM"))                                              \
            setenv("QT_QPA_PLATFORM", "offscreen", 1);                                    \
        QApplication app(argc, argv);                                                     \
        SettingsStore::SetRoot(settings::kMaker, "quillmere-tests");                      \
        TestObject test;                                                                  \
        return QTest::qExec(&test, argc, argv);                                           \
    }
