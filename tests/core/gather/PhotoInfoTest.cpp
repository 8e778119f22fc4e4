#include "gather/PhotoInfo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "support/TestSupport.h"
#include "support/PhotoFiles.h"
#include "support/RecordingPrompter.h"

namespace {

using testsupport::TempDir;

// Runs a test in a fixed time zone and puts the old one back.
class FixedZone {
public:
    explicit FixedZone(const char* zone) {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~FixedZone() {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> old_;
};

struct TimeCase {
    const char* zone;
    int64_t seconds;
    const char* text;
};

TEST(FileTimeTest, LocalTimeIsZeroPadded) {
    const TimeCase cases[] = {
        {"UTC0", 1256220309, "2009/10/22 14:05:09"},
        {"UTC0", 1230865445, "2009/01/02 03:04:05"},
        {"QMT-1", 1230865445 - 3600, "2009/01/02 03:04:05"},  // UTC+1
        {"QMT+5", 1230865445 + 5 * 3600, "2009/01/02 03:04:05"},
        {"UTC0", 0, "1970/01/01 00:00:00"},
        {"QMT+1", 0, "1969/12/31 23:00:00"},
    };
    for (const TimeCase& c : cases) {
        FixedZone zone(c.zone);
        EXPECT_EQ(FormatFileTime(c.seconds), c.text) << c.zone << " " << c.seconds;
    }
}

TEST(FileTimeTest, ReadsTheModificationTimeOfAFile) {
    FixedZone zone("UTC0");
    TempDir dir;
    const std::string path = dir.file("a.jpg");
    phototest::WriteText(path);
    phototest::SetModified(path, 1256220309);
    RecordingPrompter prompter;
    std::string text;
    int64_t seconds = 0;
    ASSERT_TRUE(GetFileTimeText(path, text, seconds, prompter));
    EXPECT_EQ(text, "2009/10/22 14:05:09");
    EXPECT_EQ(seconds, 1256220309);
    EXPECT_TRUE(prompter.Prompts().empty());
}

TEST(FileTimeTest, FifoDoesNotBlock) {
    TempDir dir;
    const std::string path = dir.file("x.jpg");
    ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
    RecordingPrompter prompter;
    std::string text;
    int64_t seconds = 0;
    EXPECT_TRUE(GetFileTimeText(path, text, seconds, prompter));
    EXPECT_FALSE(text.empty());
}

TEST(FileTimeTest, FailureIsReportedWithThePathAsCaption) {
    TempDir dir;
    phototest::WriteText(dir.file("plain"));
    struct Case {
        std::string path;
        std::string text;
    } cases[] = {
        {dir.file("missing.jpg"), dir.file("missing.jpg") + " was not found."},
        {dir.file("plain/x.jpg"), dir.file("plain/x.jpg") + " contains an invalid path."},
        {dir.file("\xff.jpg"), dir.path() + "/\xef\xbf\xbd.jpg was not found."},
    };
    for (const Case& c : cases) {
        RecordingPrompter prompter;
        std::string text = "kept";
        int64_t seconds = 7;
        EXPECT_FALSE(GetFileTimeText(c.path, text, seconds, prompter));
        EXPECT_EQ(text, "kept");
        EXPECT_EQ(seconds, 7);
        ASSERT_EQ(prompter.Prompts().size(), 1u);
        EXPECT_EQ(prompter.Prompts()[0].text, c.text);
        EXPECT_EQ(prompter.Prompts()[0].caption, c.path);
    }
}

TEST(FileTimeTest, UnreadableFileIsDenied) {
    TempDir dir;
    chmod(dir.path().c_str(), 0755);
    const std::string path = dir.file("a.jpg");
    phototest::WriteText(path);
    chmod(path.c_str(), 0);
    EXPECT_TRUE(phototest::RunUnprivileged([&] {
        RecordingPrompter prompter;
        std::string text;
        int64_t seconds = 0;
        return !GetFileTimeText(path, text, seconds, prompter) &&
               prompter.Texts() == std::vector<std::string>{"Access to " + path + " was denied."};
    }));
}

TEST(FileNameTest, NameIsThePartAfterTheLastSlash) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/u/Photos/IMG_0001.JPG", "IMG_0001.JPG"},
        {"IMG.jpg", "IMG.jpg"},
        {"/a/b/", ""},
        {"/a/archive.tar.gz", "archive.tar.gz"},
        {"/a/back\\slash.jpg", "back\\slash.jpg"},  // a backslash is part of a name here
        {"http://host/p.jpg", "http://host/p.jpg"},
        {"ftp:/host/p.jpg", "ftp:/host/p.jpg"},
        {"/ab:c/p.jpg", "p.jpg"},   // a colon in a folder name is no scheme
        {"/abc:/p.jpg", "p.jpg"},
        {"/a/\xff\xfe.jpg", "\xff\xfe.jpg"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(FileNameOfPath(path), name) << path;
}

TEST(LoadPhotoInfoTest, FillsTheItemAndComputesTheOutputSize) {
    FixedZone zone("UTC0");
    TempDir dir;
    const std::string path = dir.file("big.jpg");
    phototest::WritePicture(path, 3000, 2000);
    phototest::SetModified(path, 1230865445);
    RecordingPrompter prompter;
    PhotoItem item;
    OutputPhotoFormat defaults;
    defaults.nRotateAngel = 90;
    ASSERT_TRUE(LoadPhotoInfo(path, item, defaults, prompter));
    EXPECT_EQ(item.strSourcePath, path);
    EXPECT_EQ(item.strFileName, "big.jpg");
    EXPECT_EQ(item.strTime, "2009/01/02 03:04:05");
    EXPECT_EQ(item.timeModified, 1230865445);
    EXPECT_EQ(item.nWidth, 3000);
    EXPECT_EQ(item.nHeight, 2000);
    EXPECT_EQ(item.m_outputPhotoFormat.nOutputWidth, 1024);
    EXPECT_EQ(item.m_outputPhotoFormat.nOutputHeight, 682);
    EXPECT_EQ(item.m_outputPhotoFormat.nRotateAngel, 90);
    EXPECT_TRUE(item.strOutputPath.empty());
    EXPECT_TRUE(prompter.Prompts().empty());
}

TEST(LoadPhotoInfoTest, NonPicturesAreRefusedWithoutAMessage) {
    TempDir dir;
    phototest::WriteText(dir.file("notes.jpg"));
    phototest::WriteText(dir.file("empty.png"), "");
    ASSERT_EQ(mkfifo(dir.file("fifo.jpg").c_str(), 0644), 0);
    ASSERT_EQ(mkdir(dir.file("folder.jpg").c_str(), 0755), 0);
    for (const char* name : {"notes.jpg", "empty.png", "fifo.jpg", "folder.jpg"}) {
        RecordingPrompter prompter;
        PhotoItem item;
        EXPECT_FALSE(LoadPhotoInfo(dir.file(name), item, OutputPhotoFormat{}, prompter)) << name;
        EXPECT_TRUE(prompter.Prompts().empty()) << name;
    }
}

TEST(LoadPhotoInfoTest, MissingFileShowsTheTimeBoxAndIsRefused) {
    TempDir dir;
    RecordingPrompter prompter;
    PhotoItem item;
    EXPECT_FALSE(LoadPhotoInfo(dir.file("gone.jpg"), item, OutputPhotoFormat{}, prompter));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{dir.file("gone.jpg") + " was not found."});
}

}  // namespace
