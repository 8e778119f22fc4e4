#include <gtest/gtest.h>

#include <sys/stat.h>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "run/ActivityLog.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"

namespace {

using testsupport::FileLines;

TEST(ActivityLog, EntryFormat) {
    EXPECT_EQ(ActivityLog::FormatEntry(testsupport::LocalTime(2009, 1, 2, 9, 5, 3), "hello"),
              "2009/01/02 09:05:03 hello");
}

TEST(ActivityLog, AppendsWholeLinesToFileAndList) {
    testsupport::TempDir dir;
    { std::ofstream(dir.file("Corvale.log"), std::ios::binary) << "earlier run\n"; }
    ActivityLog log(dir.path());  // no trailing '/'
    EXPECT_EQ(log.FilePath(), dir.file("Corvale.log"));
    std::vector<std::string> seen;
    log.SetLineAddedCallback([&](const std::string& entry) { seen.push_back(entry); });
    EXPECT_TRUE(log.AddLogLine("first"));
    EXPECT_TRUE(log.AddLogLine("/in/a.jpg second"));

    const auto lines = FileLines(log.FilePath());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "earlier run");
    // "YYYY/MM/DD HH:MM:SS " then the message.
    ASSERT_EQ(lines[2].size(), 20 + std::string("/in/a.jpg second").size());
    EXPECT_EQ(lines[2][4], '/');
    EXPECT_EQ(lines[2][10], ' ');
    EXPECT_EQ(lines[2][13], ':');
    EXPECT_EQ(lines[2].substr(19), " /in/a.jpg second");
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{lines[1], lines[2]}));
    EXPECT_EQ(seen, log.Lines());

    log.ClearLines();
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(FileLines(log.FilePath()).size(), 3u);  // the file is never emptied
}

TEST(ActivityLog, ListKeepsLast500FileKeepsAll) {
    testsupport::TempDir dir;
    ActivityLog log(dir.path() + "/");
    for (int i = 1; i <= 501; ++i) ASSERT_TRUE(log.AddLogLine("entry " + std::to_string(i)));
    const auto lines = log.Lines();
    ASSERT_EQ(lines.size(), 500u);
    EXPECT_EQ(lines.front().substr(20), "entry 2");
    EXPECT_EQ(lines.back().substr(20), "entry 501");
    EXPECT_EQ(FileLines(log.FilePath()).size(), 501u);
}

// The line stays in the list; the lost file is told once, not at every line.
TEST(ActivityLog, UnwritableFileIsToldOnce) {
    testsupport::TempDir dir;
    // A missing folder, a folder in the file's place, and a FIFO with no
    // reader (which must not block).
    ASSERT_EQ(::mkdir(dir.file("Corvale.log").c_str(), 0755), 0);
    const std::string fifoDir = dir.file("fifo");
    ASSERT_EQ(::mkdir(fifoDir.c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo((fifoDir + "/Corvale.log").c_str(), 0644), 0);
    for (const std::string& folder : {dir.file("missing"), dir.path(), fifoDir}) {
        ActivityLog log(folder);
        const Status written = log.AddLogLine("lost");
        EXPECT_FALSE(written) << folder;
        EXPECT_EQ(written.Subject(), log.FilePath());
        ASSERT_EQ(log.Lines().size(), 1u);
        EXPECT_EQ(log.Lines()[0].substr(20), "lost");
        RecordingPrompter prompter;
        log.Note("also lost", prompter);
        log.Note("lost again", prompter);
        ASSERT_EQ(prompter.Prompts().size(), 1u) << folder;
        EXPECT_EQ(prompter.Prompts()[0].caption, log.FilePath());
        EXPECT_EQ(log.Lines().size(), 3u);
    }
}

TEST(ActivityLog, ConcurrentWritersNeverSplitLines) {
    testsupport::TempDir dir;
    ActivityLog log(dir.path());
    constexpr int kThreads = 4, kEach = 100;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < kEach; ++i)
                EXPECT_TRUE(log.AddLogLine("worker " + std::to_string(t) + " line " +
                                           std::to_string(i) + std::string(200, 'x')));
        });
    for (auto& th : threads) th.join();
    const auto lines = FileLines(log.FilePath());
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kEach));
    std::set<std::string> unique;
    for (const auto& line : lines) {
        EXPECT_EQ(line.substr(line.size() - 200), std::string(200, 'x'));
        unique.insert(line.substr(20));
    }
    EXPECT_EQ(unique.size(), lines.size());
    // The list holds the same entries in the same order as the file's tail.
    const auto list = log.Lines();
    EXPECT_EQ(list, std::vector<std::string>(lines.end() - 400 + 0, lines.end()));
}

}  // namespace
