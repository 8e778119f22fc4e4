// Colour depth reduction with error diffusion on photo-like pictures: the
// fast path against the plain per-pixel linear search it must equal. After
// the runs the speed-up of each case is printed.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "IndexedBitmap.h"

namespace {

// Smooth sky-to-ground gradients, soft shapes and sensor noise, as a photo
// has them: many distinct colours, neighbours alike.
const IndexedBitmap& Photo(int32_t width, int32_t height) {
    static std::map<std::pair<int32_t, int32_t>, IndexedBitmap> cache;
    auto [it, fresh] = cache.try_emplace({width, height});
    IndexedBitmap& bmp = it->second;
    if (!fresh) return bmp;
    bmp.Allocate(width, height, 24);
    uint32_t seed = 12345;
    auto noise = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 24) % 13) - 6;
    };
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = bmp.PixelData() + size_t(y) * bmp.RowStride();
        const double v = double(y) / height;
        for (int32_t x = 0; x < width; ++x) {
            const double u = double(x) / width;
            const double hill = 0.5 + 0.5 * std::sin(u * 9.0 + std::cos(v * 5.0) * 2.0);
            const double sun = std::exp(-((u - 0.7) * (u - 0.7) + (v - 0.8) * (v - 0.8)) * 30.0);
            const double red = v < 0.45 ? 60 + 90 * hill * (1 - v) : 110 + 100 * v + 120 * sun;
            const double green = v < 0.45 ? 90 + 80 * hill : 150 + 70 * v + 90 * sun;
            const double blue = v < 0.45 ? 40 + 30 * hill : 190 + 60 * v + 40 * sun;
            auto clamp = [](double c) { return uint8_t(c < 0 ? 0 : c > 255 ? 255 : c); };
            row[3 * x] = clamp(blue + noise());
            row[3 * x + 1] = clamp(green + noise());
            row[3 * x + 2] = clamp(red + noise());
        }
    }
    return bmp;
}

template <bool Reference>
void Reduce(benchmark::State& state) {
    const auto width = int32_t(state.range(0));
    const auto height = int32_t(state.range(1));
    const auto bits = uint32_t(state.range(2));
    const IndexedBitmap& photo = Photo(width, height);
    for (auto _ : state) {
        state.PauseTiming();
        IndexedBitmap work;
        work.Allocate(width, height, 24);
        std::memcpy(work.PixelData(), photo.PixelData(), photo.Header().biSizeImage);
        state.ResumeTiming();
        const bool ok = Reference ? work.ReduceColourDepthReference(bits, true, nullptr, 0)
                                  : work.ReduceColourDepth(bits, true, nullptr, 0);
        if (!ok) state.SkipWithError("reduction failed");
        benchmark::DoNotOptimize(work.Block());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * width * height);
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int bits : {8, 4, 1}) {
        b->Args({1024, 768, bits});
        b->Args({6000, 4000, bits});
    }
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(Reduce<false>)->Name("Fast")->Apply(Sizes)->Iterations(3);
BENCHMARK(Reduce<true>)->Name("LinearReference")->Apply(Sizes)->Iterations(1);

// Remembers each run's time per iteration to print the speed-ups.
class SpeedUpReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            // "Fast/1024/768/8/iterations:3/real_time": case, then arguments.
            const auto slash = name.find('/');
            const auto args = name.substr(slash + 1, name.find("/iter") - slash - 1);
            times[args][name.substr(0, slash)] = run.GetAdjustedCPUTime();
        }
    }
    void PrintSpeedUps() const {
        std::printf("\nSpeed-up of the fast path over the linear search, CPU time (width/height/bits):\n");
        for (const auto& [args, byName] : times) {
            const auto fast = byName.find("Fast");
            const auto linear = byName.find("LinearReference");
            if (fast == byName.end() || linear == byName.end() || fast->second <= 0) continue;
            std::printf("  %-20s %8.1fx\n", args.c_str(), linear->second / fast->second);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    SpeedUpReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSpeedUps();
    benchmark::Shutdown();
    return 0;
}
