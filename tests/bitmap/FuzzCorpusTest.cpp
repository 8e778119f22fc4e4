// The fuzzer's kept inputs, replayed under the sanitizers of the normal build.

#include <gtest/gtest.h>

#include <filesystem>

#include "IndexedBitmap.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

TEST(BmpFuzzCorpus, EveryInputIsReadOrRefusedCleanly) {
    const fs::path corpus = fs::path(testsupport::TestSourceDir()) / "data" / "bmp-fuzz-corpus";
    ASSERT_TRUE(fs::is_directory(corpus)) << corpus;
    testsupport::TempDir dir;
    int inputs = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        ++inputs;
        const std::string name = entry.path().filename().string();
        IndexedBitmap bmp;
        if (!bmp.LoadFromFile(entry.path().string(), 0)) {
            EXPECT_FALSE(bmp.LastError().empty()) << name;
            EXPECT_EQ(bmp.Block(), nullptr) << name;
            continue;
        }
        ASSERT_GT(bmp.Width(), 0) << name;
        ASSERT_GT(bmp.Height(), 0) << name;
        EXPECT_TRUE(bmp.ReduceColourDepth(4, true, nullptr, 0) || bmp.BitCount() < 4) << name;
        EXPECT_TRUE(bmp.SaveToFile(dir.file("out.bmp"), 0)) << name;
        IndexedBitmap back;
        EXPECT_TRUE(back.LoadFromFile(dir.file("out.bmp"), 0)) << name << ": " << back.LastError();
    }
    EXPECT_GT(inputs, 10);
}
