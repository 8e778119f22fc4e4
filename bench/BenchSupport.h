#pragma once
// What the benchmarks share: the photos they convert and the processor time
// they measure.

#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

#include <vips/vips8>

namespace benchsupport {

// Processor time of the whole process (all threads), user and system.
inline double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A photo-like JPEG (quality 90): gradients under fine noise, so that the
// decoder and the resampler do a camera photo's work.
inline void MakePhoto(const std::string& path, int width, int height, int seed) {
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

// count 24-megapixel photos made in folder (photo0.jpg, photo1.jpg, ...),
// landscapes of 6000 x 4000 and portraits of 4000 x 6000 in turn; their
// paths.
inline std::vector<std::string> MakePhotos(const std::filesystem::path& folder, int count) {
    std::vector<std::string> photos;
    for (int i = 0; i < count; ++i) {
        const std::string path = (folder / ("photo" + std::to_string(i) + ".jpg")).string();
        const bool portrait = i % 2 == 1;
        MakePhoto(path, portrait ? 4000 : 6000, portrait ? 6000 : 4000, i + 1);
        photos.push_back(path);
    }
    return photos;
}

}  // namespace benchsupport
