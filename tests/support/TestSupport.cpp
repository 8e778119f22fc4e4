#include "support/TestSupport.h"

#include <QSettings>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "app/SettingsStore.h"

namespace testsupport {

std::string TestDataDir() {
    const char* dir = std::getenv("QUILLMERE_TESTDATA");
    return dir ? dir : "../shared/testdata";
}

std::string TestSourceDir() {
    const char* dir = std::getenv("QUILLMERE_TEST_SOURCE_DIR");
    return dir ? dir : "tests";
}

void ClearSettings() {
    std::filesystem::path file(SettingsStore::Location());
    std::error_code ec;
    std::filesystem::remove(file, ec);
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quillmere-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace testsupport
