// The command line end to end: the built program run on generated photos.

#include "ConvertCommandFixture.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <QDateTime>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace {

using namespace clitest;
namespace fs = std::filesystem;

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
    const auto names = FolderEntries(runFolder);
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
    fs::copy_file(testsupport::CameraPhoto(), camera);
    const std::string plain = Picture(in + "/plain.png");
    ASSERT_TRUE(testsupport::SetModified(camera, testsupport::LocalTime(2020, 1, 2)));
    ASSERT_TRUE(testsupport::SetModified(plain, testsupport::LocalTime(2021, 3, 4)));
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
        EXPECT_EQ(FolderEntries(r.LastOutLine()), row.names) << r.out;
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
    EXPECT_EQ(FolderEntries(r.LastOutLine()).size(), 1u);
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
    // From another anchor it is a margin, and the drawing keeps the text inside.
    r = Run({"--into", dir.file("right"), "--text", "Hi", "--text-anchor", "right", "--text-pos", "1024,0", a});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err.find("Warning"), std::string::npos) << r.err;
}

// Without a login session's runtime folder Qt is still quiet, and a font
// family that is not installed is named with the one drawn instead.
TEST_F(ConvertCommand, TextNeedsNoSessionAndNamesAMissingFont) {
    const std::string a = Picture(in + "/a.png");
    const Outcome r = Run({"-o", out, "--text", "Hi", "--font", "No Such Family", a},
                          {}, {"XDG_RUNTIME_DIR="});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err.find("XDG_RUNTIME_DIR"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("quillmere-convert: font family 'No Such Family' is not installed; the text "
                         "is drawn in '"),
              std::string::npos)
        << r.err;
}

TEST_F(ConvertCommand, SameOutputNamesAreNumberedApart) {
    const std::string one = Picture(in + "/same.png");
    const std::string two = Picture(in + "/sub/same.png", 50, 50);
    Outcome r = Run({"-o", out, "--no-rename", "-j", "2", one, two});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err.find("exists"), std::string::npos) << r.err;
    EXPECT_EQ(FolderEntries(r.LastOutLine()), (std::vector<std::string>{"same-2.jpg", "same.jpg"}));
    EXPECT_EQ(QImage(QString::fromStdString(r.LastOutLine() + "same.jpg")).height(), 768);
    // The second photo (square) has a file of its own.
    EXPECT_EQ(QImage(QString::fromStdString(r.LastOutLine() + "same-2.jpg")).height(), 1024);
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
    // The log says it in plain words first, the library's text after it.
    EXPECT_NE(log.find(damaged + ": the file is damaged or incomplete - Failed to convert photo! ("),
              std::string::npos)
        << log;
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

TEST_F(ConvertCommand, KeepFoldersMirrorsTheSearchedTree) {
    for (const std::string day : {"Day1", "Day2", "Day3"}) {
        fs::create_directories(in + "/Holiday/" + day);
        Picture(in + "/Holiday/" + day + "/IMG_0001.png");
    }
    Picture(in + "/Holiday/top.png");
    const std::string date = "." + QDateTime::currentDateTime().toString("yyyy.MM.dd").toStdString();
    const struct {
        std::vector<std::string> naming;
        std::vector<std::string> expect;
    } rows[] = {{{"--no-rename"}, {"Day1/IMG_0001.jpg", "Day2/IMG_0001.jpg", "Day3/IMG_0001.jpg", "top.jpg"}},
                {{"--prefix", "trip"},
                 {"Day1/trip.2" + date + ".jpg", "Day2/trip.3" + date + ".jpg", "Day3/trip.4" + date + ".jpg",
                  "trip.1" + date + ".jpg"}}};
    for (const auto& row : rows) {
        const std::string into = dir.file("mirror" + row.naming[0]);
        std::vector<std::string> args = {"--into", into, "--keep-folders", "-W", "20", in + "/Holiday"};
        args.insert(args.end(), row.naming.begin(), row.naming.end());
        const Outcome r = Run(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.LastOutLine(), into + "/");
        std::vector<std::string> written;
        for (const auto& [path, bytes] : FilesBelow(into))
            written.push_back(path);
        EXPECT_EQ(written, row.expect) << row.naming[0];
    }
}

TEST_F(ConvertCommand, FilesFromStandardInputLinesOrNul) {
    const struct {
        const char* name;
        char separator;
        bool crlf;        // as a list written on another system ends its lines
        bool lastEnded;   // false: the last path has no separator after it
    } rows[] = {{"lines", '\n', false, true},   {"nul", '\0', false, true},
                {"crlf", '\n', true, true},     {"lines_open_end", '\n', false, false},
                {"nul_open_end", '\0', false, false}};
    for (const auto& row : rows) {
        const std::string into = dir.file(row.name);
        std::vector<std::string> args = {"--files-from", "-", "--into", into, "--no-rename", "-f", "png"};
        if (!row.separator)
            args.push_back("--null");
        std::string list = PictureList(5, row.separator);
        if (!row.lastEnded)
            list.pop_back();
        for (std::size_t at = 0; row.crlf && (at = list.find('\n', at)) != std::string::npos; at += 2)
            list.insert(at, "\r");
        const Outcome r = Run(args, list);
        EXPECT_EQ(r.exitCode, 0) << row.name << r.err;
        EXPECT_EQ(FolderEntries(into),
                  (std::vector<std::string>{"0.png", "1.png", "2.png", "3.png", "4.png"}))
            << row.name;
    }
}

TEST_F(ConvertCommand, TwoShardsMakeWhatOneRunMakes) {
    const std::string list = PictureList(12, '\n');
    std::ofstream(dir.file("all.txt")) << list;
    const std::size_t cut = list.find('\n', list.find("/6.png"));  // seven photos in the first shard
    std::ofstream(dir.file("a.txt")) << list.substr(0, cut + 1);
    std::ofstream(dir.file("b.txt")) << list.substr(cut + 1);
    ASSERT_EQ(Run({"--files-from", dir.file("all.txt"), "--into", dir.file("one")}).exitCode, 0);
    for (const auto& [shard, start] : {std::pair{"a.txt", "1"}, std::pair{"b.txt", "8"}}) {
        const Outcome r = Run({"--files-from", dir.file(shard), "--into", dir.file("shards"), "--number-start",
                               start, "--number-width", "2"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
    }
    const auto one = FilesBelow(dir.file("one")), shards = FilesBelow(dir.file("shards"));
    EXPECT_EQ(one.size(), 12u);
    EXPECT_EQ(one.begin()->first.rfind("output.photo.01.", 0), 0u) << one.begin()->first;
    EXPECT_TRUE(one == shards) << "the same names and bytes";
}

TEST_F(ConvertCommand, ReportCountsMatchTheExitStatus) {
    const std::string good = Picture(in + "/good.png"), wide = Picture(in + "/wide.png", 400, 2);
    std::ofstream(in + "/fake.png") << "not a picture";
    const struct {
        std::vector<std::string> photos;
        int exitCode, converted, skipped, failed;
    } rows[] = {{{good, in + "/sub"}, 0, 1, 0, 0}, {{good, wide, in + "/fake.png"}, 1, 1, 1, 1}};
    for (const auto& row : rows) {
        std::vector<std::string> args = {"-W", "20", "--into", dir.file("r" + std::to_string(row.exitCode)),
                                         "--report", dir.file("report.jsonl")};
        args.insert(args.end(), row.photos.begin(), row.photos.end());
        const Outcome r = Run(args);
        EXPECT_EQ(r.exitCode, row.exitCode) << r.err;
        std::istringstream lines(ReadAll(dir.file("report.jsonl")));
        std::map<std::string, int> statuses;
        QJsonObject summary;
        for (std::string line; std::getline(lines, line);) {
            QJsonParseError error;
            const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error).object();
            ASSERT_EQ(error.error, QJsonParseError::NoError) << line;
            if (object.contains("summary")) {
                summary = object;
                continue;
            }
            ++statuses[object["status"].toString().toStdString()];
            for (const char* key : {"source", "output", "reason", "width", "height", "bytes"})
                EXPECT_TRUE(object.contains(key)) << key << " in " << line;
            if (object["status"] == "converted")
                EXPECT_GT(object["bytes"].toInt(), 0) << line;
            else
                EXPECT_FALSE(object["reason"].toString().isEmpty()) << line;
        }
        EXPECT_EQ(summary["exitStatus"].toInt(), row.exitCode);
        for (const auto& [key, count] : {std::pair{"converted", row.converted}, std::pair{"skipped", row.skipped},
                                         std::pair{"failed", row.failed}}) {
            EXPECT_EQ(summary[key].toInt(), count) << key;
            EXPECT_EQ(statuses[key], count) << key;
        }
    }
}

// The report names each file as it is on disk, byte for byte, also where
// JSON must escape the name.
TEST_F(ConvertCommand, ReportNamesNonAsciiPathsExactly) {
    const std::string photo = Picture(in + "/caf\u00e9 \"\u65e5\".png");
    const std::string into = dir.file("exact");
    ASSERT_EQ(Run({"--into", into, "--no-rename", "--report", dir.file("exact.jsonl"), photo}).exitCode, 0);
    std::istringstream lines(ReadAll(dir.file("exact.jsonl")));
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
    EXPECT_EQ(object["source"].toString().toStdString(), photo);
    EXPECT_EQ(object["output"].toString().toStdString(), into + "/caf\u00e9 \"\u65e5\".jpg");
}

// Names that are not UTF-8 (Latin-1 from an old camera card) stay apart and
// whole in the report: each such byte as the lone surrogate U+DC80 + byte.
TEST_F(ConvertCommand, ReportKeepsNamesThatAreNotUtf8) {
    const std::string e = in + "/caf\xe9.png", egrave = in + "/caf\xe8.png";
    // Qt takes file names as UTF-8: the pictures are made, then renamed.
    fs::rename(Picture(in + "/e.png"), e);
    fs::rename(Picture(in + "/egrave.png"), egrave);
    const std::string into = dir.file("latin");
    ASSERT_EQ(Run({"--into", into, "--no-rename", "--report", dir.file("latin.jsonl"), e, egrave})
                  .exitCode,
              0);
    const std::string report = ReadAll(dir.file("latin.jsonl"));
    for (const char* name : {"caf\\udce9.png\"", "caf\\udce8.png\"", "caf\\udce9.jpg\""})
        EXPECT_NE(report.find(name), std::string::npos) << name << " in " << report;
    // The same for the outputs of several presets, nested in the photo's line.
    for (const char* format : {"png", "webp"})
        ASSERT_EQ(Run({"--save-preset", format, "-f", format}).exitCode, 0);
    ASSERT_EQ(Run({"--outputs", "png,webp", "--name", "{name}_{preset}", "--into",
                   dir.file("several"), "--report", dir.file("several.jsonl"), e})
                  .exitCode,
              0);
    const std::string several = ReadAll(dir.file("several.jsonl"));
    for (const char* name : {"caf\\udce9_png.png\"", "caf\\udce9_webp.webp\""})
        EXPECT_NE(several.find(name), std::string::npos) << name << " in " << several;
}

// The default layout writes into the searched folder: a second run over it
// finds the same photos, not the first run's outputs; two runs in the same
// second write apart.
TEST_F(ConvertCommand, LaterRunsDoNotConvertEarlierOutputs) {
    Picture(in + "/a.png");
    Picture(in + "/sub/b.png");
    const std::string inside = in + "/Quillmere";
    std::vector<std::string> folders;
    for (const std::vector<std::string>& output : {std::vector<std::string>{"-o", inside},
                                                   {"-o", inside}, {"-o", out}}) {
        std::vector<std::string> args = output;
        args.insert(args.end(), {"--format=png", "-W", "20", in});
        const Outcome r = Run(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(FolderEntries(r.LastOutLine()).size(), 2u) << r.LastOutLine();
        folders.push_back(r.LastOutLine());
    }
    EXPECT_NE(folders[0], folders[1]);
}

}  // namespace
