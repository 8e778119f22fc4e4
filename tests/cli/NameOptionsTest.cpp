// Name templates and several outputs per run, from the command line.

#include "ConvertCommandFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sstream>

namespace {

using namespace clitest;

TEST_F(ConvertCommand, OutputsOfThreePresetsAreWrittenAndCountedPerPreset) {
    for (const auto& [name, edge, format] :
         {std::tuple{"large", "32", "jpg"}, {"medium", "20", "png"}, {"thumb", "8", "webp"}}) {
        const Outcome saved = Run({"--save-preset", name, "--size", "long-edge", "--long-edge", edge,
                                   "-f", format});
        ASSERT_EQ(saved.exitCode, 0) << saved.err;
    }
    const std::string a = Picture(in + "/a.png"), b = Picture(in + "/sub/b.png", 30, 40);
    const Outcome r = Run({"--outputs", "large,medium,thumb", "--name", "{name}_{preset}_{w}",
                           "--into", dir.file("web"), "--report", dir.file("r.jsonl"), a, b});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto files = FilesBelow(dir.file("web"));
    for (const char* file : {"a_large_32.jpg", "a_medium_20.png", "a_thumb_8.webp", "b_large_24.jpg",
                             "b_medium_15.png", "b_thumb_6.webp"})
        EXPECT_TRUE(files.count(file)) << file;
    EXPECT_EQ(files.size(), 6u);

    std::istringstream lines(ReadAll(dir.file("r.jsonl")));
    QJsonObject summary;
    int outputLines = 0;
    for (std::string line; std::getline(lines, line);) {
        const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        if (object.contains("summary"))
            summary = object;
        else
            outputLines += object["outputs"].toArray().size();
    }
    EXPECT_EQ(outputLines, 6);
    const QJsonObject perPreset = summary["perPreset"].toObject();
    for (const char* preset : {"large", "medium", "thumb"}) EXPECT_EQ(perPreset[preset].toInt(), 2) << preset;

    // Without {preset} two presets of one format would write one file: refused
    // before anything is made.
    ASSERT_EQ(Run({"--save-preset", "large2", "--size", "long-edge", "--long-edge", "16"}).exitCode, 0);
    const Outcome refused = Run({"--outputs", "large,large2", "--name", "{name}", "--into",
                                 dir.file("clash"), a});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("two outputs of"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(dir.file("clash")));
}

}  // namespace
