#include "gather/PhotoGathering.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "support/PhotoFiles.h"
#include "support/TestSupport.h"
#include "support/RecordingPrompter.h"

namespace {

using testsupport::TempDir;
using Paths = std::vector<std::string>;

TEST(GatheringPathsTest, PhotoExtensions) {
    const std::pair<const char*, bool> cases[] = {
        {"/p/PHOTO.JPEG", true},  {"/p/scan.Tiff", true},    {"IMG.JPG", true},
        {"/p/x.raw", false},      {"/p/IMG.jpg.bak", false}, {"/p/noext", false},
        {"/p/dir.jpg/file", false}, {"/p/.jpg", true},       {"/p/photo.", false},
        {"/p/\xc3\xa9t\xc3\xa9.PNG", true}, {"/p/x.J\xc3\x8bG", false},
        {"/p/x.svg", false}, {"/p/drawing.emf", false}, {"/p/a.ico", false}, {"/p/a.wmf", false},
        // Judged by the last dot: the first would give ".05.17.jpg" and ".day1.HEIC".
        {"/p/IMG 2009.05.17.jpg", true}, {"/p/trip.day1.HEIC", true}, {"/p/x.webp.txt", false},
        {"/p/phone.Heif", true}, {"/p/a.JFIF", true}, {"/p/a.jpe", true}, {"/p/a.AVIF", true},
        {"/p/a.jxl", true},
    };
    for (const auto& [path, photo] : cases)
        EXPECT_EQ(IsPhotoExtension(path), photo) << path;
    for (int i = 0; i < kPhotoExtensionCount; ++i)
        EXPECT_TRUE(IsPhotoExtension(std::string("/p/a") + PhotoExtensions()[i]));
    // The original table comes first, in its order, but for ".emf", ".ico"
    // and ".wmf": no loader reads them, so such a file is no photo to offer.
    const Paths original = {".bmp", ".jpg", ".jpeg", ".gif", ".tif", ".tiff",
                            ".png", ".exif", ".dib"};
    EXPECT_EQ(Paths(PhotoExtensions(), PhotoExtensions() + original.size()), original);
}

// Paths relative to the root, for short expectations.
Paths Relative(const Paths& paths, const std::string& root) {
    Paths relative;
    for (const std::string& p : paths)
        relative.push_back(p.substr(0, root.size()) == root ? p.substr(root.size()) : "!" + p);
    return relative;
}

TEST(GatheringPathsTest, HandedOverFoldersAreSearchedInPlaceAndMissingPathsSkipped) {
    TempDir dir;
    phototest::WriteText(dir.file("a.jpg"));
    phototest::WriteText(dir.file("notes.txt"));
    mkdir(dir.file("folder").c_str(), 0755);
    mkdir(dir.file("folder/sub").c_str(), 0755);
    phototest::WriteText(dir.file("folder/sub/c.png"));
    phototest::WriteText(dir.file("folder/b.jpg"));
    phototest::WriteText(dir.file("folder/readme.txt"));
    symlink(dir.file("folder").c_str(), dir.file("link").c_str());
    const Paths handed = {dir.file("folder"), dir.file("a.jpg"), dir.file("gone.jpg"),
                          dir.file("link"), dir.file("notes.txt")};
    RecordingPrompter prompter;
    const std::atomic<bool> cancel{false};
    // A named file is taken whatever its extension; a folder gives its photos.
    Paths roots;
    EXPECT_EQ(Relative(CandidatesOfPaths(handed, prompter, cancel, {}, &roots), dir.path() + "/"),
              (Paths{"folder/b.jpg", "folder/sub/c.png", "a.jpg", "link/b.jpg", "link/sub/c.png",
                     "notes.txt"}));
    // Each found photo remembers the folder searched, for a run that keeps folders.
    EXPECT_EQ(Relative(roots, dir.path() + "/"), (Paths{"folder/", "folder/", "!", "link/", "link/", "!"}));
    EXPECT_TRUE(prompter.Prompts().empty());
}

TEST(FindPhotoFilesTest, BreadthFirstInNameOrder) {
    TempDir dir;
    for (const char* folder : {"S", "S/T", "U", "A.jpg"})
        mkdir(dir.file(folder).c_str(), 0755);
    for (const char* file : {"z.bmp", "a.jpg", "S/b.png", "S/notes.txt", "S/T/c.gif", "U/d.JPG",
                             "A.jpg/e.tif", "\xff\xfe.jpg"})
        phototest::WriteText(dir.file(file));
    RecordingPrompter prompter;
    Paths found;
    ASSERT_TRUE(FindPhotoFiles(dir.path(), found, prompter));
    EXPECT_EQ(Relative(found, dir.path() + "/"),
              (Paths{"a.jpg", "z.bmp", "\xff\xfe.jpg", "A.jpg/e.tif", "S/b.png", "U/d.JPG",
                     "S/T/c.gif"}));
    EXPECT_TRUE(prompter.Prompts().empty());
}

TEST(FindPhotoFilesTest, PhonePhotosInSubFoldersAreFoundAndRead) {
    TempDir dir;
    for (const char* folder : {"DCIM", "DCIM/100APPLE", "web"})
        mkdir(dir.file(folder).c_str(), 0755);
    phototest::WritePicture(dir.file("DCIM/100APPLE/IMG_0001.HEIC"), 24, 16);
    phototest::WritePicture(dir.file("web/shot.webp"), 20, 10);
    phototest::WritePicture(dir.file("DCIM/IMG 2009.05.17.jpg"), 8, 6);
    phototest::WriteText(dir.file("DCIM/100APPLE/IMG_0001.AAE"));
    RecordingPrompter prompter;
    Paths found;
    ASSERT_TRUE(FindPhotoFiles(dir.path(), found, prompter));
    EXPECT_EQ(Relative(found, dir.path() + "/"),
              (Paths{"DCIM/IMG 2009.05.17.jpg", "web/shot.webp", "DCIM/100APPLE/IMG_0001.HEIC"}));
    std::atomic<bool> cancel{false};
    const std::vector<PhotoItem> photos = GatherPhotos(found, OutputPhotoFormat{}, prompter, cancel);
    ASSERT_EQ(photos.size(), 3u);
    EXPECT_EQ(photos[1].strSourceFormat, "webp");
    EXPECT_EQ(photos[2].strSourceFormat, "heic");
    EXPECT_EQ(photos[2].nWidth, 24);
}

TEST(FindPhotoFilesTest, LinkedFoldersAreListedOnceAndLoopsEnd) {
    TempDir dir;
    mkdir(dir.file("S").c_str(), 0755);
    phototest::WriteText(dir.file("S/b.jpg"));
    symlink(dir.path().c_str(), dir.file("S/up").c_str());   // a loop back to the root
    symlink(dir.file("S").c_str(), dir.file("T").c_str());   // S a second time
    symlink(dir.file("nowhere").c_str(), dir.file("broken.jpg").c_str());
    RecordingPrompter prompter;
    Paths found;
    ASSERT_TRUE(FindPhotoFiles(dir.path() + "/", found, prompter));
    EXPECT_EQ(Relative(found, dir.path() + "/"), (Paths{"broken.jpg", "S/b.jpg"}));
}

TEST(FindPhotoFilesTest, FifoNamedLikeAPhotoIsListedWithoutBlocking) {
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.file("x.jpg").c_str(), 0644), 0);
    RecordingPrompter prompter;
    Paths found;
    ASSERT_TRUE(FindPhotoFiles(dir.path(), found, prompter));
    EXPECT_EQ(found, Paths{dir.file("x.jpg")});
    std::atomic<bool> cancel{false};
    EXPECT_TRUE(GatherPhotos(found, OutputPhotoFormat{}, prompter, cancel).empty());
}

TEST(FindPhotoFilesTest, BadRootIsReported) {
    TempDir dir;
    phototest::WriteText(dir.file("file.jpg"));
    const std::pair<std::string, std::string> cases[] = {
        {dir.file("missing"), dir.file("missing") + "/ occurs error!"},
        {dir.file("file.jpg"), dir.file("file.jpg") + "/ is not a right directory"},
    };
    for (const auto& [root, text] : cases) {
        RecordingPrompter prompter;
        Paths found;
        EXPECT_FALSE(FindPhotoFiles(root, found, prompter));
        EXPECT_TRUE(found.empty());
        ASSERT_EQ(prompter.Prompts().size(), 1u);
        EXPECT_EQ(prompter.Prompts()[0].text, text);
        EXPECT_EQ(prompter.Prompts()[0].caption, "Quillmere");
    }
}

// Reports as the search gives them: path and reason.
using Reports = std::vector<std::pair<std::string, std::string>>;

// Whatever the search cannot look into is named with the system's reason;
// the rest is still found.
TEST(FindPhotoFilesTest, WhatCannotBeSearchedIsReported) {
    TempDir dir;
    phototest::WriteText(dir.file("b.jpg"));
    mkdir(dir.file("S").c_str(), 0755);
    phototest::WriteText(dir.file("S/c.jpg"));
    symlink("loop", dir.file("loop").c_str());
    const testsupport::TooDeepFolders deep(dir.path(), "deep", "lost.jpg");
    RecordingPrompter prompter;
    Paths found;
    Reports reports;
    EXPECT_TRUE(FindPhotoFiles(dir.path(), found, prompter, nullptr, {},
                               [&](const std::string& path, const std::string& reason) {
                                   reports.emplace_back(path, reason);
                               }));
    EXPECT_EQ(Relative(found, dir.path() + "/"), (Paths{"b.jpg", "S/c.jpg"}));
    EXPECT_EQ(reports, (Reports{{dir.file("loop"), "Too many levels of symbolic links"},
                                {deep.FirstTooLong(), "File name too long"}}));
    EXPECT_TRUE(prompter.Prompts().empty());
}

// File modes bind an ordinary user (the check runs as one).
TEST(FindPhotoFilesTest, UnlistableFolderIsReported) {
    TempDir dir;
    chmod(dir.path().c_str(), 0755);
    mkdir(dir.file("closed").c_str(), 0755);
    phototest::WriteText(dir.file("closed/a.jpg"));
    phototest::WriteText(dir.file("b.jpg"));
    chmod(dir.file("closed").c_str(), 0);
    const bool ok = phototest::RunUnprivileged([&] {
        RecordingPrompter prompter;
        Paths found;
        Reports reports;
        return FindPhotoFiles(dir.path(), found, prompter, nullptr, {},
                              [&](const std::string& path, const std::string& reason) {
                                  reports.emplace_back(path, reason);
                              }) &&
               found == Paths{dir.file("b.jpg")} &&
               reports == Reports{{dir.file("closed/"), "Permission denied"}} &&
               prompter.Prompts().empty();
    });
    chmod(dir.file("closed").c_str(), 0755);
    EXPECT_TRUE(ok);
}

TEST(FindPhotoFilesTest, CancelStopsTheSearch) {
    TempDir dir;
    mkdir(dir.file("S").c_str(), 0755);
    phototest::WriteText(dir.file("a.jpg"));
    phototest::WriteText(dir.file("S/b.jpg"));
    RecordingPrompter prompter;
    std::atomic<bool> cancel{false};
    Paths found;
    // Cancelled once the first folder is listed: the sub-folder is not.
    EXPECT_FALSE(FindPhotoFiles(dir.path(), found, prompter, &cancel,
                                [&](size_t, size_t) { cancel = true; }));
    EXPECT_EQ(found, Paths{dir.file("a.jpg")});
}

TEST(GatherPhotosTest, KeepsPicturesInCandidateOrder) {
    TempDir dir;
    phototest::WritePicture(dir.file("b.png"), 40, 30);
    phototest::WritePicture(dir.file("a.jpg"), 20, 10);
    phototest::WriteText(dir.file("c.jpg"));
    const Paths candidates = {dir.file("b.png"), dir.file("c.jpg"), dir.file("a.jpg"),
                              dir.file("b.png")};
    RecordingPrompter prompter;
    std::atomic<bool> cancel{false};
    std::vector<std::pair<size_t, size_t>> steps;
    const std::vector<PhotoItem> photos = GatherPhotos(
        candidates, OutputPhotoFormat{}, prompter, cancel,
        [&](size_t done, size_t total) { steps.emplace_back(done, total); });
    ASSERT_EQ(photos.size(), 3u);
    EXPECT_EQ(photos[0].strFileName, "b.png");
    EXPECT_EQ(photos[1].strFileName, "a.jpg");
    EXPECT_EQ(photos[1].nWidth, 20);
    EXPECT_EQ(photos[2].strFileName, "b.png");  // the same file twice is listed twice
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps.back(), (std::pair<size_t, size_t>{4, 4}));

    cancel = true;
    EXPECT_TRUE(GatherPhotos(candidates, OutputPhotoFormat{}, prompter, cancel).empty());
}

TEST(GatherPhotosTest, ManyCandidatesKeepTheirOrderAndMessagesTheirs) {
    TempDir dir;
    phototest::WritePicture(dir.file("p.jpg"), 8, 6);
    Paths candidates;
    std::vector<std::string> expectedTexts;
    for (int i = 0; i < 60; ++i) {
        if (i % 3 == 1) {
            candidates.push_back(dir.file("gone" + std::to_string(i) + ".jpg"));
            expectedTexts.push_back(candidates.back() + " was not found.");
        } else {
            candidates.push_back(dir.file("p.jpg"));
        }
    }
    RecordingPrompter prompter;
    std::atomic<bool> cancel{false};
    EXPECT_EQ(GatherPhotos(candidates, OutputPhotoFormat{}, prompter, cancel).size(), 40u);
    EXPECT_EQ(prompter.Texts(), expectedTexts);
}

// A later search must not take a run's outputs for new photos: the default
// output folder lies inside the Pictures folder a user searches.
TEST(FindPhotoFilesTest, OutputFolderAndMarkedRunFoldersAreNotEntered) {
    TempDir dir;
    for (const char* folder : {"Quillmere", "Quillmere/old", "Trip", "Trip/run", "Trip/run/deep"})
        mkdir(dir.file(folder).c_str(), 0755);
    for (const char* file : {"a.jpg", "Quillmere/old/out.jpg", "Trip/b.png", "Trip/run/c.png",
                             "Trip/run/deep/d.png"})
        phototest::WriteText(dir.file(file));
    phototest::WriteText(dir.file(std::string("Trip/run/") + kRunFolderMarker));
    symlink(dir.file("Quillmere").c_str(), dir.file("Trip/outputs").c_str());
    const struct {
        const char* name;
        std::string root;
        std::string output;
        Paths found;
    } rows[] = {
        {"output folder, by any path, and run folders skipped", dir.path(), dir.file("Quillmere"),
         {"a.jpg", "Trip/b.png"}},
        {"without an output folder, run folders still skipped", dir.path(), "",
         {"a.jpg", "Trip/b.png", "Quillmere/old/out.jpg"}},
        {"a run folder searched as asked", dir.file("Trip/run"), dir.file("Quillmere"),
         {"Trip/run/c.png", "Trip/run/deep/d.png"}},
    };
    for (const auto& row : rows) {
        RecordingPrompter prompter;
        Paths found;
        ASSERT_TRUE(FindPhotoFiles(row.root, found, prompter, nullptr, {}, {}, row.output))
            << row.name;
        EXPECT_EQ(Relative(found, dir.path() + "/"), row.found) << row.name;
    }
}

}  // namespace
