// The command line under faults: signals in the middle of a run, folders
// that cannot be searched, damaged files, a memory budget.

#include "ConvertCommandFixture.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <thread>

namespace {

using namespace clitest;

// Watches a folder from its making on; Wait blocks until a file that is not
// hidden gets a name in it, false when none does within a generous guard (a
// hung program fails the test instead of hanging it).
class OutputWatch {
public:
    explicit OutputWatch(const std::string& folder) : fd_(inotify_init1(IN_CLOEXEC)) {
        fs::create_directories(folder);
        inotify_add_watch(fd_, folder.c_str(), IN_CREATE | IN_MOVED_TO);
    }
    ~OutputWatch() { close(fd_); }

    bool Wait() {
        alignas(inotify_event) char buffer[4096];
        for (pollfd ready{fd_, POLLIN, 0}; poll(&ready, 1, 120000) == 1;) {
            const ssize_t n = read(fd_, buffer, sizeof buffer);
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0 && event->name[0] != '.')
                    return true;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return false;
    }

private:
    int fd_;
};

// A signal in the middle of a run: no temporary file is left behind, and
// what is there is whole. SIGTERM and SIGHUP stop the run like Ctrl-C.
TEST_F(ConvertCommand, SignalMidRunLeavesOnlyWholeOutputs) {
    std::vector<std::string> photos;
    for (int i = 0; i < 16; ++i)
        photos.push_back(Picture(in + "/p" + std::to_string(i) + ".png", 900, 700));
    for (const int signal : {SIGTERM, SIGHUP, SIGKILL}) {
        const std::string folder = dir.file("run" + std::to_string(signal));
        OutputWatch watch(folder);
        std::vector<std::string> args{"--into", folder, "-j", "2", "--format=png", "--size=original"};
        args.insert(args.end(), photos.begin(), photos.end());
        const pid_t child = Start(args);
        ASSERT_TRUE(watch.Wait()) << "no output appeared";
        kill(child, signal);
        int ended = 0;
        const Outcome r = Finish(child, &ended);
        const std::vector<std::string> names = FolderEntries(folder);
        for (const std::string& name : names) {
            EXPECT_NE(name[0], '.') << name << " left behind after signal " << signal;
            EXPECT_EQ(QImage(QString::fromStdString(folder + "/" + name)).width(), 900) << name;
        }
        if (signal == SIGKILL) {
            EXPECT_EQ(ended, SIGKILL);
            continue;
        }
        EXPECT_EQ(r.exitCode, 1) << signal << r.err;
        EXPECT_NE(r.err.find("stopped: "), std::string::npos) << r.err;
        EXPECT_LT(names.size(), photos.size());
    }
}

// After a stop the report still names every photo: the ones never begun as
// not started, as many as the summary counts.
TEST_F(ConvertCommand, ReportNamesEveryPhotoAfterAStop) {
    std::vector<std::string> args{"--into", dir.file("stopped"), "-j", "1", "--format=png",
                                  "--size=original", "--report", dir.file("report.jsonl")};
    for (int i = 0; i < 8; ++i)
        args.push_back(Picture(in + "/p" + std::to_string(i) + ".png", 900, 700));
    OutputWatch watch(dir.file("stopped"));
    const pid_t child = Start(args);
    ASSERT_TRUE(watch.Wait()) << "no output appeared";
    kill(child, SIGTERM);
    const Outcome r = Finish(child);
    EXPECT_EQ(r.exitCode, 1) << r.err;
    std::vector<std::string> statuses;
    int notStarted = -1;
    for (const std::string& line : testsupport::FileLines(dir.file("report.jsonl"))) {
        const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        if (object.contains("summary"))
            notStarted = object["notStarted"].toInt();
        else
            statuses.push_back(object["status"].toString().toStdString());
    }
    ASSERT_EQ(statuses.size(), 8u);
    EXPECT_EQ(statuses.front(), "converted");
    EXPECT_GT(notStarted, 0);
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "not-started"), notStarted);
    // In list order: nothing converted after the first one not started.
    const auto first = std::find(statuses.begin(), statuses.end(), "not-started");
    EXPECT_EQ(std::count(first, statuses.end(), "converted"), 0);
}

// Whether the process still has its own handler for signal, read from the
// system's view of it: the first stop signal puts the default one back.
bool CatchesSignal(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

// A user who presses Ctrl-C twice wants the program gone now, not after the
// photos in hand.
TEST_F(ConvertCommand, SecondStopSignalEndsTheProgramAtOnce) {
    const std::string big = Picture(in + "/big.png", 4000, 3000);
    for (const int signal : {SIGINT, SIGTERM}) {
        const std::string folder = dir.file("twice" + std::to_string(signal));
        OutputWatch watch(folder);
        const pid_t child =
            Start({"--into", folder, "-j", "1", "--format=png", "--size=original", big, big, big});
        // The second photo is in hand when the first is written.
        ASSERT_TRUE(watch.Wait()) << "no output appeared";
        kill(child, signal);
        const auto guard = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (CatchesSignal(child, signal) && std::chrono::steady_clock::now() < guard)
            std::this_thread::yield();
        kill(child, signal);
        int ended = 0;
        const Outcome r = Finish(child, &ended);
        EXPECT_EQ(ended, signal) << r.err;
    }
}

// The damaged PNG is refused whatever the number of photos at once, and
// the others come out the same.
TEST_F(ConvertCommand, DamagedPngGivesTheSameFilesWithOneOrTwoJobs) {
    QImage noise(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb(x * 7 % 256, (x ^ y) % 256, (x * y) % 251));
    ASSERT_TRUE(noise.save(QString::fromStdString(in + "/damaged.png"), "PNG"));
    ASSERT_GT(testsupport::DamageLastPngData(in + "/damaged.png"), 16u);
    Picture(in + "/a.png");
    Picture(in + "/z.png");
    std::vector<std::string> files[2];
    for (const int jobs : {1, 2}) {
        const std::string folder = dir.file("out" + std::to_string(jobs));
        fs::create_directories(folder);
        const Outcome r = Run({"-o", folder, "-j", std::to_string(jobs), "--no-rename", in});
        EXPECT_EQ(r.exitCode, 1) << r.err;
        EXPECT_NE(r.err.find("damaged.png: Failed to convert photo!"), std::string::npos) << r.err;
        files[jobs - 1] = FolderEntries(r.LastOutLine());
    }
    EXPECT_EQ(files[0], (std::vector<std::string>{"a.jpg", "z.jpg"}));
    EXPECT_EQ(files[1], files[0]);
}

// Two large photos under a budget smaller than one: converted one after the
// other, so the peak stays near that of a one-at-a-time run, while two
// jobs without a budget hold both at once (a second surface and more).
TEST_F(ConvertCommand, SmallMemoryBudgetConvertsLargePhotosInTurn) {
    constexpr int kWidth = 4000, kHeight = 3000;  // 36 MB a surface
    constexpr long kHalfSurfaceKiB = long{kWidth} * kHeight * 3 / 1024 / 2;
    std::vector<std::string> args{"--format=png", "--size=original", "--rotate=90", "--quiet"};
    for (const char* name : {"a.png", "b.png"})
        args.push_back(Picture(in + "/" + name, kWidth, kHeight));
    // Freed memory goes back at once, so that the peak shows what was held.
    const std::vector<std::string> env{"ASAN_OPTIONS=quarantine_size_mb=0:detect_leaks=0"};
    auto peakOf = [&](const std::string& name, std::vector<std::string> options) {
        const std::string folder = dir.file(name);
        fs::create_directories(folder);
        options.insert(options.end(), {"-o", folder});
        options.insert(options.end(), args.begin(), args.end());
        long peak = 0;
        const Outcome r = Finish(Start(options, {}, env), nullptr, &peak);
        EXPECT_EQ(r.exitCode, 0) << name << r.err;
        return peak;
    };
    const long inTurn = peakOf("one", {"-j", "1"});
    const long budgeted = peakOf("budget", {"-j", "2", "--max-memory", "1"});
    const long together = peakOf("two", {"-j", "2"});
    EXPECT_LT(budgeted, inTurn + kHalfSurfaceKiB) << "one at a time: " << inTurn << " KiB";
    EXPECT_GT(together, inTurn + kHalfSurfaceKiB) << "one at a time: " << inTurn << " KiB";
}

// A photo the search cannot reach is named, and the run does not claim
// success: a folder no one can list, and a loop named on the command line.
TEST_F(ConvertCommand, UnreachablePlacesAreNamedAndExitOne) {
    const std::string a = Picture(in + "/a.png");
    const testsupport::TooDeepFolders deep(in, "deep", "lost.png");
    symlink("loop", (in + "/loop").c_str());
    const Outcome r = Run({"-o", out, in, in + "/loop"});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_NE(r.err.find(deep.FirstTooLong() + ": could not be searched (File name too long), skipped"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(in + "/loop: could not be searched (Too many levels of symbolic links)"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(in + "/loop: a loop of symbolic links, skipped"), std::string::npos) << r.err;
    EXPECT_EQ(FolderEntries(r.LastOutLine()).size(), 1u);
}

}  // namespace
