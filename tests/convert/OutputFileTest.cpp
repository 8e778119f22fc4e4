// The pending output file: nothing visible before it is complete, and a name
// that is taken is never replaced unasked.

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include <gtest/gtest.h>

#include "TestPictures.h"
#include "convert/OutputFile.h"
#include "support/TestSupport.h"

using testpictures::FolderEntries;
using testpictures::ReadAll;

namespace {

using Names = std::vector<std::string>;

class OutputFileTest : public ::testing::TestWithParam<PendingOutput::Kind> {
protected:
    // A pending file holding text, written through its descriptor.
    void Write(PendingOutput& file, const std::string& text) {
        ASSERT_TRUE(file.Create(final));
        EXPECT_EQ(file.CreatedKind(), GetParam());
        ASSERT_EQ(write(file.Descriptor(), text.data(), text.size()), ssize_t(text.size()));
    }

    testsupport::TempDir dir;
    std::string final = dir.file("photo.jpg");
};

TEST_P(OutputFileTest, NameTakenMeanwhileIsLeftAloneUntilReplaceIsAgreed) {
    PendingOutput file(GetParam());
    Write(file, "new");
    std::ofstream(final) << "appeared meanwhile";
    EXPECT_EQ(file.Commit(false), CommitOutcome::Exists);
    EXPECT_EQ(ReadAll(final), "appeared meanwhile");

    EXPECT_EQ(file.Commit(true), CommitOutcome::Done);
    EXPECT_EQ(ReadAll(final), "new");
    EXPECT_EQ(FolderEntries(dir.path()), Names{"photo.jpg"});
}

TEST_P(OutputFileTest, DanglingLinkCountsAsTakenAndIsReplacedNotFollowed) {
    ASSERT_EQ(symlink(dir.file("target.jpg").c_str(), final.c_str()), 0);
    PendingOutput file(GetParam());
    Write(file, "new");
    EXPECT_EQ(file.Commit(false), CommitOutcome::Exists);
    EXPECT_EQ(file.Commit(true), CommitOutcome::Done);
    struct stat st {};
    ASSERT_EQ(lstat(final.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(FolderEntries(dir.path()), Names{"photo.jpg"});
}

TEST_P(OutputFileTest, FreeNameIsTakenAndAbandonedFilesVanish) {
    {
        PendingOutput file(GetParam());
        Write(file, "whole");
        // By-name writers reach the same file.
        std::ofstream(file.WritablePath(), std::ios::app) << " and more";
        if (GetParam() == PendingOutput::Kind::Unnamed) {
            EXPECT_TRUE(FolderEntries(dir.path()).empty()) << "visible before it is complete";
        }
        EXPECT_EQ(file.Commit(false), CommitOutcome::Done);
    }
    EXPECT_EQ(ReadAll(final), "whole and more");
    {
        PendingOutput abandoned(GetParam());
        ASSERT_TRUE(abandoned.Create(dir.file("other.jpg")));
    }
    EXPECT_EQ(FolderEntries(dir.path()), Names{"photo.jpg"});

    PendingOutput nowhere(GetParam());
    std::string reason;
    EXPECT_FALSE(nowhere.Create(dir.file("missing/x.jpg"), &reason));
    EXPECT_EQ(reason, "No such file or directory");
}

INSTANTIATE_TEST_SUITE_P(Kinds, OutputFileTest,
                         ::testing::Values(PendingOutput::Kind::Unnamed, PendingOutput::Kind::Named),
                         [](const auto& info) {
                             return info.param == PendingOutput::Kind::Unnamed ? "Unnamed" : "Named";
                         });

}  // namespace
