// The path helpers every part of the program shares.

#include <gtest/gtest.h>

#include "platform/Paths.h"

namespace {

TEST(PathsTest, SeparatorsFoldersAndNames) {
    struct Row {
        std::string path;
        std::string withSeparator;  // EnsureTrailingSeparator
        std::string withoutSeparator;
        std::string folder;  // GetFolderOfPath
        std::string name;    // NameOfPath
    } rows[] = {
        {"/home/u/Photos/a.jpg", "/home/u/Photos/a.jpg/", "/home/u/Photos/a.jpg", "/home/u/Photos/", "a.jpg"},
        {"/home/u/Photos/", "/home/u/Photos/", "/home/u/Photos", "/home/u/Photos/", ""},
        {"/home/u/Photos//", "/home/u/Photos//", "/home/u/Photos", "/home/u/Photos//", ""},
        {"/a.jpg", "/a.jpg/", "/a.jpg", "/", "a.jpg"},
        {"/", "/", "/", "/", ""},
        {"a.jpg", "a.jpg/", "a.jpg", "", "a.jpg"},
        // Never the root made out of nothing.
        {"", "", "", "", ""},
        // Backslashes are name bytes on Linux.
        {"C:\\odd\\", "C:\\odd\\/", "C:\\odd\\", "", "C:\\odd\\"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(paths::EnsureTrailingSeparator(r.path), r.withSeparator) << r.path;
        EXPECT_EQ(paths::WithoutTrailingSeparator(r.path), r.withoutSeparator) << r.path;
        EXPECT_EQ(paths::GetFolderOfPath(r.path), r.folder) << r.path;
        EXPECT_EQ(paths::NameOfPath(r.path), r.name) << r.path;
    }
}

TEST(PathsTest, JoinPutsExactlyOneSeparatorBetween) {
    EXPECT_EQ(paths::Join("/", "a.jpg"), "/a.jpg");
    EXPECT_EQ(paths::Join("/media/Photos", "a.jpg"), "/media/Photos/a.jpg");
    EXPECT_EQ(paths::Join("/media/Photos/", "b.jpg"), "/media/Photos/b.jpg");
    EXPECT_EQ(paths::Join("", "c.jpg"), "c.jpg");
}

// The same bytes in every locale (a locale's lower case of "I" need not be
// "i"), and the bytes of other characters untouched.
TEST(PathsTest, AsciiLowerTouchesOnlyAsciiLetters) {
    EXPECT_EQ(paths::AsciiLower("/Media/IMG_0001.JPG"), "/media/img_0001.jpg");
    EXPECT_EQ(paths::AsciiLower("CAF\xC3\x89 [Z@].HEIC"), "caf\xC3\x89 [z@].heic");
}

TEST(PathsTest, TextNamesSurviveTheTripThroughQt) {
    for (const std::string& native : {std::string("/p/caf\xC3\xA9 [1].jpg"),
                                      std::string("/p/\xE5\x86\x99\xE7\x9C\x9F.jpg"),
                                      std::string("/p/new\nline.jpg")})
        EXPECT_EQ(paths::FromQString(paths::ToQString(native)), native);
    // Bytes that are no text are shown replaced; they must not vanish.
    EXPECT_EQ(paths::ToQString("/p/caf\xE9.jpg"), QStringLiteral("/p/caf\uFFFD.jpg"));
}

}  // namespace
