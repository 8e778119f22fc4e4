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

}  // namespace testsupport
