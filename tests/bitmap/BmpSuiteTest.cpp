// The public BMP conformance suite: good files decode to the pixels an
// independent decoder (ImageMagick) gives, files the suite counts as
// pixel-equivalent decode alike, and nothing makes the reader misbehave.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>

#include "IndexedBitmap.h"
#include "support/TestSupport.h"
#include "tests/bitmap/BmpBytes.h"

namespace fs = std::filesystem;

namespace {

std::string Suite() { return testsupport::TestDataDir() + "/bmpsuite"; }

// Top row first, red, green, blue: the oracle's order.
Bytes TopDownRgb(const IndexedBitmap& bmp) {
    Bytes out;
    out.reserve(size_t(bmp.Width()) * size_t(bmp.Height()) * 3);
    for (int32_t y = bmp.Height() - 1; y >= 0; --y) {
        for (int32_t x = 0; x < bmp.Width(); ++x) {
            const ColourEntry c = bmp.GetColour(x, y);
            out.insert(out.end(), {c.red, c.green, c.blue});
        }
    }
    return out;
}

// ImageMagick's decoding as 8-bit RGB, or nothing when it refuses the file.
bool OracleRgb(const std::string& file, Bytes& rgb) {
    const std::string command = "convert '" + file + "' -depth 8 rgb:- 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return false;
    uint8_t buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) rgb.insert(rgb.end(), buffer, buffer + n);
    return pclose(pipe) == 0;
}

bool HaveOracle() { return std::system("convert -version >/dev/null 2>&1") == 0; }

std::vector<std::string> Files(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(Suite() + "/" + folder)) {
        if (e.path().extension() == ".bmp") names.push_back(folder + "/" + e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class BmpSuite : public testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(Suite() + "/INDEX.md")) GTEST_SKIP() << "no BMP suite at " << Suite();
    }
};

// Files the engine decodes by its own documented conventions where the
// oracle differs: channels narrower than 8 bits are shifted, not rescaled;
// wider ones keep their top 8 bits; an embedded profile is not applied;
// unwritten RLE pixels are index 0; a palette entry the file lacks is black.
const std::set<std::string> kConventionDiffers = {
    "g/rgb16.bmp",          "g/rgb16-565.bmp",      "g/rgb16-565pal.bmp", "g/rgb16bfdef.bmp",
    "q/rgb16-231.bmp",      "q/rgb16-3103.bmp",     "q/rgb16faketrns.bmp", "q/rgba16-1924.bmp",
    "q/rgba16-4444.bmp",    "q/rgba16-5551.bmp",    "q/rgb32-111110.bmp", "q/rgb32-7187.bmp",
    "q/rgba32-1010102.bmp", "q/rgba32-61754.bmp",   "q/rgba32-81284.bmp", "q/rgb24prof2.bmp",
    "q/pal4rletrns.bmp",    "q/pal8rletrns.bmp",    "q/pal1p1.bmp",       "b/badrle.bmp",
    "b/badrle4.bmp",        "b/badrle4bis.bmp",     "b/badrle4ter.bmp",   "b/badrlebis.bmp",
    "b/badrleter.bmp",      "b/pal8badindex.bmp",   "b/rgb16-880.bmp",    "b/shortfile.bmp",
    "q/pal8os2v2.bmp",      "q/pal8os2v2-sz.bmp",
};

TEST_F(BmpSuite, DecodedFilesMatchTheOracle) {
    if (!HaveOracle()) GTEST_SKIP() << "ImageMagick not installed";
    int compared = 0;
    for (const char* folder : {"g", "q", "b"}) {
        for (const std::string& name : Files(folder)) {
            if (kConventionDiffers.count(name)) continue;
            IndexedBitmap bmp;
            const bool ours = bmp.LoadFromFile(Suite() + "/" + name, 0);
            if (std::string(folder) == "g") {
                EXPECT_TRUE(ours) << name << ": " << bmp.LastError();
            }
            Bytes expected;
            if (!ours || !OracleRgb(Suite() + "/" + name, expected)) continue;
            EXPECT_TRUE(TopDownRgb(bmp) == expected) << name;
            ++compared;
        }
    }
    EXPECT_GE(compared, 40);
}

TEST_F(BmpSuite, EquivalentFilesDecodeAlike) {
    const std::vector<std::vector<std::string>> groups = {
        {"g/pal8.bmp", "g/pal8-0.bmp", "g/pal8v4.bmp", "g/pal8v5.bmp", "g/pal8os2.bmp",
         "g/pal8topdown.bmp", "g/pal8rle.bmp", "q/pal8offs.bmp", "q/pal8os2sp.bmp",
         "q/pal8os2v2-16.bmp",
         // Not in the suite's list, but the same picture behind a 64-byte OS/2 2.x
         // header (the oracle misreads these).
         "q/pal8os2v2.bmp", "q/pal8os2v2-sz.bmp", "q/pal8os2v2-40sz.bmp", "q/pal8os2-hs.bmp",
         "q/pal8os2-sz.bmp"},
        {"g/pal4.bmp", "g/pal4rle.bmp"},
        {"g/pal1.bmp", "g/pal1wb.bmp"},
        {"g/rgb24.bmp", "g/rgb24pal.bmp", "g/rgb32.bmp", "g/rgb32bf.bmp", "g/rgb32bfdef.bmp",
         "q/rgb24largepal.bmp", "q/rgb32h52.bmp", "q/rgb32-xbgr.bmp", "q/rgb24prof.bmp",
         "q/rgb24lprof.bmp"},
        {"g/rgb16.bmp", "g/rgb16bfdef.bmp"},
    };
    for (const auto& group : groups) {
        IndexedBitmap first;
        ASSERT_TRUE(first.LoadFromFile(Suite() + "/" + group[0], 0)) << group[0];
        const Bytes reference = TopDownRgb(first);
        for (size_t i = 1; i < group.size(); ++i) {
            IndexedBitmap bmp;
            ASSERT_TRUE(bmp.LoadFromFile(Suite() + "/" + group[i], 0))
                << group[i] << ": " << bmp.LastError();
            EXPECT_TRUE(TopDownRgb(bmp) == reference) << group[i] << " differs from " << group[0];
        }
    }
}

// Under the sanitizers: every file is refused with a message, or read and
// then fully walked, without any memory error.
TEST_F(BmpSuite, EveryFileLoadsOrIsRefusedCleanly) {
    int files = 0;
    for (const char* folder : {"g", "q", "b", "x"}) {
        for (const std::string& name : Files(folder)) {
            ++files;
            IndexedBitmap bmp;
            if (!bmp.LoadFromFile(Suite() + "/" + name, 0)) {
                EXPECT_FALSE(bmp.LastError().empty()) << name;
                EXPECT_EQ(bmp.Block(), nullptr) << name;
                continue;
            }
            ASSERT_GT(bmp.Width(), 0) << name;
            ASSERT_GT(bmp.Height(), 0) << name;
            uint32_t sum = 0;
            for (uint32_t i = 0; i < bmp.BlockBytes(); ++i) sum += bmp.Block()[i];
            EXPECT_GE(sum, 0u);
            // Reductions read every pixel and palette entry as well.
            EXPECT_TRUE(bmp.ReduceColourDepth(1, true, nullptr, 2)) << name;
        }
    }
    EXPECT_EQ(files, 91);
}

TEST_F(BmpSuite, UnreasonableFilesAreRefused) {
    const std::pair<const char*, const char*> cases[] = {
        {"b/reallybig.bmp", "Invalid BMP dimensions"},
        {"b/badwidth.bmp", "Invalid BMP dimensions"},
        {"b/badbitcount.bmp", "Unsupported BMP bit count"},
        {"q/rgb24jpeg.bmp", "Unsupported BMP bit count"},
        {"q/rgba32abf.bmp", "unknown compression"},
        {"q/rgb24rle24.bmp", "unknown compression"},
        {"q/pal1huffmsb.bmp", "compression type not supported"},
    };
    for (const auto& [name, message] : cases) {
        IndexedBitmap bmp;
        EXPECT_FALSE(bmp.LoadFromFile(Suite() + "/" + name, 0)) << name;
        EXPECT_EQ(bmp.LastError(), message) << name;
    }
}

// What a cut-off or partly written file leaves out reads as index 0.
TEST_F(BmpSuite, UnwrittenPixelsAreZero) {
    for (const char* name : {"q/pal8rlecut.bmp", "q/pal4rlecut.bmp", "b/shortfile.bmp"}) {
        IndexedBitmap bmp;
        ASSERT_TRUE(bmp.LoadFromFile(Suite() + "/" + name, 0)) << name;
        // The top row of these files is never written.
        const uint8_t* top = bmp.PixelData() + size_t(bmp.Height() - 1) * bmp.RowStride();
        EXPECT_EQ(std::count(top, top + bmp.RowStride(), 0), long(bmp.RowStride())) << name;
    }
}

}  // namespace
