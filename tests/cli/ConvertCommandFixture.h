#pragma once
// The built program run on generated photos, for the end-to-end tests.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace clitest {

namespace fs = std::filesystem;

using Outcome = testsupport::ProgramOutcome;
using testsupport::FilesBelow;
using testsupport::FolderEntries;
using testsupport::ReadAll;

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
    // terminal (input, or nothing); env entries ("NAME=value") come before
    // the environment's own.
    pid_t Start(const std::vector<std::string>& args, const std::string& input = {},
                const std::vector<std::string>& env = {}) {
        std::vector<std::string> argv{QUILLMERE_CONVERT_BIN};
        argv.insert(argv.end(), args.begin(), args.end());
        return testsupport::StartProgram(argv, dir.path(), input, env);
    }

    // Waits for a program Start began; termSignal is the signal that ended
    // it, 0 when it exited; peakKiB its largest resident size.
    Outcome Finish(pid_t child, int* termSignal = nullptr, long* peakKiB = nullptr) {
        return testsupport::FinishProgram(child, dir.path(), termSignal, peakKiB);
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

    // count pictures in[0..count-1].png of distinct sizes, as a list.
    std::string PictureList(int count, char separator) {
        std::string list;
        for (int i = 0; i < count; ++i)
            list += Picture(in + "/" + std::to_string(i) + ".png", 20 + i, 10 + i) + separator;
        return list;
    }
};

}  // namespace clitest
