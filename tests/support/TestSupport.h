#pragma once
// Helpers shared by the core tests.

#include <string>

namespace testsupport {

// The public test data folder beside the project (shared/testdata).
std::string TestDataDir();
// This folder of tests (tests/), for small inputs under tests/data.
std::string TestSourceDir();

// Empties the settings store the tests run against (a temporary
// XDG_CONFIG_HOME made by the test main).
void ClearSettings();

// A fresh empty temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }  // without trailing '/'
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Folders nested under parent/name until the path of the deepest one is
// longer than the system takes (PATH_MAX), an empty file in that one; made
// and removed through descriptors, since a path that long cannot be used
// whole. A folder no search can list, whoever runs it, root included.
class TooDeepFolders {
public:
    TooDeepFolders(const std::string& parent, const std::string& name, const std::string& file);
    ~TooDeepFolders();
    TooDeepFolders(const TooDeepFolders&) = delete;
    TooDeepFolders& operator=(const TooDeepFolders&) = delete;
    // The deepest folder; its parent's path still works.
    const std::string& FirstTooLong() const { return firstTooLong_; }

private:
    std::string top_;
    std::string firstTooLong_;
};

}  // namespace testsupport
