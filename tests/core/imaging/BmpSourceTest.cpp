// BMP sources through the program's own reader, and libvips' untrusted
// loaders shut: every listed extension still loads.

#include <filesystem>
#include <fstream>
#include <map>

#include <gtest/gtest.h>

// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "support/TestPictures.h"

#include "IndexedBitmap.h"
#include "imaging/BmpSource.h"
#include "imaging/ImageProbe.h"
#include "imaging/PictureDecode.h"
#include "imaging/SourceFile.h"
#include "imaging/VipsPixels.h"
#include "model/PhotoExtensions.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using namespace testpictures;

namespace {

std::string Suite() {
    return testsupport::TestDataDir() + "/bmpsuite";
}

std::vector<std::string> SuiteFiles(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(Suite() + "/" + folder))
        if (entry.path().extension() == ".bmp")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// The largest difference of any sample; -1 when the sizes differ.
int Difference(const RgbPicture& a, const RgbPicture& b) {
    if (a.width != b.width || a.height != b.height || a.pixels.size() != b.pixels.size())
        return -1;
    int most = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        most = std::max(most, std::abs(int(a.pixels[i]) - int(b.pixels[i])));
    return most;
}

// The file as libvips read it before: through ImageMagick, let in for this
// one read only.
RgbPicture ReadThroughMagick(const std::string& path) {
    vips_operation_block_set("VipsForeignLoadMagick", FALSE);
    RgbPicture picture;
    try {
        CopyPixelsOut(ToRgb8(vips::VImage::magickload(path.c_str())), picture);
    } catch (const vips::VError&) {
    }
    vips_operation_block_set("VipsForeignLoadMagick", TRUE);
    return picture;
}

}  // namespace

// Each good file of the suite reads as libvips read it through ImageMagick,
// and a conversion at its own size gives those pixels.
TEST(BmpSourceTest, SuiteGoodFilesReadAsTheyDidThroughLibvips) {
    if (!fs::exists(Suite() + "/g"))
        GTEST_SKIP() << "no BMP suite at " << Suite();
    ASSERT_TRUE(StartImaging());
    for (const std::string& path : SuiteFiles("g")) {
        const SourceFile file(path);
        Result<RgbPicture> own = ReadBmpPicture(path, file.Descriptor());
        ASSERT_TRUE(own) << own.GetStatus().Told();
        const RgbPicture before = ReadThroughMagick(path);
        ASSERT_FALSE(before.pixels.empty()) << path;
        // 16-bit files: ImageMagick widens five bits by its own rounding.
        const int tolerance = path.find("rgb16") != std::string::npos ? 8 : 0;
        const int difference = Difference(own.Value(), before);
        EXPECT_GE(difference, 0) << path;
        EXPECT_LE(difference, tolerance) << path;

        Result<PictureFacts> facts = ProbePicture(path);
        ASSERT_TRUE(facts) << facts.GetStatus().Told();
        EXPECT_EQ(facts.Value().format, "bmp");
        EXPECT_EQ(facts.Value().width, before.width) << path;
        EXPECT_EQ(facts.Value().height, before.height) << path;
        Result<RgbPicture> decoded =
            DecodePicture(path, OutputPlan::Stretched(before.width, before.height));
        ASSERT_TRUE(decoded) << decoded.GetStatus().Told();
        EXPECT_LE(Difference(decoded.Value(), own.Value()), 1) << path;
    }
}

// Invalid and doubtful files: read or refused with the file's name and a
// reason, never a crash (the sanitizers watch).
TEST(BmpSourceTest, SuiteBadFilesFailNamingTheFile) {
    if (!fs::exists(Suite() + "/b"))
        GTEST_SKIP() << "no BMP suite at " << Suite();
    // Files no reader should take: a bit count of 0 or 2, a JPEG or PNG
    // inside, a picture of 2^31 rows.
    const std::vector<std::string> mustFail = {"b/badbitcount.bmp", "b/reallybig.bmp",
                                               "q/pal2.bmp", "q/rgb24jpeg.bmp", "q/rgb24png.bmp"};
    for (const std::string& folder : {"b", "q"})
        for (const std::string& path : SuiteFiles(folder)) {
            const Result<RgbPicture> decoded = DecodePicture(path, OutputPlan::Stretched(32, 16));
            const std::string name = path.substr(Suite().size() + 1);
            const bool failing = std::find(mustFail.begin(), mustFail.end(), name) != mustFail.end();
            EXPECT_TRUE(!failing || !decoded) << name;
            if (decoded)
                continue;
            EXPECT_EQ(decoded.GetStatus().Subject(), path);
            EXPECT_FALSE(decoded.GetStatus().Reason().empty()) << path;
        }
}

// Every extension the program looks for loads a small file of that kind
// (camera RAW aside: LibRaw's own tests), and a format whose loader libvips
// does not trust with hostile files (PPM, ImageMagick's) is refused.
TEST(BmpSourceTest, EveryListedExtensionLoadsAndUntrustedLoadersAreShut) {
    ASSERT_TRUE(StartImaging());  // the loaders shut before any file is made
    testsupport::TempDir dir;
    const std::map<std::string, std::string> saveAs = {
        {".jpg", ".jpg"},   {".jpeg", ".jpg"}, {".jpe", ".jpg"},   {".jfif", ".jpg"},
        {".exif", ".jpg"},  {".gif", ".gif"},  {".tif", ".tif"},   {".tiff", ".tif"},
        {".png", ".png"},   {".heic", ".heic"}, {".heif", ".heic"}, {".avif", ".avif"},
        {".webp", ".webp"}, {".jxl", ".jxl"},  {".bmp", "own"},    {".dib", "own"}};
    const std::vector<std::string> raw = {".dng", ".cr2", ".cr3", ".crw", ".nef", ".nrw", ".arw",
                                          ".srf", ".sr2", ".raf", ".orf", ".rw2", ".rwl", ".pef",
                                          ".srw", ".x3f", ".3fr", ".iiq", ".erf", ".mrw", ".mos",
                                          ".kdc", ".dcr"};
    const vips::VImage picture = Quadrants(24, 16);
    for (int i = 0; i < kPhotoExtensionCount; ++i) {
        const std::string extension = PhotoExtensions()[i];
        if (std::find(raw.begin(), raw.end(), extension) != raw.end())
            continue;
        const auto kind = saveAs.find(extension);
        ASSERT_NE(kind, saveAs.end()) << extension << ": listed, but no loader is known to read it";
        const std::string path = dir.file("photo" + extension);
        if (kind->second == "own") {
            IndexedBitmap bmp(0);
            ASSERT_NE(bmp.Allocate(24, 16, 24), nullptr);
            ASSERT_TRUE(bmp.SaveToFile(path, 0));
        } else {
            const std::string made = dir.file("made" + kind->second);
            Save(picture, made);
            fs::rename(made, path);
        }
        const Result<PictureFacts> facts = ProbePicture(path);
        EXPECT_TRUE(facts) << extension << ": " << facts.GetStatus().Told();
        const Result<RgbPicture> decoded = DecodePicture(path, OutputPlan::Stretched(12, 8));
        EXPECT_TRUE(decoded) << extension << ": " << decoded.GetStatus().Told();
    }
    for (const char* untrusted : {"shut.ppm", "shut.bmp"}) {
        // A BMP that the own reader refuses is not handed to ImageMagick.
        if (std::string(untrusted) == "shut.bmp")
            std::ofstream(dir.file(untrusted)) << "BM" << std::string(40, '\xff');
        else
            Save(picture, dir.file(untrusted));
        EXPECT_FALSE(ProbePicture(dir.file(untrusted)) &&
                     DecodePicture(dir.file(untrusted), OutputPlan::Stretched(12, 8)))
            << untrusted;
    }
}
