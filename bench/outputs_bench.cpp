// Several outputs from one run: a web gallery's three sizes of each photo
// (2048 JPEG, 1080 WebP, 320 JPEG thumbnail) from one decode, against the
// largest alone and against three runs of one output each.
//
//   outputs_bench [COUNT] [FOLDER] [ROUNDS]
//
// COUNT photos (default 4: landscapes and portraits, 6000 x 4000, JPEG) are
// made in FOLDER (made and removed; default a fresh folder under the
// temporary folder) and converted one at a time, as a run of one job does
// (a photo's outputs on all cores). Prints the time per photo
// of each way and its ratio to the largest alone, for the gallery's set and
// for the same sizes all in JPEG.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "BenchSupport.h"
#include "gather/PhotoInfo.h"
#include "imaging/PictureResample.h"
#include "imaging/VipsSession.h"
#include "model/PhotoJob.h"
#include "platform/Prompter.h"
#include "run/ConversionRun.h"
#include "run/ConvertPhoto.h"
#include "run/MultiOutput.h"
#include "support/PhotoJobs.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using testsupport::LongEdge;

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 4;
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    const fs::path folder = argc > 2 ? fs::path(argv[2])
                                     : fs::temp_directory_path() /
                                           ("outputs_bench." + std::to_string(getpid()));
    if (count <= 0 || !StartImaging())
        return 2;
    fs::create_directories(folder / "out");
    StderrPrompter prompter(StderrPrompter::Policy::Yes);
    std::vector<PhotoJob> photos;
    for (const std::string& path : benchsupport::MakePhotos(folder, count)) {
        PhotoItem photo;
        if (LoadPhotoInfo(path, photo, OutputPhotoFormat{}, prompter))
            photos.push_back(JobOfPhoto(photo));
    }
    // The gallery's set, then the same sizes all in JPEG: the second shows
    // what sharing the decode saves apart from the WebP encoder's own time.
    const std::vector<std::vector<RunOutput>> sets = {
        {LongEdge("large", 2048, kFormatJpg), LongEdge("medium", 1080, kFormatWebp),
         LongEdge("thumb", 320, kFormatJpg)},
        {LongEdge("large", 2048, kFormatJpg), LongEdge("medium", 1080, kFormatJpg),
         LongEdge("thumb", 320, kFormatJpg)}};

    // A way converts photo i (in round r) and says how many files it wrote.
    using Way = std::function<int(const PhotoJob&, int i, int r)>;
    auto pathOf = [&](const char* way, const RunOutput& output, int i, int r) {
        return (folder / "out" /
                (std::string(way) + "." + output.name + std::to_string(i) + "." + std::to_string(r)))
            .string();
    };
    auto one = [&](const char* way, const RunOutput& output) -> Way {
        return [&, way, output](const PhotoJob& photo, int i, int r) {
            PhotoJob job = JobsOfOutputs(photo, {output}).front();
            job.outputPath = pathOf(way, output, i, r);
            return int(ConvertPhoto(job, {}, prompter).outcome == PhotoOutcome::Written);
        };
    };
    auto several = [&](const char* way, const std::vector<RunOutput>& outputs, int atOnce) -> Way {
        return [&, way, atOnce](const PhotoJob& photo, int i, int r) {
            std::vector<PhotoJob> jobs = JobsOfOutputs(photo, outputs);
            for (std::size_t k = 0; k < jobs.size(); ++k) jobs[k].outputPath = pathOf(way, outputs[k], i, r);
            int written = 0;
            for (const PhotoResult& result : ConvertPhotoOutputs(jobs, {}, prompter, atOnce))
                written += result.outcome == PhotoOutcome::Written;
            return written;
        };
    };
    // Other programs on the machine only ever slow a way down: each photo
    // counts with its fastest of the rounds, the ways taking turns.
    auto timed = [&](const std::vector<std::pair<std::string, Way>>& ways) {
        std::vector<std::vector<double>> best(ways.size(), std::vector<double>(photos.size(), 1e9));
        std::vector<int> written(ways.size(), 0);
        std::vector<std::size_t> decodes(ways.size(), 0);
        for (int r = 0; r < rounds; ++r)
            for (int i = 0; i < static_cast<int>(photos.size()); ++i)
                for (std::size_t w = 0; w < ways.size(); ++w) {
                    const std::size_t decodesBefore = DecodesStarted();
                    const Clock::time_point start = Clock::now();
                    const int files = ways[w].second(photos[i], i, r);
                    best[w][i] = std::min(best[w][i], std::chrono::duration<double>(Clock::now() - start).count());
                    if (r == 0) {
                        written[w] += files;
                        decodes[w] += DecodesStarted() - decodesBefore;
                    }
                }
        std::vector<double> seconds;
        for (std::size_t w = 0; w < ways.size(); ++w) {
            double sum = 0;
            for (double photo : best[w]) sum += photo;
            seconds.push_back(sum / count);
            std::printf("  %-24s %2d files, %zu decodes, %.3f s a photo\n", ways[w].first.c_str(),
                        written[w], decodes[w], seconds.back());
        }
        return seconds;
    };
    std::printf("%d photos of 24 MP (JPEG, quality 90), one at a time, fastest of %d rounds\n", count,
                rounds);
    // The first pass reads the files into the page cache and starts
    // libvips' code; it is not counted.
    for (int i = 0; i < count; ++i) one("warm", sets[0][0])(photos[i], i, 0);
    for (const std::vector<RunOutput>& outputs : sets) {
        fs::remove_all(folder / "out");
        fs::create_directories(folder / "out");
        std::printf("2048 JPEG + 1080 %s + 320 JPEG:\n", outputs[1].format.nOuptputFormat == kFormatWebp ? "WebP" : "JPEG");
        const std::vector<double> s = timed({{"largest alone", one("alone", outputs[0])},
                                             {"three in one run", several("one", outputs, AvailableCores())},
                                             {"three, one at a time", several("turn", outputs, 1)},
                                             {"separate run: " + outputs[0].name, one("separate", outputs[0])},
                                             {"separate run: " + outputs[1].name, one("separate", outputs[1])},
                                             {"separate run: " + outputs[2].name, one("separate", outputs[2])}});
        std::printf("  three in one run: %.2fx the largest alone (%.2fx made one at a time); "
                    "three separate runs: %.2fx\n",
                    s[1] / s[0], s[2] / s[0], (s[3] + s[4] + s[5]) / s[0]);
    }
    fs::remove_all(folder);
    return 0;
}
