// Damaged photos failing together on eight workers: each keeps its own
// reason, run after run, as a run of one worker gives it.

// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "support/TestPictures.h"

#include "ConvertCommandFixture.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "platform/Paths.h"

#include <fstream>
#include <map>

namespace {

using namespace clitest;

// Source path to reason, from the --report file of a run.
std::map<std::string, std::string> ReasonsIn(const std::string& report) {
    std::map<std::string, std::string> reasons;
    std::ifstream in(report);
    for (std::string line; std::getline(in, line);) {
        const QJsonObject object =
            QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        if (object.contains("source"))
            reasons[object["source"].toString().toStdString()] =
                object["reason"].toString().toStdString();
    }
    return reasons;
}

TEST_F(ConvertCommand, EveryDamagedPhotoKeepsItsOwnReasonWithEightJobs) {
    using namespace testpictures;
    const vips::VImage photo = PhotoLike(480, 360);
    // Cut short, or with bytes in the middle garbled: each fails as it is
    // decoded, each in words of its own decoder.
    const struct {
        const char* name;
        const char* options;
        bool cut;
    } damaged[] = {
        {"cut.jpg", "Q=90", true}, {"garbled.jpg", "Q=90,interlace", false},
        {"cut.png", "", true},     {"garbled.png", "", false},
        {"cut.gif", "", true},     {"garbled.gif", "", false},
        {"cut.jxl", "", true},     {"garbled.tif", "compression=deflate", false},
    };
    std::vector<std::string> args{"--size=original", "--format=png", "--quiet", "--report",
                                  dir.file("report.json")};
    for (const auto& d : damaged) {
        const std::string path = in + "/" + d.name;
        Save(photo, path, d.options);
        std::string bytes = ReadAll(path);
        if (d.cut)
            bytes.resize(bytes.size() / 2);
        else
            for (std::size_t i = bytes.size() / 3; i < bytes.size() / 3 + 64; ++i) bytes[i] ^= 0x5A;
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        args.push_back(path);
    }
    int runs = 0;
    auto reasons = [&](const std::string& jobs) {
        // A folder of its own for each run: runs started within one second
        // would otherwise share their time-stamped run folder.
        std::vector<std::string> run{"-o", out + "/" + std::to_string(++runs), "-j", jobs};
        run.insert(run.end(), args.begin(), args.end());
        const Outcome r = Run(run);
        EXPECT_EQ(r.exitCode, 1) << r.err;
        return ReasonsIn(dir.file("report.json"));
    };
    const std::map<std::string, std::string> alone = reasons("1");
    ASSERT_EQ(alone.size(), std::size(damaged));
    for (const auto& [source, reason] : alone) {
        EXPECT_EQ(reason.find("Failed to convert photo! ("), 0u) << source << ": " << reason;
        EXPECT_EQ(reason.find("unknown imaging error"), std::string::npos) << source;
    }
    int runsWithALostReason = 0;
    for (int run = 0; run < 40; ++run) {
        const std::map<std::string, std::string> together = reasons("8");
        runsWithALostReason += together != alone;
        for (const auto& [source, reason] : together)
            EXPECT_EQ(reason, alone.at(source)) << "run " << run << ": " << source;
    }
    EXPECT_EQ(runsWithALostReason, 0) << "of 40 runs of " << std::size(damaged) << " photos";
}

// Half a WebP or AVIF is a damaged picture of a known format: a failure with
// its reason, not a file that is "not a picture" and skipped.
TEST_F(ConvertCommand, PictureCutShortBeforeItsPixelsFails) {
    using namespace testpictures;
    std::vector<std::string> args{"-o", out, "--report", dir.file("cut.json")};
    for (const char* name : {"half.webp", "half.avif"}) {
        const std::string path = in + "/" + name;
        Save(PhotoLike(480, 360), path);
        std::string bytes = ReadAll(path);
        bytes.resize(bytes.size() / 2);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        args.push_back(path);
    }
    std::ofstream(in + "/notes.jpg") << "a shopping list, not a picture";
    args.push_back(in + "/notes.jpg");
    const Outcome r = Run(args);
    EXPECT_EQ(r.exitCode, 1) << r.err;
    std::map<std::string, std::string> statuses;
    QJsonObject summary;
    std::ifstream report(dir.file("cut.json"));
    for (std::string line; std::getline(report, line);) {
        const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        if (object.contains("summary"))
            summary = object;
        else
            statuses[paths::NameOfPath(object["source"].toString().toStdString())] =
                object["status"].toString().toStdString() + ": " +
                object["reason"].toString().toStdString();
    }
    for (const char* name : {"half.webp", "half.avif"})
        EXPECT_EQ(statuses[name].rfind("failed: a damaged picture", 0), 0u) << statuses[name];
    EXPECT_EQ(statuses["notes.jpg"], "skipped: not a picture");
    EXPECT_EQ(summary["failed"].toInt(), 2);
    EXPECT_EQ(summary["skipped"].toInt(), 1);
}

}  // namespace
