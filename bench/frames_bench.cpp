// What exact frames cost beside fit: the same 24-megapixel JPEGs converted
// to 1080 x 1080 JPEGs by fit, fill (centred and smart) and pad, one run
// each, one photo at a time, in the order given.
//
//   frames_bench [COUNT] [FOLDER]
//
// COUNT photos (default 6: landscapes and portraits, 6000 x 4000) are made
// in FOLDER (made and removed; default a fresh folder under the temporary
// folder). Prints each rule's time per photo and its ratio to fit's.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "BenchSupport.h"
#include "gather/PhotoInfo.h"
#include "imaging/VipsSession.h"
#include "model/PhotoJob.h"
#include "platform/Prompter.h"
#include "run/ConvertPhoto.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using benchsupport::CpuSeconds;

struct Rule {
    const char* label;
    int32_t sizeType;
    int32_t anchor;
};

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 6;
    const fs::path folder = argc > 2 ? fs::path(argv[2])
                                     : fs::temp_directory_path() /
                                           ("frames_bench." + std::to_string(getpid()));
    if (count <= 0 || !StartImaging())
        return 2;
    fs::create_directories(folder / "out");
    const std::vector<std::string> photos = benchsupport::MakePhotos(folder, count);
    std::printf("%d photos of 24 MP (JPEG, quality 90) to 1080 x 1080 JPEG, one at a time\n",
                count);

    StderrPrompter prompter(StderrPrompter::Policy::Yes);
    // The first pass reads the files into the page cache and starts
    // libvips' code; it is not counted.
    const Rule rules[] = {{"(warm-up)", kSizeFit, kAnchorCenter},
                          {"fit", kSizeFit, kAnchorCenter},
                          {"fill", kSizeFill, kAnchorCenter},
                          {"fill smart", kSizeFill, kCropSmart},
                          {"pad", kSizePad, kAnchorCenter}};
    double fitWall = 0, fitCpu = 0;
    for (const Rule& rule : rules) {
        OutputPhotoFormat format;
        format.nOuputSizeType = rule.sizeType;
        format.nOutputWidth = format.nOutputHeight = 1080;
        format.nCropAnchor = rule.anchor;
        const double cpu = CpuSeconds();
        const Clock::time_point start = Clock::now();
        int written = 0;
        for (std::size_t i = 0; i < photos.size(); ++i) {
            PhotoItem photo;
            if (!LoadPhotoInfo(photos[i], photo, format, prompter))
                continue;
            PhotoJob job = JobOfPhoto(photo);
            job.outputPath =
                (folder / "out" / (std::to_string(rule.sizeType) + "." + std::to_string(rule.anchor) +
                                   "." + std::to_string(i) + ".jpg"))
                    .string();
            written += ConvertPhoto(job, {}, prompter).outcome == PhotoOutcome::Written;
        }
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double used = CpuSeconds() - cpu;
        if (rule.label[0] == '(')
            continue;
        if (rule.sizeType == kSizeFit)
            fitWall = wall, fitCpu = used;
        std::printf("%-10s %d written, %.3f s a photo (cpu %.3f s)  vs fit: %.2fx wall, %.2fx cpu\n",
                    rule.label, written, wall / count, used / count, wall / fitWall,
                    used / fitCpu);
    }
    fs::remove_all(folder);
    return 0;
}
