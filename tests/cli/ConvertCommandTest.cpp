// The command line end to end: the built program run on generated photos.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/time.h>
#include <sys/wait.h>

#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
    std::string LastOutLine() const {
        std::string s = out;
        while (!s.empty() && s.back() == '\n')
            s.pop_back();
        const std::size_t nl = s.rfind('\n');
        return nl == std::string::npos ? s : s.substr(nl + 1);
    }
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ConvertCommand : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    std::string out = dir.file("out");
    std::string in = dir.file("in");

    void SetUp() override {
        fs::create_directories(out);
        fs::create_directories(in + "/sub");
    }

    // Runs the program with standard input not a terminal.
    Outcome Run(const std::vector<std::string>& args) {
        std::string command = Quote(QUILLMERE_CONVERT_BIN);
        for (const auto& a : args)
            command += " " + Quote(a);
        const std::string outFile = dir.file("stdout.txt"), errFile = dir.file("stderr.txt");
        command += " </dev/null >" + Quote(outFile) + " 2>" + Quote(errFile);
        const int status = std::system(command.c_str());
        Outcome r;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = ReadAll(outFile);
        r.err = ReadAll(errFile);
        return r;
    }

    std::string Picture(const std::string& path, int w = 40, int h = 30) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(QColor(200, 120, 40));
        EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG"));
        return path;
    }

    static std::vector<std::string> Names(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ConvertCommand, ConvertsFilesAndFoldersAndPrintsTheRunFolderLast) {
    const std::string a = Picture(in + "/a.png");
    Picture(in + "/sub/b.png");
    Picture(in + "/sub/c.PNG");
    std::ofstream(in + "/sub/notes.txt") << "not a picture";  // not a photo extension: ignored
    const Outcome r = Run({"-o", out, "--format=png", "-W", "20", a, in + "/sub"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string runFolder = r.LastOutLine();
    ASSERT_EQ(runFolder.rfind(out + "/", 0), 0u) << r.out;
    ASSERT_EQ(runFolder.back(), '/');
    const auto names = Names(runFolder);
    ASSERT_EQ(names.size(), 3u);
    // Three photos: one-digit numbers, in argument then search order.
    EXPECT_EQ(names[0].rfind("output.photo.1.", 0), 0u);
    EXPECT_EQ(names[2].rfind("output.photo.3.", 0), 0u);
    EXPECT_EQ(names[0].substr(names[0].size() - 4), ".png");
    const QImage first(QString::fromStdString(runFolder + names[0]));
    EXPECT_EQ(first.width(), 20);
    EXPECT_EQ(first.height(), 15);
    EXPECT_TRUE(fs::exists(out + "/Corvale.log") == false || fs::file_size(out + "/Corvale.log") == 0);
}

// A camera photo copied later: its file date is the copy's, its EXIF
// DateTimeOriginal the day it was taken. A photo without EXIF keeps its
// file date either way.
TEST_F(ConvertCommand, DateTakenNamesPhotosAfterTheDayTheyWereTaken) {
    const std::string camera = in + "/camera.jpg";
    fs::copy_file(testsupport::TestSourceDir() + "/data/defaults/source.jpg", camera);
    const std::string plain = Picture(in + "/plain.png");
    const auto setDate = [](const std::string& path, int year, int month, int day) {
        std::tm t{};
        t.tm_year = year - 1900, t.tm_mon = month - 1, t.tm_mday = day, t.tm_hour = 12, t.tm_isdst = -1;
        const timeval times[2] = {{std::mktime(&t), 0}, {std::mktime(&t), 0}};
        ASSERT_EQ(::utimes(path.c_str(), times), 0);
    };
    setDate(camera, 2020, 1, 2);
    setDate(plain, 2021, 3, 4);
    const struct {
        std::vector<std::string> option;
        std::vector<std::string> names;
    } rows[] = {
        {{}, {"output.photo.1.2020.01.02.jpg", "output.photo.2.2021.03.04.jpg"}},
        {{"--date", "file"}, {"output.photo.1.2020.01.02.jpg", "output.photo.2.2021.03.04.jpg"}},
        {{"--date=taken"}, {"output.photo.1.2009.05.17.jpg", "output.photo.2.2021.03.04.jpg"}},
    };
    int runs = 0;
    for (const auto& row : rows) {
        // A folder per run: runs in one second would share the run folder.
        const std::string folder = dir.file("out-date" + std::to_string(++runs));
        std::vector<std::string> args = {"-o", folder, "-W", "20"};
        args.insert(args.end(), row.option.begin(), row.option.end());
        args.insert(args.end(), {camera, plain});
        const Outcome r = Run(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(Names(r.LastOutLine()), row.names) << r.out;
    }
}

TEST_F(ConvertCommand, NonPictureIsSkippedWithANoticeAndExitOne) {
    const std::string a = Picture(in + "/a.png");
    const std::string fake = in + "/fake.jpg";
    std::ofstream(fake) << "this is text";
    const Outcome r = Run({"-o", out, a, fake, in + "/missing.png"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(fake + ": not a picture, skipped\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("missing.png: no such file or folder, skipped"), std::string::npos);
    EXPECT_EQ(Names(r.LastOutLine()).size(), 1u);
}

TEST_F(ConvertCommand, BadArgumentsExitTwoNamingTheOption) {
    const struct {
        std::vector<std::string> args;
        const char* mentions;
    } rows[] = {{{"--quality=0", "a.png"}, "--quality"},
                {{"--rotate", "45", "a.png"}, "--rotate"},
                {{"--frobnicate", "a.png"}, "--frobnicate"},
                {{"a.png", "-W"}, "-W"},
                {{}, "no photos"}};
    for (const auto& row : rows) {
        const Outcome r = Run(row.args);
        EXPECT_EQ(r.exitCode, 2) << row.mentions;
        EXPECT_NE(r.err.find(row.mentions), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    const Outcome help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: quillmere-convert"), std::string::npos);
}

TEST_F(ConvertCommand, TextPositionChecks) {
    const std::string a = Picture(in + "/a.png", 40, 30);
    // Negative X passes the pre-run check and is set to 0 at the photo,
    // with a line in the activity log of the output folder.
    Outcome r = Run({"-o", out, "--text", "Hi", "--text-pos=-5,3", a});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string log = ReadAll(out + "/Corvale.log");
    EXPECT_NE(log.find(a + " The text position X is out of range! The program set it to 0 now.\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("position Y"), std::string::npos);

    // At or past the default width: the pre-run warning on stderr. (Another
    // output folder: a run in the same second would share the run folder.)
    const std::string out2 = dir.file("out2");
    fs::create_directories(out2);
    r = Run({"-o", out2, "--text", "Hi", "--text-pos", "1024,0", a});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("Warning: The text position X is bigger than the photo width!"),
              std::string::npos)
        << r.err;
}

TEST_F(ConvertCommand, SameOutputNameMeetsTheReplaceQuestion) {
    const std::string one = Picture(in + "/same.png");
    const std::string two = Picture(in + "/sub/same.png", 50, 50);
    Outcome r = Run({"-o", out, "--no-rename", "-j", "2", one, two});
    EXPECT_EQ(r.exitCode, 1);  // not a terminal: answered No
    EXPECT_NE(r.err.find("same.jpg exists. Do you want to replace it? [no]"), std::string::npos)
        << r.err;
    EXPECT_EQ(Names(r.LastOutLine()), std::vector<std::string>{"same.jpg"});
    EXPECT_EQ(QImage(QString::fromStdString(r.LastOutLine() + "same.jpg")).height(), 768);

    r = Run({"-o", out, "--no-rename", "--overwrite=yes", one, two});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // The second photo (square) replaced the first.
    EXPECT_EQ(QImage(QString::fromStdString(r.LastOutLine() + "same.jpg")).height(), 1024);
}

TEST_F(ConvertCommand, EveryPhotoNotConvertedIsNamedWithItsReason) {
    const std::string good = Picture(in + "/good.png");
    const std::string wide = Picture(in + "/wide.png", 400, 2);  // 20 wide keeps 0 rows
    const std::string damaged = in + "/damaged.jpg";
    QImage photo(200, 150, QImage::Format_RGB32);
    photo.fill(QColor(10, 200, 90));
    ASSERT_TRUE(photo.save(QString::fromStdString(in + "/whole.jpg"), "JPEG"));
    const std::string whole = ReadAll(in + "/whole.jpg");
    std::ofstream(damaged, std::ios::binary) << whole.substr(0, whole.size() * 2 / 3);
    const Outcome r = Run({"-o", out, "-W", "20", "-j", "1", good, wide, damaged});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(wide + ": The output hight is invalid! (output size 20 x 0)\n"),
              std::string::npos) << r.err;
    EXPECT_NE(r.err.find(damaged + ": Failed to convert photo! ("), std::string::npos) << r.err;
    const std::string log = ReadAll(out + "/Corvale.log");
    EXPECT_NE(log.find(wide + ": The output hight is invalid!"), std::string::npos) << log;
    EXPECT_NE(log.find(damaged + ": Failed to convert photo! ("), std::string::npos) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
}

TEST_F(ConvertCommand, OutputFolderIsMadeOrTheReasonTold) {
    const std::string a = Picture(in + "/a.png");
    Outcome r = Run({"-o", dir.file("new/deeper"), a});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.LastOutLine().rfind(dir.file("new/deeper/"), 0), 0u);

    std::ofstream(dir.file("plain")) << "a file where the folder should go";
    r = Run({"-o", dir.file("plain/deeper"), a});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(": Can not create the directory\nNot a directory"), std::string::npos) << r.err;
}

}  // namespace
