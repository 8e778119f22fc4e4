// How fast photos enter the list: makes many small photo files, finds them
// with the folder search and adds each through LoadPhotoInfo.
//
//   add_photos_bench [COUNT] [FOLDER] [RAW]
//
// COUNT defaults to 10000; FOLDER (made and removed) defaults to a fresh
// folder under the temporary folder ("" for it). RAW, a camera RAW file:
// COUNT links to it are added too, and the two rates compared (the probe
// reads no pixels of a RAW, so adding RAWs should be as fast as JPEGs).

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <vips/vips8>

#include "BenchSupport.h"
#include "gather/PhotoGathering.h"
#include "gather/PhotoInfo.h"
#include "imaging/ImageProbe.h"
#include "platform/Prompter.h"

namespace {

using Clock = std::chrono::steady_clock;
using benchsupport::CpuSeconds;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Times one pass over the files; the machine may be shared, so processor
// time is printed beside the wall-clock time.
template <typename Step>
void Measure(const char* label, const std::vector<std::string>& paths, Step step) {
    const double cpu = CpuSeconds();
    const Clock::time_point start = Clock::now();
    size_t done = 0;
    for (const std::string& path : paths) done += step(path) ? 1 : 0;
    const double wall = Seconds(start);
    const double used = CpuSeconds() - cpu;
    std::printf("%-8s %zu of %zu in %.3f s (%.0f/s), cpu %.3f s (%.0f/s per core)\n", label, done,
                paths.size(), wall, paths.size() / wall, used, paths.size() / used);
}

// A few distinct small JPEGs, photo-like enough to have real headers.
std::vector<std::string> EncodeSamples() {
    std::vector<std::string> samples;
    for (int i = 0; i < 8; ++i) {
        const int width = 64 + 8 * i;
        const int height = 48 + 4 * i;
        vips::VImage noise = vips::VImage::gaussnoise(
            width, height, vips::VImage::option()->set("mean", 128.0)->set("sigma", 30.0));
        vips::VImage picture = noise.bandjoin(noise.rot180())
                                   .bandjoin(noise.flip(VIPS_DIRECTION_HORIZONTAL))
                                   .cast(VIPS_FORMAT_UCHAR);
        void* data = nullptr;
        size_t size = 0;
        picture.write_to_buffer(".jpg", &data, &size, vips::VImage::option()->set("Q", 85));
        samples.emplace_back(static_cast<const char*>(data), size);
        g_free(data);
    }
    return samples;
}

}  // namespace

int main(int argc, char** argv) {
    if (VIPS_INIT(argv[0]))
        vips_error_exit(nullptr);
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    if (count <= 0) {
        std::fprintf(stderr, "usage: %s [COUNT] [FOLDER]\n", argv[0]);
        return 2;
    }
    std::string folder;
    if (argc > 2 && argv[2][0] != '\0') {
        folder = argv[2];
        std::filesystem::create_directories(folder);
    } else {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quillmere-add-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            return 1;
        }
        folder = pattern;
    }

    const std::vector<std::string> samples = EncodeSamples();
    Clock::time_point start = Clock::now();
    for (long i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/photo_%05ld.jpg", i);
        const std::string& bytes = samples[i % samples.size()];
        std::ofstream(folder + name, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::printf("wrote %ld photos in %.2f s (%s)\n", count, Seconds(start), folder.c_str());

    StderrPrompter prompter(StderrPrompter::Policy::No);
    start = Clock::now();
    std::vector<std::string> found;
    FindPhotoFiles(folder, found, prompter);
    const double searchSeconds = Seconds(start);
    std::printf("search:  %zu files in %.3f s (%.0f files/s)\n", found.size(), searchSeconds,
                found.size() / searchSeconds);

    Measure("time:", found, [&](const std::string& path) {
        std::string text;
        int64_t seconds = 0;
        return GetFileTimeText(path, text, seconds, prompter);
    });
    Measure("probe:", found, [](const std::string& path) { return ProbePicture(path).IsOk(); });

    std::atomic<bool> cancel{false};
    const double cpu = CpuSeconds();
    start = Clock::now();
    const std::vector<PhotoItem> photos =
        GatherPhotos(found, BuiltInDefaultOutputPhotoFormat(), prompter, cancel);
    const double addSeconds = Seconds(start);
    const double addCpu = CpuSeconds() - cpu;
    std::printf("add:     %zu photos in %.3f s (%.0f photos/s), cpu %.3f s\n", photos.size(),
                addSeconds, photos.size() / addSeconds, addCpu);

    if (argc > 3) {
        // Links, so that any RAW file serves without filling the disk.
        const std::string raws = folder + "/raw";
        std::filesystem::create_directories(raws);
        std::error_code linked;
        for (long i = 0; i < count && !linked; ++i)
            std::filesystem::create_hard_link(argv[3], raws + "/raw_" + std::to_string(i) + ".dng",
                                              linked);
        if (linked) {
            std::printf("no RAW copies of %s (%s): RAW photos not added\n", argv[3],
                        linked.message().c_str());
        } else {
            std::vector<std::string> rawFound;
            FindPhotoFiles(raws, rawFound, prompter);
            start = Clock::now();
            const size_t added =
                GatherPhotos(rawFound, BuiltInDefaultOutputPhotoFormat(), prompter, cancel).size();
            const double rawSeconds = Seconds(start);
            std::printf("add raw: %zu photos in %.3f s (%.0f photos/s)\n", added, rawSeconds,
                        added / rawSeconds);
            std::printf("adding RAWs takes %.2fx the time of adding JPEGs (at most about 1)\n",
                        (rawSeconds / std::max<size_t>(added, 1)) /
                            (addSeconds / std::max<size_t>(photos.size(), 1)));
        }
    }

    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    vips_shutdown();
    return photos.size() == static_cast<size_t>(count) ? 0 : 1;
}
