#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <sstream>

#include "model/OptionTables.h"
#include "run/ConversionRun.h"
#include "support/PhotoJobs.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"
#include "texts/LanguagePack.h"

namespace {

namespace fs = std::filesystem;

PhotoItem Photo(const std::string& source, int width = 1024, int height = 768,
                int format = kFormatJpg) {
    PhotoItem p;
    p.strSourcePath = source;
    p.m_outputPhotoFormat.nOutputWidth = width;
    p.m_outputPhotoFormat.nOutputHeight = height;
    p.m_outputPhotoFormat.nOuptputFormat = format;
    p.timeModified = 1242561600;  // mid-May 2009 in every time zone
    return p;
}

// The photos of a list as a run takes them.
ConversionJob Job(const std::vector<PhotoItem>& photos, const std::string& runFolder, int jobs) {
    ConversionJob job;
    job.photos = testsupport::JobsOf(photos);
    job.naming.runFolder = runFolder;
    job.naming.prefix = "p";
    job.jobs = jobs;
    return job;
}

// Everything a run reported, gathered from its threads.
struct Recorder {
    std::mutex mutex;
    std::vector<int> progress;
    std::map<std::size_t, std::string> paths;
    std::vector<std::pair<bool, bool>> resets;
    std::vector<std::size_t> done;
    int finishedCalls = 0;
    RunResult result;

    RunCallbacks Callbacks() {
        RunCallbacks c;
        c.progress = [this](int v) {
            std::lock_guard l(mutex);
            progress.push_back(v);
        };
        c.outputPath = [this](std::size_t i, const std::string& p) {
            std::lock_guard l(mutex);
            paths[i] = p;
        };
        c.textPositionReset = [this](bool x, bool y) {
            std::lock_guard l(mutex);
            resets.emplace_back(x, y);
        };
        c.photoDone = [this](std::size_t i, const PhotoResult&) {
            std::lock_guard l(mutex);
            done.push_back(i);
        };
        c.finished = [this](const RunResult& r) {
            std::lock_guard l(mutex);
            ++finishedCalls;
            result = r;
        };
        return c;
    }
};

// A converter that behaves like the real one towards files and questions
// (asks before replacing, writes the whole file at once) without imaging:
// the file holds what the photo would be drawn with.
PhotoResult FakeConvert(const PhotoJob& photo, const TextOverlay& overlay, Prompter& prompter) {
    if (ExtensionOfFormat(photo.settings.nOuptputFormat).empty())
        return {PhotoOutcome::Failed, "unknown output photo format!", {}};
    if (fs::exists(photo.outputPath)) {
        if (prompter.Ask(photo.outputPath + " exists", "Warning", PromptButtons::YesNo) !=
            PromptAnswer::Yes)
            return {PhotoOutcome::Skipped, "Not converted: the output file exists",
                    photo.outputPath};
    }
    std::ostringstream body;
    body << photo.source.path << ' ' << photo.plan.width << 'x' << photo.plan.height << ' '
         << overlay.text << '@' << overlay.x << ',' << overlay.y;
    const std::string temp = photo.outputPath + ".part";
    std::ofstream(temp, std::ios::binary) << body.str();
    fs::rename(temp, photo.outputPath);
    return {PhotoOutcome::Written, {}, {}};
}

class ConversionRunTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    std::string run = dir.path() + "/";
    ActivityLog log{dir.path() + "/"};
    RecordingPrompter prompter;
    Recorder recorder;

    RunResult RunJob(ConversionJob job, PhotoConverter converter = FakeConvert) {
        ConversionRun conversion(std::move(job), prompter, log, recorder.Callbacks(),
                                 std::move(converter));
        return conversion.Run();
    }
};

TEST_F(ConversionRunTest, ProgressPathsAndCounts) {
    for (int jobs : {1, 3}) {
        recorder.progress.clear();
        const auto runFolder = dir.file("run" + std::to_string(jobs)) + "/";
        fs::create_directory(runFolder);
        const RunResult r = RunJob(
            Job({Photo("/in/a.png"), Photo("/in/b.png"), Photo("/in/c.png")}, runFolder, jobs));
        EXPECT_EQ(recorder.progress, (std::vector<int>{0, 333, 666, 999})) << jobs;
        EXPECT_EQ(recorder.paths.size(), 3u);
        EXPECT_EQ(recorder.paths[1], runFolder + "p.2.2009.05.17.jpg");
        EXPECT_EQ(r.total, 3u);
        EXPECT_EQ(r.converted, 3u);
        EXPECT_FALSE(r.stopped);
        EXPECT_EQ(testsupport::FilesBelow(runFolder).size(), 3u);
    }
    EXPECT_EQ(recorder.finishedCalls, 2);
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(ConversionRunTest, EmptyJobOnlyFinishes) {
    const RunResult r = RunJob(Job({}, run, 0));
    EXPECT_EQ(recorder.progress, std::vector<int>{999});
    EXPECT_EQ(r.total, 0u);
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(recorder.finishedCalls, 1);
}

TEST_F(ConversionRunTest, StopFinishesThePhotoInHandOnly) {
    std::vector<PhotoItem> five;
    for (int i = 0; i < 5; ++i) five.push_back(Photo("/in/" + std::to_string(i) + ".jpg"));
    ConversionRun* self = nullptr;
    auto stopAtFirst = [&](const PhotoJob& p, const TextOverlay& o, Prompter& pr) {
        self->RequestStop();
        return FakeConvert(p, o, pr);
    };
    ConversionRun conversion(Job(five, run, 1), prompter, log, recorder.Callbacks(), stopAtFirst);
    self = &conversion;
    const RunResult r = conversion.Run();
    EXPECT_EQ(r.converted, 1u);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.NotStarted(), 4u);
    EXPECT_EQ(recorder.progress, (std::vector<int>{0})) << "the bar stays where it stopped";
    EXPECT_EQ(recorder.paths.size(), 1u);
    EXPECT_EQ(recorder.finishedCalls, 1);
}

TEST_F(ConversionRunTest, StopWithTwoWorkersFinishesBothInHand) {
    std::vector<PhotoItem> five;
    for (int i = 0; i < 5; ++i) five.push_back(Photo("/in/" + std::to_string(i) + ".jpg"));
    std::mutex m;
    std::condition_variable cv;
    bool secondStarted = false;
    ConversionRun* self = nullptr;
    // The first photo is held until the second has started; the second asks
    // for the stop. Both are in hand, so both are finished, and no third.
    auto converter = [&](const PhotoJob& p, const TextOverlay& o, Prompter& pr) {
        if (p.source.path == "/in/0.jpg") {
            std::unique_lock l(m);
            cv.wait(l, [&] { return secondStarted; });
        } else {
            self->RequestStop();
            std::lock_guard l(m);
            secondStarted = true;
            cv.notify_all();
        }
        return FakeConvert(p, o, pr);
    };
    ConversionRun conversion(Job(five, run, 2), prompter, log, recorder.Callbacks(), converter);
    self = &conversion;
    const RunResult r = conversion.Run();
    EXPECT_EQ(r.converted, 2u);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(recorder.progress, (std::vector<int>{0, 200}));
}

TEST_F(ConversionRunTest, ReplaceQuestionBothWays) {
    const std::string existing = run + "p.1.2009.05.17.jpg";
    for (PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        std::ofstream(existing, std::ios::binary) << "old";
        prompter.Clear();
        prompter.Script({answer});
        const RunResult r = RunJob(Job({Photo("/in/a.jpg")}, run, 1));
        ASSERT_EQ(prompter.Prompts().size(), 1u);
        EXPECT_EQ(prompter.Prompts()[0].buttons, PromptButtons::YesNo);
        const std::string body = testsupport::FilesBelow(run)["p.1.2009.05.17.jpg"];
        if (answer == PromptAnswer::No) {
            EXPECT_EQ(body, "old");
            EXPECT_EQ(r.skipped, 1u);
            ASSERT_EQ(log.Lines().size(), 1u);
            EXPECT_EQ(log.Lines()[0].substr(20),
                      "/in/a.jpg: Not converted: the output file exists (" + existing + ")");
        } else {
            EXPECT_NE(body, "old");
            EXPECT_EQ(r.converted, 1u);
        }
    }
}

TEST_F(ConversionRunTest, EqualOutputPathsAreNumberedApartInListOrder) {
    // With "Not rename", sources of one title from different folders each
    // get a file of their own, without a question: none was there before.
    std::vector<PhotoItem> photos;
    for (int i = 0; i < 3; ++i) photos.push_back(Photo("/in/" + std::to_string(i) + "/same.png"));
    photos.push_back(Photo("/in/other.png"));
    photos.push_back(Photo("/in/9/SAME.png"));  // one file on a case-insensitive card
    ConversionJob job = Job(photos, run, 4);
    job.naming.notRename = true;
    const RunResult r = RunJob(job);
    EXPECT_EQ(r.converted, 5u);
    EXPECT_EQ(r.numberedApart, 3u);
    EXPECT_TRUE(prompter.Prompts().empty());
    auto files = testsupport::FilesBelow(run);
    ASSERT_EQ(files.size(), 5u);
    for (const auto& [name, source] : std::map<std::string, std::string>{
             {"same.jpg", "/in/0/"}, {"same-2.jpg", "/in/1/"}, {"same-3.jpg", "/in/2/"},
             {"SAME-4.jpg", "/in/9/"}, {"other.jpg", "/in/other"}})
        EXPECT_EQ(files[name].substr(0, 6), source.substr(0, 6)) << name;
}

// A run whose failures are shown at its end asks only its questions, one at
// a time, and an answer to all is asked once.
TEST_F(ConversionRunTest, QuietRunAsksOnlyQuestionsAndOnceToAll) {
    for (const char* name : {"p.1.2009.05.17.jpg", "p.2.2009.05.17.jpg", "p.3.2009.05.17.jpg"})
        std::ofstream(run + name) << "old";
    std::vector<PhotoItem> photos{Photo("/in/a.jpg"), Photo("/in/b.jpg"), Photo("/in/c.jpg"),
                                  Photo("/in/d.jpg", 0, 10)};
    ConversionJob job = Job(photos, run, 3);
    job.tellFailures = false;
    prompter.Script({PromptAnswer::NoToAll});
    const RunResult r = RunJob(job, [](const PhotoJob& p, const TextOverlay& o, Prompter& pr) {
        if (p.plan.width <= 0) {
            pr.Tell("The output width is invalid!", p.source.path);
            return PhotoResult{PhotoOutcome::Failed, "The output width is invalid!", {}};
        }
        if (fs::exists(p.outputPath) &&
            pr.Ask(Prompt{p.outputPath, "Warning", PromptButtons::YesNoAll, PromptIcon::None, {},
                          {}, {}}) != PromptAnswer::Yes)
            return PhotoResult{PhotoOutcome::Skipped, "Not converted", {}};
        return FakeConvert(p, o, pr);
    });
    EXPECT_EQ(prompter.Prompts().size(), 1u);
    EXPECT_EQ(r.skipped, 3u);
    EXPECT_EQ(r.failed, 1u);
    ASSERT_EQ(log.Lines().size(), 4u) << "every photo not written is logged";
}

// With Keep sub-folders, a failed photo leaves no empty folder behind; a
// folder another photo was written into stays.
TEST_F(ConversionRunTest, FailedPhotoLeavesNoEmptyFolder) {
    std::vector<PhotoItem> photos{Photo("/in/Day1/am/bad.jpg"), Photo("/in/Day2/bad.jpg"),
                                  Photo("/in/Day2/good.jpg")};
    for (PhotoItem& photo : photos) photo.strSearchRoot = "/in/";
    ConversionJob job = Job(photos, run, 2);
    job.naming.keepFolders = true;
    job.naming.notRename = true;
    const RunResult r = RunJob(job, [](const PhotoJob& p, const TextOverlay& o, Prompter& pr) {
        if (p.source.path.find("bad") != std::string::npos)
            return PhotoResult{PhotoOutcome::Failed, "Failed to convert photo!", "damaged"};
        return FakeConvert(p, o, pr);
    });
    EXPECT_EQ(r.failed, 2u);
    EXPECT_FALSE(fs::exists(run + "Day1"));
    EXPECT_TRUE(fs::exists(run + "Day2/good.jpg"));
}

TEST_F(ConversionRunTest, TextPositionCorrectionsInListOrder) {
    // Photo 0 is narrow for X = -5 (negative) -> X reset; photo 1 is too low
    // for Y = 700 -> Y reset; photo 2 starts from 0,0. Photo 3 has an
    // invalid size and is not checked.
    std::vector<PhotoItem> photos{Photo("/in/a.jpg", 1024, 768), Photo("/in/b.jpg", 1024, 600),
                                  Photo("/in/c.jpg", 10, 10), Photo("/in/d.jpg", 0, 10)};
    ConversionJob job = Job(photos, run, 3);
    job.overlay.text = "hello";
    job.overlay.x = -5;
    job.overlay.y = 700;
    std::mutex m;
    std::map<std::string, std::pair<int, int>> drawnAt;
    auto converter = [&](const PhotoJob& p, const TextOverlay& o, Prompter&) {
        std::lock_guard l(m);
        drawnAt[p.source.path] = {o.x, o.y};
        EXPECT_EQ(o.text, "hello");
        return PhotoResult{PhotoOutcome::Written, {}, {}};
    };
    RunJob(job, converter);
    EXPECT_EQ(drawnAt["/in/a.jpg"], std::make_pair(0, 700));
    EXPECT_EQ(drawnAt["/in/b.jpg"], std::make_pair(0, 0));
    EXPECT_EQ(drawnAt["/in/c.jpg"], std::make_pair(0, 0));
    EXPECT_EQ(recorder.resets, (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}}));
    const auto lines = log.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(20), "/in/a.jpg " + GetText(IDS_TEXT_X_OUT_OF_RANGE));
    EXPECT_EQ(lines[1].substr(20), "/in/b.jpg " + GetText(IDS_TEXT_Y_OUT_OF_RANGE));
}

TEST_F(ConversionRunTest, NoOverlayTextOrAnotherAnchorMeansNoPositionCheck) {
    for (const char* text : {"", "margin from the bottom right"}) {
        ConversionJob job = Job({Photo("/in/a.jpg")}, run, 1);
        job.overlay.text = text;
        job.overlay.anchor = *text ? kAnchorBottomRight : kAnchorTopLeft;
        job.overlay.x = -5;
        job.overlay.y = 99999;
        TextOverlay drawn;
        RunJob(job, [&](const PhotoJob&, const TextOverlay& o, Prompter&) {
            drawn = o;
            return PhotoResult{PhotoOutcome::Written, {}, {}};
        });
        EXPECT_EQ(drawn.y, 99999) << "the drawing keeps the text inside";
        EXPECT_TRUE(recorder.resets.empty());
        EXPECT_TRUE(log.Lines().empty());
    }
}

TEST_F(ConversionRunTest, UnknownFormatIsLoggedAndStillHandedOn) {
    std::vector<std::string> handed;
    auto converter = [&](const PhotoJob& p, const TextOverlay& o, Prompter& pr) {
        handed.push_back(p.outputPath);
        return FakeConvert(p, o, pr);
    };
    const int32_t unknown = static_cast<int32_t>(OutputFormats().size()) + 1;
    const RunResult r =
        RunJob(Job({Photo("/in/a.jpg", 8, 8, unknown), Photo("/in/b.jpg")}, run, 1), converter);
    ASSERT_EQ(handed.size(), 2u);
    EXPECT_EQ(handed[0], run + "p.1.2009.05.17.");
    EXPECT_EQ(r.failed, 1u);
    EXPECT_EQ(r.converted, 1u);
    ASSERT_EQ(log.Lines().size(), 2u);
    EXPECT_EQ(log.Lines()[0].substr(20), "unknown output photo format!");
    EXPECT_EQ(log.Lines()[1].substr(20), "/in/a.jpg: unknown output photo format!");
}

TEST_F(ConversionRunTest, ThrowingConverterCountsAsFailed) {
    auto converter = [](const PhotoJob& p, const TextOverlay&, Prompter&) -> PhotoResult {
        if (p.source.path == "/in/a.jpg")
            throw std::bad_alloc();
        return {PhotoOutcome::Written, {}, {}};
    };
    const RunResult r = RunJob(Job({Photo("/in/a.jpg"), Photo("/in/b.jpg")}, run, 2), converter);
    EXPECT_EQ(r.failed, 1u);
    EXPECT_EQ(r.converted, 1u);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{GetText(IDS_CONVERT_FAILED)});
    EXPECT_EQ(prompter.Captions(), std::vector<std::string>{"/in/a.jpg"});
}

TEST_F(ConversionRunTest, ParallelRunMatchesOneAtATime) {
    std::vector<PhotoItem> photos;
    for (int i = 0; i < 23; ++i)
        photos.push_back(Photo("/in/" + std::to_string(i % 7) + "/x" + std::to_string(i) + ".jpg",
                               100 + i, 50 + 3 * i, i % 4));
    std::map<std::string, std::string> contents[2];
    int slot = 0;
    for (int jobs : {1, 5}) {
        const std::string folder = dir.file("jobs" + std::to_string(jobs)) + "/";
        fs::create_directory(folder);
        ConversionJob job = Job(photos, folder, jobs);
        job.overlay.text = "T";
        job.overlay.x = 120;
        job.overlay.y = 60;
        RunJob(job);
        auto files = testsupport::FilesBelow(folder);
        // The same names and bodies; the bodies name no folder of the run.
        contents[slot++] = files;
    }
    EXPECT_EQ(contents[0], contents[1]);
    EXPECT_EQ(contents[0].size(), 23u);
}

TEST(ConversionRunJobs, EffectiveJobs) {
    EXPECT_EQ(ConversionRun::EffectiveJobs(4, 10), 4);
    EXPECT_EQ(ConversionRun::EffectiveJobs(4, 2), 2);
    EXPECT_EQ(ConversionRun::EffectiveJobs(4, 0), 1);
    EXPECT_EQ(ConversionRun::EffectiveJobs(0, 1000), AvailableCores());
    EXPECT_GE(AvailableCores(), 1);
}

}  // namespace
