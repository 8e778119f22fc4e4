#include "support/TestSupport.h"

#include <QSettings>

#include <fcntl.h>
#include <limits.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/ProductInfo.h"
#include "platform/SettingsStore.h"

namespace testsupport {

std::string TestDataDir() {
    const char* dir = std::getenv("QUILLMERE_TESTDATA");
    return dir ? dir : "../shared/testdata";
}

std::string TestSourceDir() {
    const char* dir = std::getenv("QUILLMERE_TEST_SOURCE_DIR");
    return dir ? dir : "tests";
}

std::string CameraPhoto() {
    return TestSourceDir() + "/data/defaults/source.jpg";
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

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> FileLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        if (e.path().filename() != kRunFolderMarker)
            names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::map<std::string, std::string> FilesBelow(const std::string& folder) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file() && e.path().filename() != kRunFolderMarker)
            files[fs::relative(e.path(), folder).string()] = ReadAll(e.path().string());
    return files;
}

int64_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&t));
}

bool SetModified(const std::string& path, int64_t seconds) {
    const timeval times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
    return ::utimes(path.c_str(), times) == 0;
}

std::size_t DamageLastPngData(const std::string& path) {
    std::string bytes = ReadAll(path);
    const std::size_t last = bytes.rfind("IDAT");  // after its 4-byte length
    const auto length = uint32_t(uint8_t(bytes[last - 2])) << 8 | uint8_t(bytes[last - 1]);
    bytes[last + 4 + length / 2] ^= 0x5A;
    std::ofstream(path, std::ios::binary) << bytes;
    return length;
}

std::string ProgramOutcome::LastOutLine() const {
    std::string s = out;
    while (!s.empty() && s.back() == '\n')
        s.pop_back();
    const std::size_t nl = s.rfind('\n');
    return nl == std::string::npos ? s : s.substr(nl + 1);
}

pid_t StartProgram(const std::vector<std::string>& argv, const std::string& folder,
                   const std::string& input, const std::vector<std::string>& env) {
    // Everything the child needs is made before the fork.
    std::vector<std::string> words = argv;
    std::vector<char*> args;
    for (std::string& word : words)
        args.push_back(word.data());
    args.push_back(nullptr);
    std::vector<std::string> environment = env;
    for (char** e = environ; *e; ++e)
        environment.push_back(*e);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    const std::string inFile = folder + "/stdin.txt", outFile = folder + "/stdout.txt",
                      errFile = folder + "/stderr.txt";
    std::ofstream(inFile, std::ios::binary) << input;
    const pid_t child = fork();
    if (child == 0) {
        const int in = open(inFile.c_str(), O_RDONLY);
        const int output = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int errors = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || output < 0 || errors < 0 || dup2(in, 0) < 0 || dup2(output, 1) < 0 ||
            dup2(errors, 2) < 0)
            _exit(126);
        execve(args[0], args.data(), envp.data());
        _exit(127);
    }
    return child;
}

ProgramOutcome FinishProgram(pid_t child, const std::string& folder, int* termSignal,
                             long* peakKiB) {
    int status = 0;
    rusage usage{};
    ProgramOutcome r;
    if (child > 0 && wait4(child, &status, 0, &usage) == child) {
        if (peakKiB)
            *peakKiB = usage.ru_maxrss;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (termSignal)
            *termSignal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }
    r.out = ReadAll(folder + "/stdout.txt");
    r.err = ReadAll(folder + "/stderr.txt");
    return r;
}

}  // namespace testsupport
