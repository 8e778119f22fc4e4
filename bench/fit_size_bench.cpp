// A byte limit per file: how close the search comes to the best quality,
// how many encodes it takes, and what it costs a run.
//
//   fit_size_bench [PHOTOS_FOLDER] [LARGE_COUNT]
//
// Exactness: every photo under PHOTOS_FOLDER (default: the shared test
// photos beside the project) at its own size, JPEG and WebP at quality 80
// with a floor of 30, against targets of 85, 70 and 55 % of its size at 80;
// the search's quality beside the best an exhaustive search over every
// quality finds (same encoder, same switches), and the encodes it took.
// Speed: LARGE_COUNT (default 8) of those photos made 24-megapixel JPEGs
// (upscaled, quality 92), converted to a 2048-pixel long edge at fixed
// quality 80 and then with a limit of 60 % of that output's size, one photo
// at a time; the time ratio and the encodes per photo.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <vips/vips8>

#include "imaging/FitFileSize.h"
#include "imaging/PictureDecode.h"
#include "imaging/PictureEncode.h"
#include "imaging/VipsSession.h"
#include "platform/Prompter.h"
#include "platform/ShownFigures.h"
#include "run/ConvertPhoto.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

class SilentPrompter : public Prompter {
public:
    PromptAnswer Ask(const Prompt&) override { return PromptAnswer::No; }
};

std::vector<std::string> Photos(const std::string& folder) {
    std::vector<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && ext != ".md")
            paths.push_back(entry.path().string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

struct Size {
    int width = 0, height = 0;
};

Size UprightSize(const std::string& path) {
    vips::VImage header = vips::VImage::new_from_file(path.c_str());
    const bool swap = vips_image_get_orientation_swap(header.get_image());
    return swap ? Size{header.height(), header.width()} : Size{header.width(), header.height()};
}

uint64_t FileBytes(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
}

struct Totals {
    int searches = 0, exact = 0, oneBelow = 0, worse = 0, tries = 0, unreachable = 0;
};

void Exactness(const std::vector<std::string>& photos, int32_t formatId, const char* name) {
    const MemoryEncoder encode = MemoryEncoderOf(formatId);
    OutputPhotoFormat format;
    format.nOuptputFormat = formatId;
    format.nChroma = kChroma420;  // as the search fixes auto below quality 90
    constexpr int32_t kFloor = 30, kCeiling = 80;
    const double shares[] = {0.85, 0.70, 0.55};
    Totals totals;
    std::printf("\n%s: quality found / best by exhaustive search (encodes), targets 85/70/55 %%\n",
                name);
    for (const std::string& path : photos) {
        const Size size = UprightSize(path);
        Result<RgbPicture> decoded =
            DecodePicture(path, OutputPlan::Stretched(size.width, size.height));
        if (!decoded) {
            std::printf("  %s: %s\n", path.c_str(), decoded.GetStatus().Told().c_str());
            continue;
        }
        const RgbPicture& picture = decoded.Value();
        std::vector<uint64_t> sizes(kCeiling + 1, 0);
        std::string bytes;
        for (int32_t q = kFloor; q <= kCeiling; ++q) {
            format.nCurrentJpegQuality = q;
            if (encode(picture, format, bytes).outcome != EncodeOutcome::Written)
                return;
            sizes[q] = bytes.size();
        }
        std::printf("  %-28s %5dx%-5d", fs::path(path).filename().c_str(), size.width,
                    size.height);
        for (const double share : shares) {
            const uint64_t target = static_cast<uint64_t>(sizes[kCeiling] * share);
            int32_t best = 0;
            for (int32_t q = kCeiling; q >= kFloor && !best; --q)
                if (sizes[q] <= target)
                    best = q;
            const Result<QualitySearch> found = SearchQuality(
                target, kFloor, kCeiling, kCeiling,
                [&](int32_t q) -> Result<uint64_t> {
                    format.nCurrentJpegQuality = q;
                    (void)encode(picture, format, bytes);
                    return static_cast<uint64_t>(bytes.size());
                },
                [] {});
            const QualitySearch& s = found.Value();
            ++totals.searches;
            totals.tries += s.tries;
            if (!best) {
                ++totals.unreachable;
                totals.exact += !s.fits;
            } else if (s.fits && s.quality == best) {
                ++totals.exact;
            } else if (s.fits && s.quality == best - 1) {
                ++totals.oneBelow;
            } else {
                ++totals.worse;
            }
            std::printf("  %2d/%-2d (%d)", s.fits ? s.quality : 0, best, s.tries);
        }
        std::printf("\n");
    }
    std::printf("%s: %d searches: %d exact, %d one step below, %d worse (%d unreachable); "
                "%.2f encodes a search\n",
                name, totals.searches, totals.exact, totals.oneBelow, totals.worse,
                totals.unreachable, double(totals.tries) / std::max(1, totals.searches));
}

void Speed(const std::vector<std::string>& photos, int count, const fs::path& work) {
    fs::create_directories(work);
    std::vector<std::string> large;
    for (const std::string& path : photos) {
        if (static_cast<int>(large.size()) == count)
            break;
        if (fs::path(path).extension() != ".jpg")
            continue;
        const std::string out = (work / ("large-" + fs::path(path).filename().string())).string();
        if (!fs::exists(out)) {
            vips::VImage image = vips::VImage::new_from_file(path.c_str()).autorot();
            const double scale = 6000.0 / std::max(image.width(), image.height());
            image.resize(scale).jpegsave(out.c_str(), vips::VImage::option()->set("Q", 92));
        }
        large.push_back(out);
    }
    SilentPrompter prompter;
    double fixedSeconds = 0, limitedSeconds = 0;
    int tries = 0, fitted = 0;
    std::printf("\nSpeed: %zu JPEGs of about 24 MP to a 2048-pixel long edge, one at a time\n",
                large.size());
    for (const std::string& path : large) {
        const Size size = UprightSize(path);
        const double scale = 2048.0 / std::max(size.width, size.height);
        PhotoJob job;
        job.source.path = path;
        job.source.format = "jpeg";
        job.source.width = size.width;
        job.source.height = size.height;
        job.plan = OutputPlan::Stretched(static_cast<int32_t>(size.width * scale),
                                         static_cast<int32_t>(size.height * scale));
        job.outputPath = (work / "fixed.jpg").string();
        fs::remove(job.outputPath);
        auto start = Clock::now();
        (void)ConvertPhoto(job, {}, prompter);
        fixedSeconds += std::chrono::duration<double>(Clock::now() - start).count();
        const uint64_t fixedBytes = FileBytes(job.outputPath);

        job.settings.nMaxFileSize = static_cast<int64_t>(fixedBytes * 0.6);
        job.outputPath = (work / "limited.jpg").string();
        fs::remove(job.outputPath);
        start = Clock::now();
        const PhotoResult result = ConvertPhoto(job, {}, prompter);
        limitedSeconds += std::chrono::duration<double>(Clock::now() - start).count();
        if (result.fit) {
            tries += result.fit->tries;
            ++fitted;
            std::printf("  %-28s %s -> %s\n", fs::path(path).filename().c_str(),
                        ByteSizeWords(fixedBytes).english.c_str(), FitText(*result.fit).c_str());
        } else {
            std::printf("  %-28s %s\n", fs::path(path).filename().c_str(), result.Told().c_str());
        }
    }
    std::printf("Fixed quality: %.2f s; with a limit: %.2f s; ratio %.2f; %.2f encodes a photo\n",
                fixedSeconds, limitedSeconds, limitedSeconds / std::max(fixedSeconds, 1e-9),
                double(tries) / std::max(1, fitted));
}

}  // namespace

int main(int argc, char** argv) {
    if (VIPS_INIT(argv[0]) != 0 || !StartImaging())
        return 1;
    const fs::path here = fs::path(argv[0]).parent_path();
    std::string folder = argc > 1 ? argv[1] : "";
    if (folder.empty()) {
        // The shared test photos beside the checkout, from the source tree.
        for (fs::path p = fs::absolute(here); !p.empty() && p != p.root_path(); p = p.parent_path())
            if (fs::exists(p.parent_path() / "shared/testdata/photos")) {
                folder = (p.parent_path() / "shared/testdata/photos").string();
                break;
            }
    }
    if (folder.empty() || !fs::exists(folder)) {
        std::fprintf(stderr, "fit_size_bench: no photos folder (give one)\n");
        return 1;
    }
    const int count = argc > 2 ? std::atoi(argv[2]) : 8;
    const std::vector<std::string> photos = Photos(folder);
    std::printf("fit_size_bench: %zu photos from %s\n", photos.size(), folder.c_str());
    Exactness(photos, kFormatJpg, "JPEG");
    Exactness(photos, kFormatWebp, "WebP");
    Speed(photos, count, fs::temp_directory_path() / "quillmere-fit-size-bench");
    return 0;
}
