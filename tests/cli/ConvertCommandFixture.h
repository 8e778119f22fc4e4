#pragma once
// The built program run on generated photos, for the end-to-end tests.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "support/TestSupport.h"

namespace clitest {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
    std::string LastOutLine() const {
        std::string s = out;
        while (!s.empty() && s.back() == '\n')
            s.pop_back();
        const std::size_t nl = s.rfind('\n');
        return nl == std::string::npos ? s : s.substr(nl + 1);
    }
};

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ConvertCommand : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    std::string out = dir.file("out");
    std::string in = dir.file("in");

    void SetUp() override {
        fs::create_directories(out);
        fs::create_directories(in + "/sub");
    }

    // Starts the program in the background with standard input not a
    // terminal (input, or nothing) and its output going to files; env
    // entries ("NAME=value") come before the environment's own.
    pid_t Start(const std::vector<std::string>& args, const std::string& input = {},
                const std::vector<std::string>& env = {}) {
        std::vector<std::string> words{QUILLMERE_CONVERT_BIN};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        std::vector<std::string> environment = env;
        for (char** e = environ; *e; ++e)
            environment.push_back(*e);
        std::vector<char*> envp;
        for (std::string& entry : environment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        const std::string inFile = dir.file("stdin.txt"), outFile = dir.file("stdout.txt"),
                          errFile = dir.file("stderr.txt");
        std::ofstream(inFile, std::ios::binary) << input;
        const pid_t child = fork();
        if (child == 0) {
            const int in = open(inFile.c_str(), O_RDONLY);
            const int output = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int errors = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (in < 0 || output < 0 || errors < 0 || dup2(in, 0) < 0 || dup2(output, 1) < 0 ||
                dup2(errors, 2) < 0)
                _exit(126);
            execve(argv[0], argv.data(), envp.data());
            _exit(127);
        }
        return child;
    }

    // Waits for a program Start began; termSignal is the signal that ended
    // it, 0 when it exited; peakKiB its largest resident size.
    Outcome Finish(pid_t child, int* termSignal = nullptr, long* peakKiB = nullptr) {
        int status = 0;
        rusage usage{};
        Outcome r;
        if (child > 0 && wait4(child, &status, 0, &usage) == child) {
            if (peakKiB)
                *peakKiB = usage.ru_maxrss;
            r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            if (termSignal)
                *termSignal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        }
        r.out = ReadAll(dir.file("stdout.txt"));
        r.err = ReadAll(dir.file("stderr.txt"));
        return r;
    }

    Outcome Run(const std::vector<std::string>& args, const std::string& input = {},
                const std::vector<std::string>& env = {}) {
        return Finish(Start(args, input, env));
    }

    std::string Picture(const std::string& path, int w = 40, int h = 30) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(QColor(200, 120, 40));
        EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG"));
        return path;
    }

    static std::vector<std::string> Names(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Every file below folder: its path below it and its bytes.
    static std::map<std::string, std::string> Tree(const std::string& folder) {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(folder))
            if (e.is_regular_file())
                files[fs::relative(e.path(), folder).string()] = ReadAll(e.path().string());
        return files;
    }

    // count pictures in[0..count-1].png of distinct sizes, as a list.
    std::string PictureList(int count, char separator) {
        std::string list;
        for (int i = 0; i < count; ++i)
            list += Picture(in + "/" + std::to_string(i) + ".png", 20 + i, 10 + i) + separator;
        return list;
    }
};

}  // namespace clitest
