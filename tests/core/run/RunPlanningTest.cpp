// What a run plans before it starts and says while and after it runs.

#include <gtest/gtest.h>

#include "model/OptionTables.h"
#include "run/OutputPaths.h"
#include "run/RunSummary.h"
#include "support/PhotoJobs.h"

namespace {

PhotoItem Source(const std::string& path, int32_t format = kFormatJpg) {
    PhotoItem p;
    p.strSourcePath = path;
    p.m_outputPhotoFormat.nOuptputFormat = format;
    p.timeModified = 1242561600;  // mid-May 2009 in every time zone
    return p;
}

struct PlanRow {
    const char* name;
    std::vector<PhotoItem> photos;
    bool notRename;
    std::vector<std::string> names;  // below the run folder
    std::size_t numberedApart;
};

TEST(OutputPaths, LaterSameNamesAreNumberedApart) {
    const std::vector<PlanRow> rows = {
        {"two cameras' first photo",
         {Source("/CamA/IMG_0001.jpg"), Source("/CamB/IMG_0001.jpg")},
         true,
         {"IMG_0001.jpg", "IMG_0001-2.jpg"},
         1},
        {"a number another photo has on its own is skipped",
         {Source("/a/x.jpg"), Source("/b/x.jpg"), Source("/c/x-2.jpg")},
         true,
         {"x.jpg", "x-3.jpg", "x-2.jpg"},
         1},
        {"letter case alone does not keep names apart",
         {Source("/a/Beach.png"), Source("/b/BEACH.png")},
         true,
         {"Beach.jpg", "BEACH-2.jpg"},
         1},
        {"other formats are other names",
         {Source("/a/x.jpg"), Source("/b/x.jpg", kFormatPng)},
         true,
         {"x.jpg", "x.png"},
         0},
        {"renamed photos never meet", {Source("/a/x.jpg"), Source("/b/x.jpg")}, false,
         {"p.1.2009.05.17.jpg", "p.2.2009.05.17.jpg"}, 0},
        {"a title with dots keeps them", {Source("/a/v1.2.png"), Source("/b/v1.2.png")}, true,
         {"v1.2.jpg", "v1.2-2.jpg"}, 1},
    };
    for (const PlanRow& row : rows) {
        OutputNaming naming;
        naming.runFolder = "/run/";
        naming.prefix = "p";
        naming.notRename = row.notRename;
        const PlannedOutputs planned = PlanOutputPaths(testsupport::JobsOf(row.photos), naming);
        std::vector<std::string> names;
        for (const std::string& path : planned.paths) names.push_back(path.substr(5));
        EXPECT_EQ(names, row.names) << row.name;
        EXPECT_EQ(planned.numberedApart, row.numberedApart) << row.name;
    }
}

TEST(RunSummary, ProgressAndEndTexts) {
    EXPECT_EQ(ProgressText(1430, 5000, SecondsLeft(1430, 57.2, 3570)),
              "1,430 of 5,000 \u00b7 about 2 min left");
    EXPECT_EQ(ProgressText(0, 5000, SecondsLeft(0, 3.0, 5000)), "0 of 5,000");
    EXPECT_EQ(ProgressText(10, 1000000, 3.0 * 3600), "10 of 1,000,000 \u00b7 about 3 h left");

    RunResult stopped{5000, 168, 0, 0, true};
    EXPECT_EQ(RunOutcomeLines(stopped), "Stopped: 168 of 5,000 converted, 4,832 not started");
    RunResult failures{20, 17, 0, 3, false, 2};
    EXPECT_EQ(RunOutcomeLines(failures),
              "3 photos were not converted; see the log.\n"
              "2 photos got a number added to a name another photo has.");
    EXPECT_EQ(RunEndLogLine(failures),
              "Conversion ended: 17 of 20 converted, 3 failed, 0 not replaced, 0 not started, "
              "2 numbered apart");
}

TEST(RunSummary, PlainReasonKeepsTheProgramsOwnWords) {
    EXPECT_EQ(PlainReasonOf({PhotoOutcome::Failed, "Failed to convert photo!",
                             "VipsJpeg: Premature end of JPEG file"}),
              "the file is damaged or incomplete");
    EXPECT_EQ(PlainReasonOf({PhotoOutcome::Failed, "The output width is invalid!", "output size 0 x 15"}),
              "The output width is invalid!");
}

}  // namespace
