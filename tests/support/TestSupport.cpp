#include "support/TestSupport.h"

#include <QSettings>

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
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

TooDeepFolders::TooDeepFolders(const std::string& parent, const std::string& name,
                               const std::string& file)
    : top_(parent + "/" + name) {
    const std::string level(200, 'd');
    int fd = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::string path = parent;
    for (std::string next = name; fd >= 0 && firstTooLong_.empty(); next = level) {
        path += "/" + next;
        if (path.size() >= PATH_MAX)
            firstTooLong_ = path;
        ::mkdirat(fd, next.c_str(), 0755);
        const int child = ::openat(fd, next.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = child;
    }
    if (fd >= 0) {
        ::close(::openat(fd, file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        ::close(fd);
    }
}

TooDeepFolders::~TooDeepFolders() {
    // rm walks by descriptors too.
    const std::string command = "rm -rf '" + top_ + "'";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", top_.c_str());
}

}  // namespace testsupport
