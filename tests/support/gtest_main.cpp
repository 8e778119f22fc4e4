// Test main of the core tests: a private settings store and a headless
// QGuiApplication (text drawing needs one) before any test runs.

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/SettingsStore.h"

int main(int argc, char** argv) {
    QTemporaryDir configHome;
    QTemporaryDir runtimeDir;
    setenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit().constData(), 1);
    if (!std::getenv("XDG_RUNTIME_DIR"))
        setenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit().constData(), 1);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    SettingsStore::SetRoot(settings::kMaker, "quillmere-tests");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
