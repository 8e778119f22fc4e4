// The search for the best quality under a byte limit, over stubbed size
// curves: what it returns must be an encode it made that fits, the best one
// a full search would find where sizes rise with quality, in few encodes.

#include <cmath>
#include <functional>
#include <map>

#include <gtest/gtest.h>

#include "imaging/FitFileSize.h"

namespace {

using Curve = std::function<uint64_t(int32_t quality)>;

// A JPEG-like curve: about 2.5 % a step, faster near the top.
uint64_t Smooth(int32_t q) {
    return static_cast<uint64_t>(40000 * std::exp(0.02 * q + 0.00025 * q * q));
}

// The highest quality from floor to ceiling whose size fits; 0 when none.
int32_t Exhaustive(const Curve& curve, uint64_t target, int32_t floor, int32_t ceiling) {
    for (int32_t q = ceiling; q >= floor; --q)
        if (curve(q) <= target)
            return q;
    return 0;
}

struct SearchRun {
    QualitySearch result;
    int32_t kept = 0;  // the quality of the last encode kept
    std::map<int32_t, int> encodes;
};

SearchRun Search(const Curve& curve, uint64_t target, int32_t floor, int32_t ceiling) {
    SearchRun run;
    int32_t last = 0;
    const Result<QualitySearch> found = SearchQuality(
        target, floor, ceiling, ceiling,
        [&](int32_t q) -> Result<uint64_t> {
            last = q;
            ++run.encodes[q];
            return curve(q);
        },
        [&] { run.kept = last; });
    EXPECT_TRUE(found.IsOk());
    run.result = found.Value();
    return run;
}

TEST(FitFileSize, FindsTheBestQualityThatFitsInFewEncodes) {
    struct Case {
        const char* name;
        double targetShare;  // of the size at the ceiling
        int32_t floor, ceiling;
    } cases[] = {
        {"ceiling fits", 1.2, 30, 80},
        {"a little below", 0.9, 30, 80},
        {"half", 0.5, 30, 80},
        {"near the floor", 0.47, 30, 80},
        {"high quality, steep curve", 0.6, 30, 98},
        {"narrow range", 0.8, 70, 75},
        {"floor above ceiling", 0.1, 90, 60},
    };
    int encodes = 0, searches = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const uint64_t target = static_cast<uint64_t>(Smooth(c.ceiling) * c.targetShare);
        const SearchRun run = Search(Smooth, target, c.floor, c.ceiling);
        const int32_t best = Exhaustive(Smooth, target, std::min(c.floor, c.ceiling), c.ceiling);
        EXPECT_EQ(run.result.fits, best > 0);
        if (best > 0) {
            EXPECT_EQ(run.result.quality, best);
            EXPECT_EQ(run.kept, best);
            EXPECT_LE(run.result.bytes, target);
        }
        for (const auto& [q, n] : run.encodes) EXPECT_EQ(n, 1) << "quality " << q << " twice";
        EXPECT_EQ(run.result.tries, static_cast<int>(run.encodes.size()));
        encodes += run.result.tries;
        ++searches;
    }
    EXPECT_LE(encodes, 5 * searches);
}

// Sizes that jump or dip as quality rises (a switch flipping inside the
// encoder): the result still fits and is what was kept.
TEST(FitFileSize, NeverAboveTheTargetWhereSizeIsNotMonotonic) {
    const Curve stepUp = [](int32_t q) { return Smooth(q) * (q >= 60 ? 13 : 10) / 10; };
    const Curve dip = [](int32_t q) { return q == 57 ? Smooth(40) : Smooth(q); };
    const Curve plateau = [](int32_t q) { return Smooth(std::min(q, 50)) + (q > 65 ? 9000 : 0); };
    struct Case {
        const char* name;
        const Curve& curve;
    } cases[] = {{"step up", stepUp}, {"dip", dip}, {"plateau then step", plateau}};
    for (const Case& c : cases) {
        for (int32_t quality = 31; quality <= 80; quality += 7) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(quality));
            const uint64_t target = c.curve(quality);
            const SearchRun run = Search(c.curve, target, 30, 80);
            ASSERT_TRUE(run.result.fits);
            EXPECT_LE(c.curve(run.result.quality), target);
            EXPECT_EQ(run.result.bytes, c.curve(run.result.quality));
            EXPECT_EQ(run.kept, run.result.quality);
            EXPECT_GE(run.result.quality, quality - 1);
        }
    }
}

TEST(FitFileSize, AFloorThatDoesNotFitIsReportedWithItsSize) {
    const SearchRun run = Search(Smooth, Smooth(30) - 1, 30, 80);
    EXPECT_FALSE(run.result.fits);
    EXPECT_EQ(run.result.quality, 30);
    EXPECT_EQ(run.result.bytes, Smooth(30));
    EXPECT_EQ(run.kept, 0);
    EXPECT_LE(run.result.tries, 4);
}

TEST(FitFileSize, AFailedEncodeEndsTheSearch) {
    const Result<QualitySearch> found = SearchQuality(
        1000, 30, 80, 80, [](int32_t) -> Result<uint64_t> { return Status::Failed({}, "no room"); },
        [] {});
    ASSERT_FALSE(found.IsOk());
    EXPECT_EQ(found.GetStatus().Reason(), "no room");
}

TEST(FitFileSize, TextsSayWhatTheLimitCameTo) {
    const std::pair<FileSizeFit, const char*> cases[] = {
        {{72, 498300, 4, 0, 0, false}, "498.3 KB at quality 72, 4 encodes"},
        {{30, 49000, 7, 1600, 1067, false},
         "fitted by reducing to 1600 x 1067: 49 KB at quality 30, 7 encodes"},
        {{0, 2250000, 1, 0, 0, false}, "2.25 MB, 1 encode"},
        {{0, 45000, 0, 0, 0, true}, "the source fits (45 KB): copied unchanged"},
        {{0, 812, 2, 0, 0, false}, "812 bytes, 2 encodes"},
    };
    for (const auto& [fit, text] : cases) EXPECT_EQ(FitText(fit), text);
}

}  // namespace
