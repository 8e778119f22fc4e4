// The batch run with the real conversion on small generated photos.

#include <gtest/gtest.h>

// libvips (through GLib's gio) before Qt, whose "signals" macro breaks gio.
#include "support/TestPictures.h"

#include <QImage>
#include <QRandomGenerator>

#include <filesystem>
#include <fstream>
#include <map>

#include "run/ConversionRun.h"
#include "support/PhotoJobs.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using testpictures::PhotoLike;
using testpictures::ReadAll;
using testpictures::Save;

std::string MakePicture(const std::string& path, int w, int h, quint32 seed) {
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 255) / w, (y * 255) / h, random.bounded(256)));
    EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG"));
    return path;
}

TEST(ConversionRunPhotos, ParallelRunWritesTheSameFilesAsOneAtATime) {
    testsupport::TempDir dir;
    // Every output format, an indexed BMP, rotations and an overlay whose
    // position is corrected part way through the list.
    std::vector<PhotoItem> photos;
    for (int i = 0; i < 8; ++i) {
        PhotoItem p;
        p.strSourcePath = MakePicture(dir.file("src" + std::to_string(i) + ".png"), 60 + 7 * i,
                                      40 + 5 * i, static_cast<quint32>(i + 1));
        p.nWidth = 60 + 7 * i;
        p.nHeight = 40 + 5 * i;
        OutputPhotoFormat& f = p.m_outputPhotoFormat;
        f.nOuputSizeType = kSizeFixed;
        f.nKeepAspectRatio = kKeepNone;
        f.nOutputWidth = 30 + 10 * i;
        f.nOutputHeight = 20 + 6 * i;
        f.nOuptputFormat = i % 4;
        f.iComboPixelFormat = i == 4 ? 2 : 4;
        f.nRotateAngel = (i % 4) * 90;
        f.nFlipType = i % 3;
        p.timeModified = 1242561600;
        photos.push_back(p);
    }
    std::map<std::string, std::string> results[2];
    int slot = 0;
    for (int jobs : {1, 3}) {
        const std::string run = dir.file("run" + std::to_string(jobs)) + "/";
        fs::create_directory(run);
        ActivityLog log(dir.path());
        RecordingPrompter prompter;
        ConversionJob job;
        job.photos = testsupport::JobsOf(photos);
        job.naming.runFolder = run;
        job.overlay.text = "Quill";
        job.overlay.x = 45;  // beyond the first photos' width: reset there
        job.overlay.y = 5;
        job.overlay.color = 0x0000FF;
        job.jobs = jobs;
        std::vector<std::pair<bool, bool>> resets;
        RunCallbacks callbacks;
        callbacks.textPositionReset = [&](bool x, bool y) { resets.emplace_back(x, y); };
        const RunResult r = ConversionRun(job, prompter, log, callbacks).Run();
        EXPECT_EQ(r.converted, photos.size()) << jobs;
        EXPECT_TRUE(prompter.Prompts().empty());
        EXPECT_EQ(resets, (std::vector<std::pair<bool, bool>>{{true, false}}));
        results[slot++] = testsupport::FilesBelow(run);
    }
    ASSERT_EQ(results[0].size(), photos.size());
    EXPECT_TRUE(results[0].count("output.photo.5.2009.05.17.bmp"));
    EXPECT_TRUE(results[0] == results[1]);
}

TEST(ConversionRunPhotos, SameOutputNameGivesTwoFiles) {
    testsupport::TempDir dir;
    fs::create_directory(dir.file("a"));
    fs::create_directory(dir.file("b"));
    PhotoItem first, second;
    first.strSourcePath = MakePicture(dir.file("a/same.png"), 40, 30, 1);
    second.strSourcePath = MakePicture(dir.file("b/same.png"), 40, 30, 2);
    for (PhotoItem* p : {&first, &second}) {
        p->nWidth = 40;
        p->nHeight = 30;
        p->m_outputPhotoFormat.nOuptputFormat = kFormatPng;
        p->m_outputPhotoFormat.nOutputWidth = 20;
        p->m_outputPhotoFormat.nOutputHeight = 15;
    }
    const std::string run = dir.file("run") + "/";
    fs::create_directory(run);
    ActivityLog log(dir.path());
    RecordingPrompter prompter(PromptAnswer::No);
    ConversionJob job;
    job.photos = testsupport::JobsOf({first, second});
    job.naming.runFolder = run;
    job.naming.notRename = true;
    job.jobs = 2;
    const RunResult r = ConversionRun(job, prompter, log, {}).Run();
    EXPECT_TRUE(prompter.Prompts().empty()) << "neither file was there before the run";
    EXPECT_EQ(r.converted, 2u);
    EXPECT_EQ(r.numberedApart, 1u);
    const auto files = testsupport::FilesBelow(run);
    EXPECT_EQ(files.size(), 2u);  // no temporary left behind
    EXPECT_TRUE(files.count("same.png") && files.count("same-2.png"));
}

// A photo that did not come out is named, with its reason, in one log line,
// and its box is captioned with its path.
TEST(ConversionRunPhotos, EveryFailedPhotoIsLoggedWithItsReason) {
    testsupport::TempDir dir;
    const std::string good = MakePicture(dir.file("good.png"), 40, 30, 1);
    const std::string damaged = dir.file("damaged\nname.jpg");
    Save(PhotoLike(120, 90), dir.file("whole.jpg"), "Q=90");
    const std::string whole = ReadAll(dir.file("whole.jpg"));
    std::ofstream(damaged, std::ios::binary) << whole.substr(0, whole.size() / 2);
    auto photo = [](const std::string& path, int32_t width) {
        PhotoItem p;
        p.strSourcePath = path;
        p.m_outputPhotoFormat.nOuptputFormat = kFormatPng;
        p.m_outputPhotoFormat.nOutputWidth = width;
        p.m_outputPhotoFormat.nOutputHeight = 15;
        return p;
    };
    const std::string run = dir.file("run") + "/";
    fs::create_directory(run);
    ActivityLog log(dir.path());
    RecordingPrompter prompter;
    ConversionJob job;
    job.photos = testsupport::JobsOf(
        {photo(good, 20), photo(damaged, 20), photo(good, 0), photo(dir.file("missing.png"), 20)});
    job.naming.runFolder = run;
    job.jobs = 1;  // the log in list order
    const RunResult r = ConversionRun(job, prompter, log, {}).Run();
    EXPECT_EQ(r.converted, 1u);
    EXPECT_EQ(r.failed, 3u);
    EXPECT_EQ(prompter.Captions(),
              (std::vector<std::string>{damaged, good, dir.file("missing.png")}));

    std::vector<std::string> lines;
    for (const std::string& line : testsupport::FileLines(log.FilePath()))
        lines.push_back(line.substr(20));  // after the time stamp
    ASSERT_EQ(lines.size(), 3u);
    std::string escaped = damaged;
    escaped.replace(escaped.find('\n'), 1, "\\n");  // one entry, one line
    EXPECT_EQ(lines[0].rfind(escaped + ": the file is damaged or incomplete - Failed to convert photo! (", 0),
              0u)
        << lines[0];
    EXPECT_GT(lines[0].size(), escaped.size() + 30) << "a decoder's reason";
    EXPECT_EQ(lines[1], good + ": The output width is invalid! (output size 0 x 15)");
    EXPECT_EQ(lines[2],
              dir.file("missing.png") +
                  ": the file is missing - Failed to convert photo! (No such file or directory)");
}

}  // namespace
