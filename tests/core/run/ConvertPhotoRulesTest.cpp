// The one-photo conversion: the replace question, failures and their
// messages, what is left on disk, the text overlay and the resize quality.

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "model/OptionTables.h"
#include "run/ConvertPhoto.h"
#include "support/PhotoJobs.h"
#include "support/RecordingPrompter.h"
#include "support/TestPictures.h"
#include "support/TestSupport.h"
#include "texts/LanguagePack.h"

using namespace testpictures;

// Beside the type, for the matchers to find.
static bool operator==(const Prompt& a, const Prompt& b) {
    return a.text == b.text && a.caption == b.caption && a.buttons == b.buttons && a.icon == b.icon;
}
static void PrintTo(const Prompt& p, std::ostream* os) {
    *os << "[" << p.caption << "] " << p.text;
}

namespace {

// A photo's error box: its caption is the photo's source path.
constexpr const char* kSourceCaption = "<source>";
Prompt ErrorBox(int id) {
    return {GetText(id), kSourceCaption, PromptButtons::Ok, PromptIcon::None, {}};
}

class ConvertRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = dir.file("source.png");
        Save(Quadrants(64, 48), source);
        ASSERT_EQ(mkdir(out.c_str(), 0755), 0);
    }

    PhotoItem Photo(int32_t format = kFormatPng, const std::string& name = "photo.png") const {
        PhotoItem photo;
        photo.strSourcePath = source;
        photo.strOutputPath = out + "/" + name;
        photo.m_outputPhotoFormat.nOuptputFormat = format;
        photo.m_outputPhotoFormat.nOutputWidth = 32;
        photo.m_outputPhotoFormat.nOutputHeight = 24;
        return photo;
    }

    Prompt ReplaceQuestion(const std::string& path) const {
        std::string text = GetText(IDS_FILE_EXISTS_REPLACE);
        text.replace(text.find("%s"), 2, path);
        return {text, GetText(IDS_WARNING), PromptButtons::YesNoAll, PromptIcon::Exclamation, {}};
    }

    testsupport::TempDir dir;
    std::string source;
    std::string out = dir.file("run");
    RecordingPrompter prompter{PromptAnswer::No};
};

TEST_F(ConvertRulesTest, ReplaceQuestionBothWays) {
    const PhotoItem photo = Photo();
    std::ofstream(photo.strOutputPath) << "old";

    prompter.Script({PromptAnswer::No});
    EXPECT_EQ(testsupport::ConvertListPhoto(photo, {}, prompter).outcome, PhotoOutcome::Skipped);
    EXPECT_EQ(ReadAll(photo.strOutputPath), "old");
    EXPECT_EQ(prompter.Prompts(), std::vector<Prompt>{ReplaceQuestion(photo.strOutputPath)});

    prompter.Clear();
    prompter.Script({PromptAnswer::Yes});
    EXPECT_EQ(testsupport::ConvertListPhoto(photo, {}, prompter).outcome, PhotoOutcome::Written);
    EXPECT_EQ(Load(photo.strOutputPath).width(), 32);
    EXPECT_EQ(prompter.Prompts(), std::vector<Prompt>{ReplaceQuestion(photo.strOutputPath)});
    EXPECT_EQ(FolderEntries(out), std::vector<std::string>{"photo.png"});
}

// Writes a file under the output name when the photo's first message box
// is shown: another run into the same folder, mid-way through this photo.
class PlantingPrompter : public RecordingPrompter {
public:
    PlantingPrompter(std::string path, PromptAnswer answer)
        : RecordingPrompter(answer), path_(std::move(path)) {}
    using RecordingPrompter::Ask;
    PromptAnswer Ask(const Prompt& prompt) override {
        if (Prompts().empty())
            std::ofstream(path_) << "the other run's";
        return RecordingPrompter::Ask(prompt);
    }

private:
    std::string path_;
};

TEST_F(ConvertRulesTest, FileAppearingMidwayIsReplacedOnlyWhenAgreed) {
    for (PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        PhotoItem photo = Photo();
        photo.m_outputPhotoFormat.nRotateAngel = 45;  // told after decoding, before saving
        PlantingPrompter planting(photo.strOutputPath, answer);
        const PhotoOutcome outcome = testsupport::ConvertListPhoto(photo, {}, planting).outcome;
        ASSERT_EQ(planting.Prompts().size(), 2u);
        EXPECT_EQ(planting.Prompts()[1], ReplaceQuestion(photo.strOutputPath));
        if (answer == PromptAnswer::No) {
            EXPECT_EQ(outcome, PhotoOutcome::Skipped);
            EXPECT_EQ(ReadAll(photo.strOutputPath), "the other run's");
        } else {
            EXPECT_EQ(outcome, PhotoOutcome::Written);
            EXPECT_EQ(Load(photo.strOutputPath).width(), 32);
        }
        EXPECT_EQ(FolderEntries(out), std::vector<std::string>{"photo.png"});
        unlink(photo.strOutputPath.c_str());
    }
}

TEST_F(ConvertRulesTest, SymbolicLinkAtTheOutputIsReplacedNotFollowed) {
    const std::string target = dir.file("elsewhere.png");
    std::ofstream(target) << "keep me";
    const PhotoItem photo = Photo();
    ASSERT_EQ(symlink(target.c_str(), photo.strOutputPath.c_str()), 0);
    prompter.Script({PromptAnswer::Yes});
    EXPECT_EQ(testsupport::ConvertListPhoto(photo, {}, prompter).outcome, PhotoOutcome::Written);
    struct stat st {};
    ASSERT_EQ(lstat(photo.strOutputPath.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(ReadAll(target), "keep me");
}

TEST_F(ConvertRulesTest, FailuresAreReportedAndLeaveNothingBehind) {
    ASSERT_EQ(mkfifo(dir.file("pipe.jpg").c_str(), 0600), 0);
    ASSERT_EQ(mkdir(dir.file("folder.jpg").c_str(), 0700), 0);
    const std::string whole = ReadAll(source);
    std::ofstream(dir.file("truncated.png"), std::ios::binary) << whole.substr(0, whole.size() / 2);
    std::ofstream(dir.file("garbage.jpg"), std::ios::binary)
        << "\xFF\xD8\xFF\xC0" << std::string(300, '\x11');
    const Prompt saveFailed{GetText(IDS_SAVE_FAILED),
                            dir.file("no/such/folder/x.png"),
                            PromptButtons::Ok,
                            PromptIcon::None,
                            {}};
    struct Case {
        const char* what;
        std::function<void(PhotoItem&)> change;
        PhotoOutcome outcome;
        std::vector<Prompt> prompts;
    } cases[] = {
        {"width 0",
         [](PhotoItem& p) { p.m_outputPhotoFormat.nOutputWidth = 0; },
         PhotoOutcome::Failed,
         {ErrorBox(IDS_OUTPUT_WIDTH_INVALID)}},
        {"both sides negative",
         [](PhotoItem& p) {
             p.m_outputPhotoFormat.nOutputWidth = -1;
             p.m_outputPhotoFormat.nOutputHeight = -1;
         },
         PhotoOutcome::Failed,
         {ErrorBox(IDS_OUTPUT_WIDTH_INVALID)}},
        {"height 0",
         [](PhotoItem& p) { p.m_outputPhotoFormat.nOutputHeight = 0; },
         PhotoOutcome::Failed,
         {ErrorBox(IDS_OUTPUT_HEIGHT_INVALID)}},
        {"deleted after adding",
         [&](PhotoItem& p) { p.strSourcePath = dir.file("gone.png"); },
         PhotoOutcome::Failed,
         {ErrorBox(IDS_CONVERT_FAILED)}},
        {"FIFO named .jpg",
         [&](PhotoItem& p) { p.strSourcePath = dir.file("pipe.jpg"); },
         PhotoOutcome::Failed,
         {ErrorBox(IDS_CONVERT_FAILED)}},
        {"folder named .jpg",
         [&](PhotoItem& p) { p.strSourcePath = dir.file("folder.jpg"); },
         PhotoOutcome::Failed,
         {ErrorBox(IDS_CONVERT_FAILED)}},
        {"truncated",
         [&](PhotoItem& p) { p.strSourcePath = dir.file("truncated.png"); },
         PhotoOutcome::Failed,
         {ErrorBox(IDS_CONVERT_FAILED)}},
        {"corrupt",
         [&](PhotoItem& p) { p.strSourcePath = dir.file("garbage.jpg"); },
         PhotoOutcome::Failed,
         {ErrorBox(IDS_CONVERT_FAILED)}},
        {"unknown angle goes on",
         [](PhotoItem& p) { p.m_outputPhotoFormat.nRotateAngel = 45; },
         PhotoOutcome::Written,
         {ErrorBox(IDS_UNKNOWN_ROTATE_ANGLE)}},
        {"unknown format",
         [](PhotoItem& p) {
             p.m_outputPhotoFormat.nOuptputFormat = int32_t(OutputFormats().size()) + 1;
         },
         PhotoOutcome::Failed,
         {}},
        {"missing output folder",
         [&](PhotoItem& p) { p.strOutputPath = saveFailed.caption; },
         PhotoOutcome::Failed,
         {saveFailed}},
    };
    for (const Case& c : cases) {
        PhotoItem photo = Photo();
        c.change(photo);
        prompter.Clear();
        const PhotoResult result = testsupport::ConvertListPhoto(photo, {}, prompter);
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
        std::vector<Prompt> expected = c.prompts;
        for (Prompt& p : expected)
            if (p.caption == kSourceCaption)
                p.caption = photo.strSourcePath;
        EXPECT_EQ(prompter.Prompts(), expected) << c.what;
        // Every failure says why, to the user and to the log.
        if (result.outcome == PhotoOutcome::Failed) {
            EXPECT_FALSE(result.message.empty()) << c.what;
            EXPECT_FALSE(result.reason.empty()) << c.what;
            if (!expected.empty()) {
                EXPECT_EQ(prompter.Prompts().back().detail,
                          result.message == GetText(IDS_SAVE_FAILED)
                              ? result.reason.substr(photo.strOutputPath.size() + 2)
                              : result.reason)
                    << c.what;
            }
        }
        const auto left = FolderEntries(out);
        EXPECT_EQ(left.size(), c.outcome == PhotoOutcome::Written ? 1u : 0u) << c.what;
        for (const std::string& name : left) unlink((out + "/" + name).c_str());
    }
}

TEST_F(ConvertRulesTest, FolderAtTheOutputPathIsASaveFailure) {
    const PhotoItem photo = Photo();
    ASSERT_EQ(mkdir(photo.strOutputPath.c_str(), 0755), 0);
    prompter.Script({PromptAnswer::Yes});
    EXPECT_EQ(testsupport::ConvertListPhoto(photo, {}, prompter).outcome, PhotoOutcome::Failed);
    ASSERT_EQ(prompter.Prompts().size(), 2u);
    EXPECT_EQ(prompter.Prompts()[1].text, GetText(IDS_SAVE_FAILED));
    EXPECT_EQ(FolderEntries(out), std::vector<std::string>{"photo.png"});
}

// A full disk, made by a file-size limit in a fresh child process: every
// format reports the failed save and leaves no file.
TEST_F(ConvertRulesTest, FullDiskIsAReportedSaveFailure) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    source = dir.file("big.png");
    Save(PhotoLike(400, 300), source);
    for (int32_t format : {kFormatJpg, kFormatPng, kFormatTif, kFormatBmp}) {
        PhotoItem photo = Photo(format, "full.out");
        photo.m_outputPhotoFormat.nOutputWidth = 400;
        photo.m_outputPhotoFormat.nOutputHeight = 300;
        if (format == kFormatBmp)
            photo.m_outputPhotoFormat.iComboPixelFormat = 2;
        auto child = [&] {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            RecordingPrompter child;
            const bool failed =
                testsupport::ConvertListPhoto(photo, {}, child).outcome == PhotoOutcome::Failed;
            const auto prompts = child.Prompts();
            const bool told = prompts.size() == 1 && prompts[0].text == GetText(IDS_SAVE_FAILED) &&
                              prompts[0].caption == photo.strOutputPath;
            _exit(failed && told && FolderEntries(out).empty() ? 0 : 1);
        };
        EXPECT_EXIT(child(), ::testing::ExitedWithCode(0), "") << "format " << format;
    }
}

TEST_F(ConvertRulesTest, AnyNameBytesAndLongPaths) {
    std::string folder = out;
    for (int i = 0; i < 6; ++i) {
        folder += "/" + std::string(60, char('a' + i));
        ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    }
    const std::string oddSource = folder + "/caf\xE9 [1].png]";  // Latin-1, not UTF-8
    ASSERT_EQ(rename(source.c_str(), oddSource.c_str()), 0);
    source = oddSource;
    PhotoItem photo = Photo(kFormatJpg);
    photo.strOutputPath = folder + "/\xFF\xFE out[x].jpg";
    ASSERT_GT(photo.strOutputPath.size(), 400u);
    EXPECT_EQ(testsupport::ConvertListPhoto(photo, {}, prompter).outcome, PhotoOutcome::Written);
    EXPECT_TRUE(prompter.Prompts().empty());
    EXPECT_EQ(Load(photo.strOutputPath).width(), 32);
}

TEST_F(ConvertRulesTest, SeveralPhotosAtOnce) {
    std::vector<std::thread> threads;
    std::vector<PhotoOutcome> outcomes(6, PhotoOutcome::Failed);
    for (int i = 0; i < 6; ++i)
        threads.emplace_back([&, i] {
            PhotoItem photo = Photo(i % 2 ? kFormatJpg : kFormatBmp, std::to_string(i) + ".out");
            TextOverlay overlay;
            overlay.text = "Photo " + std::to_string(i);
            outcomes[i] = testsupport::ConvertListPhoto(photo, overlay, prompter).outcome;
        });
    for (auto& t : threads) t.join();
    for (PhotoOutcome outcome : outcomes) EXPECT_EQ(outcome, PhotoOutcome::Written);
    EXPECT_EQ(FolderEntries(out).size(), 6u);
}

// Bounding box of the pixels that differ from white.
struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};
Box InkBox(const PixelGrid& image) {
    Box box;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (!Near(image.At(x, y), kWhite, 40)) {
                box.left = std::min(box.left, x), box.right = std::max(box.right, x);
                box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
            }
    return box;
}

TEST_F(ConvertRulesTest, TextIsDrawnAtItsTopLeftCornerAndTurnsWithThePicture) {
    source = dir.file("white.png");
    Save(vips::VImage::black(120, 80, vips::VImage::option()->set("bands", 3)) + 255, source);
    TextOverlay overlay;
    overlay.text = "HHH";
    overlay.x = 10;
    overlay.y = 12;
    overlay.font.lfHeight = -30;
    overlay.font.lfWeight = 900;
    overlay.color = 0x000000FF;  // red, as 0x00BBGGRR
    for (int angle : {0, 180}) {
        PhotoItem photo = Photo(kFormatPng, "text" + std::to_string(angle) + ".png");
        photo.strSourcePath = source;
        photo.m_outputPhotoFormat.nOutputWidth = 120;
        photo.m_outputPhotoFormat.nOutputHeight = 80;
        photo.m_outputPhotoFormat.nRotateAngel = angle;
        ASSERT_EQ(testsupport::ConvertListPhoto(photo, overlay, prompter).outcome,
                  PhotoOutcome::Written);
        const PixelGrid image(Load(photo.strOutputPath));
        Box box = InkBox(image);
        ASSERT_GE(box.right, 0) << angle;
        if (angle == 180)  // turn the box back into the drawing frame
            box = {119 - box.right, 79 - box.bottom, 119 - box.left, 79 - box.top};
        // The glyphs start within their side bearing and below the ascent.
        EXPECT_GE(box.left, 10) << angle;
        EXPECT_LE(box.left, 14) << angle;
        EXPECT_GE(box.top, 12) << angle;
        EXPECT_LE(box.top, 12 + 10) << angle;
        EXPECT_LE(box.bottom, 12 + 30) << angle;
        // The stems are solid red.
        bool solidRed = false;
        for (int x = box.left; x <= box.right && !solidRed; ++x) {
            const int y = (box.top + box.bottom) / 2;
            solidRed = image.At(angle ? 119 - x : x, angle ? 79 - y : y) == kRed;
        }
        EXPECT_TRUE(solidRed) << angle;
    }
    // No text, no ink.
    prompter.SetFallback(PromptAnswer::Yes);
    PhotoItem plain = Photo(kFormatPng, "plain.png");
    plain.strSourcePath = source;
    ASSERT_EQ(testsupport::ConvertListPhoto(plain, TextOverlay{}, prompter).outcome,
              PhotoOutcome::Written);
    EXPECT_LT(InkBox(PixelGrid(Load(plain.strOutputPath))).right, 0);
}

double Psnr(const vips::VImage& a, const vips::VImage& b) {
    const double mse = (a.cast(VIPS_FORMAT_FLOAT) - b.cast(VIPS_FORMAT_FLOAT)).pow(2).avg();
    return 10 * std::log10(255.0 * 255.0 / std::max(mse, 1e-12));
}

// Shrink-on-load must not cost quality: against a lanczos3 resize of the
// full decode, the output is at least as close as the thumbnailer's.
TEST_F(ConvertRulesTest, ResizeQualityIsAtLeastTheThumbnailers) {
    source = dir.file("large.jpg");
    Save(PhotoLike(1600, 1200), source, "Q=92");
    struct Case {
        int width, height;
    } cases[] = {{400, 300}, {200, 150}, {1000, 750}};
    for (const Case& c : cases) {
        PhotoItem photo = Photo(kFormatPng, "q" + std::to_string(c.width) + ".png");
        photo.m_outputPhotoFormat.nOutputWidth = c.width;
        photo.m_outputPhotoFormat.nOutputHeight = c.height;
        ASSERT_EQ(testsupport::ConvertListPhoto(photo, {}, prompter).outcome,
                  PhotoOutcome::Written);
        const vips::VImage ours = Load(photo.strOutputPath);
        const vips::VImage full = Load(source);
        const vips::VImage reference =
            full.resize(double(c.width) / full.width(),
                        vips::VImage::option()->set("kernel", VIPS_KERNEL_LANCZOS3));
        const vips::VImage thumbnailer = vips::VImage::thumbnail((source + "[]").c_str(), c.width);
        ASSERT_EQ(thumbnailer.width(), c.width);
        ASSERT_EQ(thumbnailer.height(), c.height);
        EXPECT_GE(Psnr(ours, reference) + 1e-9, Psnr(thumbnailer, reference)) << c.width;
    }
}

}  // namespace
