// The pending output file, unnamed and (where file systems lack unnamed
// files) named: nothing is left of it unless committed, and a name taken
// meanwhile, even by a dangling link, is replaced only when that is agreed.

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/OutputFile.h"
#include "support/TestSupport.h"

using testsupport::FolderEntries;
using testsupport::ReadAll;

namespace {

class OutputFileTest : public ::testing::TestWithParam<PendingOutput::Kind> {};

TEST_P(OutputFileTest, TakenNamesAreLeftAloneAndNothingIsLeftBehind) {
    testsupport::TempDir dir;
    const std::string final = dir.file("photo.jpg");
    {
        PendingOutput abandoned(GetParam());
        ASSERT_TRUE(abandoned.Create(final));
    }
    EXPECT_TRUE(FolderEntries(dir.path()).empty());

    PendingOutput file(GetParam());
    ASSERT_TRUE(file.Create(final));
    EXPECT_EQ(file.CreatedKind(), GetParam());
    std::ofstream(file.WritablePath()) << "new";  // as a by-name writer does
    ASSERT_EQ(symlink(dir.file("elsewhere").c_str(), final.c_str()), 0);
    EXPECT_EQ(file.Commit(false).Value(), CommitOutcome::Exists);
    EXPECT_EQ(file.Commit(true).Value(), CommitOutcome::Done);
    struct stat st {};
    ASSERT_EQ(lstat(final.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(ReadAll(final), "new");
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"photo.jpg"});
}

INSTANTIATE_TEST_SUITE_P(Kinds, OutputFileTest,
                         ::testing::Values(PendingOutput::Kind::Unnamed,
                                           PendingOutput::Kind::Named),
                         [](const auto& info) {
                             return info.param == PendingOutput::Kind::Unnamed ? "Unnamed"
                                                                               : "Named";
                         });

// A writer killed between naming its file and putting it in place leaves a
// hidden part file; the next run writing to that folder removes it, and
// only it.
TEST(StaleParts, TheNextWriterRemovesOnlyThoseOfDeadProcesses) {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    ASSERT_GT(child, 0);
    waitpid(child, nullptr, 0);
    testsupport::TempDir dir;
    const std::string dead = ".quillmere-" + std::to_string(child) + "-00000000deadbeef.part";
    const std::string alive = ".quillmere-" + std::to_string(getpid()) + "-00000000cafebabe.part";
    for (const std::string& name : {dead, alive, std::string("mine.part"),
                                    ".quillmere-" + std::to_string(child) + "-notes.txt"})
        std::ofstream(dir.file(name)) << "x";

    PendingOutput file;
    ASSERT_TRUE(file.Create(dir.file("photo.jpg")));
    const std::vector<std::string> left = FolderEntries(dir.path());
    EXPECT_EQ(std::count(left.begin(), left.end(), dead), 0);
    EXPECT_EQ(left.size(), 3u) << "only the dead writer's part file goes";
}

}  // namespace
