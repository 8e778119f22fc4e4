#include <gtest/gtest.h>

#include <sys/stat.h>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>
#include <vector>

#include "run/RunNaming.h"
#include "platform/ProductInfo.h"
#include "run/RunFolder.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"

namespace {

using testsupport::LocalTime;

TEST(MakeNumberFormat, WidthIsDigitsOfCount) {
    const struct {
        std::size_t count;
        const char* format;
    } rows[] = {{0, "%01d"},  {1, "%01d"},   {9, "%01d"},   {10, "%02d"},
                {99, "%02d"}, {100, "%03d"}, {999, "%03d"}, {1000, "%04d"}};
    for (const auto& r : rows) EXPECT_EQ(MakeNumberFormat(r.count), r.format) << r.count;
}

TEST(ExtractFileTitle, DropsFolderAndLastExtension) {
    const struct {
        const char* path;
        const char* title;
    } rows[] = {{"/in/holiday.photo.png", "holiday.photo"},
                {"/in/IMG_0001.JPG", "IMG_0001"},
                {"noext", "noext"},
                {"/in.dir/noext", "noext"},
                {"/in/.hidden", ""},
                {"/in/trailing.", "trailing"},
                {"/in/caf\xe9.jpg", "caf\xe9"}};
    for (const auto& r : rows) EXPECT_EQ(ExtractFileTitle(r.path), r.title) << r.path;
}

TEST(MakeOutputPath, NumbersArePaddedToTheListLength) {
    const OutputNaming naming{"/out/run/", "trip", false};
    const int64_t may17 = LocalTime(2009, 5, 17);
    const struct {
        std::size_t index, count;
        const char* expect;
    } rows[] = {
        {0, 9, "/out/run/trip.1.2009.05.17.jpg"},      {8, 9, "/out/run/trip.9.2009.05.17.jpg"},
        {0, 10, "/out/run/trip.01.2009.05.17.jpg"},    {9, 10, "/out/run/trip.10.2009.05.17.jpg"},
        {2, 12, "/out/run/trip.03.2009.05.17.jpg"},    {0, 100, "/out/run/trip.001.2009.05.17.jpg"},
        {99, 100, "/out/run/trip.100.2009.05.17.jpg"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(MakeOutputPath(naming, r.index, r.count, "/in/a.jpg", may17, "jpg"), r.expect);
}

TEST(MakeOutputPath, PrefixDateAndNotRename) {
    const int64_t may17 = LocalTime(2009, 5, 17, 23, 59, 59);
    EXPECT_EQ(MakeOutputPath({"/r/", "output.photo", false}, 2, 12, "/in/x.bmp", may17, "png"),
              "/r/output.photo.03.2009.05.17.png");
    EXPECT_EQ(MakeOutputPath({"/r/", "", false}, 0, 12, "/in/x.bmp", may17, "jpg"),
              "/r/.01.2009.05.17.jpg");
    EXPECT_EQ(MakeOutputPath({"/r/", "trip", true}, 5, 12, "/In/holiday.photo.png", may17, "jpg"),
              "/r/holiday.photo.jpg");
    // Unknown format: no extension, the name is still formed.
    EXPECT_EQ(MakeOutputPath({"/r/", "p", false}, 0, 1, "/in/x.bmp", may17, ""),
              "/r/p.1.2009.05.17.");
}

TEST(NamingTime, TakenDateWhenAskedAndKnown) {
    const struct {
        int32_t date;
        int64_t modified, taken, expect;
    } rows[] = {
        {kDateFile, 1000, 2000, 1000}, {kDateTaken, 1000, 2000, 2000},
        {kDateTaken, 1000, 0, 1000},                           // no EXIF date: the file's
        {kDateFile, 1000, 0, 1000},    {7, 1000, 2000, 1000},  // unknown choice: the file's
    };
    for (const auto& r : rows)
        EXPECT_EQ(NamingTime(r.date, r.modified, r.taken), r.expect) << r.date << " " << r.taken;
}

TEST(MakeOutputPath, KeptFoldersAndNumbersOfAShard) {
    const int64_t may17 = LocalTime(2009, 5, 17);
    auto naming = [](bool notRename, bool keep, int32_t start = 1, int32_t width = 0) {
        OutputNaming n{"/r/", "trip", notRename, keep};
        n.numberStart = start;
        n.numberWidth = width;
        return n;
    };
    const struct {
        const char* name;
        OutputNaming naming;
        std::size_t index, count;
        const char* source;
        const char* root;
        const char* expect;
    } rows[] = {
        {"mirrored, not renamed", naming(true, true), 1, 4, "/in/Holiday/Day2/IMG_0001.JPG",
         "/in/Holiday/", "/r/Day2/IMG_0001.jpg"},
        {"mirrored, renamed: one sequence", naming(false, true), 2, 4, "/in/Holiday/Day2/am/x.jpg",
         "/in/Holiday", "/r/Day2/am/trip.3.2009.05.17.jpg"},
        {"directly in the root", naming(true, true), 0, 4, "/in/Holiday/top.jpg", "/in/Holiday/",
         "/r/top.jpg"},
        {"added on its own", naming(true, true), 0, 4, "/in/Holiday/Day2/IMG_0001.JPG", "",
         "/r/IMG_0001.jpg"},
        {"not kept", naming(true, false), 0, 4, "/in/Holiday/Day2/IMG_0001.JPG", "/in/Holiday/",
         "/r/IMG_0001.jpg"},
        {"root is not its folder", naming(true, true), 0, 4, "/in/Other/Day2/a.jpg", "/in/Holiday/",
         "/r/a.jpg"},
        {"a dot-dot part stays out", naming(true, true), 0, 4, "/in/Holiday/../../etc/a.jpg",
         "/in/Holiday/", "/r/a.jpg"},
        {"shard: start and width given", naming(false, false, 11, 3), 0, 2, "/in/a.jpg", "",
         "/r/trip.011.2009.05.17.jpg"},
        {"start given, width of the last number", naming(false, false, 95, 0), 9, 10, "/in/a.jpg",
         "", "/r/trip.104.2009.05.17.jpg"},
        {"start given, first of those", naming(false, false, 95, 0), 0, 10, "/in/a.jpg", "",
         "/r/trip.095.2009.05.17.jpg"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(MakeOutputPath(r.naming, r.index, r.count, r.source, may17, "jpg", r.root),
                  r.expect)
            << r.name;
}

TEST(CreateSubFolders, MakesEachLevelInsideTheRunFolderOnly) {
    namespace fs = std::filesystem;
    testsupport::TempDir dir;
    const std::string run = dir.file("run") + "/";
    fs::create_directories(run);
    fs::create_directories(dir.file("elsewhere"));
    fs::create_directory_symlink(dir.file("elsewhere"), dir.file("run/Linked"));
    std::ofstream(dir.file("run/Plain")) << "x";
    const Status made = CreateSubFolders(run, "Day2/am/");
    EXPECT_TRUE(made) << made.Told();
    EXPECT_TRUE(fs::is_directory(dir.file("run/Day2/am")));
    EXPECT_TRUE(CreateSubFolders(run, "Day2/am/")) << "existing levels are used";
    const struct {
        const char* sub;
        const char* reason;
    } refused[] = {{"Linked/inner/", "run/Linked: a symbolic link, not followed"},
                   {"Plain/inner/", "run/Plain: Not a directory"}};
    for (const auto& r : refused) {
        const Status refusal = CreateSubFolders(run, r.sub);
        EXPECT_FALSE(refusal) << r.sub;
        EXPECT_NE(refusal.Told().find(r.reason), std::string::npos) << refusal.Told();
    }
    EXPECT_FALSE(fs::exists(dir.file("elsewhere/inner")));
}

TEST(MakeRunFolderPath, TimeStampWithSeparators) {
    const std::time_t when = static_cast<std::time_t>(LocalTime(2009, 10, 22, 14, 5, 9));
    EXPECT_EQ(MakeRunFolderPath("/photos/", when), "/photos/2009.10.22.14.05.09/");
    EXPECT_EQ(MakeRunFolderPath("/photos", when), "/photos/2009.10.22.14.05.09/");
}

TEST(CreateRunFolder, CreatesOneLevelOrReports) {
    testsupport::TempDir dir;
    RecordingPrompter prompter;

    const std::string fresh = dir.file("2009.10.22.14.05.09") + "/";
    ASSERT_TRUE(CreateRunFolder(fresh, prompter));
    struct stat st {};
    ASSERT_EQ(::stat(fresh.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    std::ofstream(fresh + "kept.jpg") << "x";
    // Same second again: the folder is used as it is.
    EXPECT_TRUE(CreateRunFolder(fresh, prompter));
    EXPECT_EQ(::stat((fresh + "kept.jpg").c_str(), &st), 0);
    EXPECT_TRUE(prompter.Prompts().empty());

    // A typed output folder whose parents do not exist yet is made whole.
    const std::string deep = dir.file("missing/parents/2009.10.22.14.05.09/");
    EXPECT_TRUE(CreateRunFolder(deep, prompter));
    EXPECT_EQ(::stat(deep.c_str(), &st), 0);
    EXPECT_TRUE(prompter.Prompts().empty());

    const std::string file = dir.file("plainfile");
    std::ofstream(file) << "x";
    const struct {
        std::string folder;
        const char* reason;
    } bad[] = {{file + "/", "Not a directory"}, {file + "/below/run/", "Not a directory"}};
    for (const auto& b : bad) {
        prompter.Clear();
        EXPECT_FALSE(CreateRunFolder(b.folder, prompter)) << b.folder;
        const auto prompts = prompter.Prompts();
        ASSERT_EQ(prompts.size(), 1u);
        EXPECT_EQ(prompts[0].text, std::string("Can not create the directory\n") + b.reason);
        EXPECT_EQ(prompts[0].caption, b.folder);
        EXPECT_EQ(prompts[0].buttons, PromptButtons::Ok);
    }
}

// Runs started in the same second, even at the same moment, each get a
// folder of their own, marked as a run's.
TEST(CreateNewRunFolder, SameSecondRunsGetFoldersOfTheirOwn) {
    testsupport::TempDir dir;
    const std::time_t when = static_cast<std::time_t>(LocalTime(2009, 10, 22, 14, 5, 9));
    const std::string output = dir.file("missing/out");
    constexpr int kRuns = 6;
    std::vector<std::string> made(kRuns);
    std::vector<std::thread> runs;
    for (int i = 0; i < kRuns; ++i)
        runs.emplace_back([&, i] {
            RecordingPrompter prompter;
            Result<std::string> folder = CreateNewRunFolder(output, when, prompter);
            made[i] = folder ? folder.Value() : "failed";
        });
    for (std::thread& run : runs) run.join();

    std::set<std::string> expected{output + "/2009.10.22.14.05.09/"};
    for (int n = 2; n <= kRuns; ++n)
        expected.insert(output + "/2009.10.22.14.05.09-" + std::to_string(n) + "/");
    EXPECT_EQ(std::set<std::string>(made.begin(), made.end()), expected);
    for (const std::string& folder : made)
        EXPECT_TRUE(std::filesystem::is_regular_file(folder + kRunFolderMarker)) << folder;

    // A file in the way of the name is passed over too; a folder that cannot
    // be made is told.
    std::ofstream(output + "/2009.10.22.14.05.09-7") << "x";
    RecordingPrompter prompter;
    Result<std::string> next = CreateNewRunFolder(output, when, prompter);
    ASSERT_TRUE(next);
    EXPECT_EQ(next.Value(), output + "/2009.10.22.14.05.09-8/");
    Result<std::string> refused =
        CreateNewRunFolder(output + "/2009.10.22.14.05.09-7", when, prompter);
    EXPECT_FALSE(refused);
    ASSERT_EQ(prompter.Prompts().size(), 1u);
    EXPECT_EQ(prompter.Prompts()[0].text, "Can not create the directory\nNot a directory");
}

}  // namespace
