// Several outputs from one run: a web gallery's three sizes of each photo
// (2048 JPEG, 1080 WebP, 320 JPEG thumbnail) from one decode, against the
// largest alone and against three runs of one output each.
//
//   outputs_bench [COUNT] [FOLDER]
//
// COUNT photos (default 4: landscapes and portraits, 6000 x 4000, JPEG) are
// made in FOLDER (made and removed; default a fresh folder under the
// temporary folder) and converted one at a time. Prints the time per photo
// of each way and its ratio to the largest alone, for the gallery's set and
// for the same sizes all in JPEG.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include <vips/vips8>

#include "gather/PhotoInfo.h"
#include "imaging/PictureResample.h"
#include "imaging/VipsSession.h"
#include "model/PhotoJob.h"
#include "platform/Prompter.h"
#include "run/ConvertPhoto.h"
#include "run/MultiOutput.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A photo-like 24-megapixel JPEG: gradients under fine noise.
void MakePhoto(const std::string& path, int width, int height, int seed) {
    vips::VImage xy = vips::VImage::xyz(width, height);
    vips::VImage noise = vips::VImage::gaussnoise(
        width, height, vips::VImage::option()->set("sigma", 20.0)->set("seed", seed));
    vips::VImage r = xy[0] * (200.0 / width) + noise * 0.5;
    vips::VImage g = xy[1] * (200.0 / height) + (xy[0] / 37.0).sin() * 40 + 60;
    vips::VImage b = (xy[0] + xy[1]) * (100.0 / (width + height)) + noise;
    vips::VImage::bandjoin(std::vector<vips::VImage>{r, g, b})
        .cast(VIPS_FORMAT_UCHAR)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB))
        .jpegsave(path.c_str(), vips::VImage::option()->set("Q", 90));
}

RunOutput LongEdge(const char* name, int32_t edge, int32_t format) {
    RunOutput output{name, {}, {}};
    output.format.nOuputSizeType = kSizeLongEdge;
    output.format.nLongEdge = edge;
    output.format.nOuptputFormat = format;
    return output;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 4;
    const fs::path folder = argc > 2 ? fs::path(argv[2])
                                     : fs::temp_directory_path() /
                                           ("outputs_bench." + std::to_string(getpid()));
    if (count <= 0 || !StartImaging())
        return 2;
    fs::create_directories(folder / "out");
    StderrPrompter prompter(StderrPrompter::Policy::Yes);
    std::vector<PhotoJob> photos;
    for (int i = 0; i < count; ++i) {
        const std::string path = (folder / ("photo" + std::to_string(i) + ".jpg")).string();
        const bool portrait = i % 2 == 1;
        MakePhoto(path, portrait ? 4000 : 6000, portrait ? 6000 : 4000, i + 1);
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

    // Each way writes every output it makes; the time per photo.
    auto timed = [&](const std::string& label, const std::function<int(const PhotoJob&, int)>& convert) {
        const std::size_t decodes = DecodesStarted();
        const Clock::time_point start = Clock::now();
        int written = 0;
        for (int i = 0; i < static_cast<int>(photos.size()); ++i) written += convert(photos[i], i);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        std::printf("  %-22s %2d files, %zu decodes, %.3f s a photo\n", label.c_str(), written,
                    DecodesStarted() - decodes, seconds / count);
        return seconds;
    };
    auto pathOf = [&](const char* way, const RunOutput& output, int i) {
        return (folder / "out" / (std::string(way) + "." + output.name + std::to_string(i))).string();
    };
    auto one = [&](const char* way, const RunOutput& output) {
        return [&, way, output](const PhotoJob& photo, int i) {
            PhotoJob job = JobsOfOutputs(photo, {output}).front();
            job.outputPath = pathOf(way, output, i);
            return int(ConvertPhoto(job, {}, prompter).outcome == PhotoOutcome::Written);
        };
    };
    std::printf("%d photos of 24 MP (JPEG, quality 90), one at a time\n", count);
    // The first pass reads the files into the page cache and starts
    // libvips' code; it is not counted.
    timed("(warm-up)", one("warm", sets[0][0]));
    for (const std::vector<RunOutput>& outputs : sets) {
        fs::remove_all(folder / "out");
        fs::create_directories(folder / "out");
        std::printf("2048 JPEG + 1080 %s + 320 JPEG:\n", outputs[1].format.nOuptputFormat == kFormatWebp ? "WebP" : "JPEG");
        const double largest = timed("largest alone", one("alone", outputs[0]));
        const double together = timed("three in one run", [&](const PhotoJob& photo, int i) {
            std::vector<PhotoJob> jobs = JobsOfOutputs(photo, outputs);
            for (std::size_t k = 0; k < jobs.size(); ++k) jobs[k].outputPath = pathOf("one", outputs[k], i);
            int written = 0;
            for (const PhotoResult& result : ConvertPhotoOutputs(jobs, {}, prompter))
                written += result.outcome == PhotoOutcome::Written;
            return written;
        });
        double separate = 0;
        for (const RunOutput& output : outputs)
            separate += timed("separate run: " + output.name, one("separate", output));
        std::printf("  three in one run: %.2fx the largest alone; three separate runs: %.2fx\n",
                    together / largest, separate / largest);
    }
    fs::remove_all(folder);
    return 0;
}
