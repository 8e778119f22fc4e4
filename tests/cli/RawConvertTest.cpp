// Camera RAW files through the program: found among other photos in
// sub-folders, named by the day they were taken, their camera data kept or
// dropped as asked, and a damaged one failing alone with its reason.

#include <sys/stat.h>

#include <fstream>
#include <map>
#include <sstream>

#include <QJsonDocument>
#include <QJsonObject>

#include <libexif/exif-data.h>
#include <tiffio.h>

#include "ConvertCommandFixture.h"

namespace {

using namespace clitest;

std::string SharedRaw(const std::string& name) {
    return testsupport::TestDataDir() + "/raw/" + name;
}

// A writable copy of a shared RAW.
std::string CopyRaw(const std::string& name, const std::string& to) {
    fs::copy_file(SharedRaw(name), to);
    fs::permissions(to, fs::perms::owner_write, fs::perm_options::add);
    return to;
}

// A GPS position added to a DNG, where a camera with a receiver puts it.
bool AddGps(const std::string& path) {
    TIFF* tiff = TIFFOpen(path.c_str(), "r+");
    if (!tiff)
        return false;
    const double latitude[3] = {48, 51, 24}, longitude[3] = {2, 21, 3};
    uint64_t offset = 0;
    const bool done = TIFFCreateGPSDirectory(tiff) == 0 && TIFFSetField(tiff, GPSTAG_LATITUDEREF, "N") &&
                      TIFFSetField(tiff, GPSTAG_LATITUDE, latitude) &&
                      TIFFSetField(tiff, GPSTAG_LONGITUDEREF, "E") &&
                      TIFFSetField(tiff, GPSTAG_LONGITUDE, longitude) &&
                      TIFFWriteCustomDirectory(tiff, &offset) && TIFFSetDirectory(tiff, 0) &&
                      TIFFSetField(tiff, TIFFTAG_GPSIFD, offset) && TIFFRewriteDirectory(tiff);
    TIFFClose(tiff);
    return done;
}

struct Camera {
    bool read = false, gps = false;
    std::string make;
};

Camera CameraOf(const std::string& jpeg) {
    Camera camera;
    ExifData* data = exif_data_new_from_file(jpeg.c_str());
    if (!data)
        return camera;
    camera.read = true;
    camera.gps = data->ifd[EXIF_IFD_GPS]->count > 0;
    if (ExifEntry* make = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_MAKE)) {
        char text[64] = {};
        exif_entry_get_value(make, text, sizeof text);
        camera.make = text;
    }
    exif_data_unref(data);
    return camera;
}

TEST_F(ConvertCommand, RawFilesAmongPhotosConvertAndADamagedOneFailsAlone) {
    if (!fs::exists(SharedRaw("INDEX.md")))
        GTEST_SKIP() << "no shared RAW test data at " << SharedRaw("");
    fs::create_directories(in + "/sub/deeper");
    const std::string turned = CopyRaw("canon40d-o6.dng", in + "/sub/deeper/turned.dng");
    ASSERT_TRUE(AddGps(turned));
    CopyRaw("sx60-o6-fulljpeg.dng", in + "/sub/big.DNG");
    Picture(in + "/sub/plain.png");
    const std::string cut = CopyRaw("canon40d-o1.dng", in + "/sub/deeper/cut.dng");
    fs::resize_file(cut, 15000);  // the raw data's end is gone

    // source name: status, size, how developed, the day in the output's name
    const std::map<std::string, std::vector<std::string>> expected = {
        {"turned.dng", {"converted", "68x100", "full", ".2008.05.30."}},
        {"big.DNG", {"converted", "1536x2048", "preview", ".2015.02.09."}},
        {"plain.png", {"converted", "40x30", "", "."}},
        {"cut.dng", {"failed", "0x0", "", ""}},
    };
    for (const char* policy : {"no-location", "all"}) {
        SCOPED_TRACE(policy);
        const std::string report = dir.file(std::string(policy) + ".jsonl");
        const Outcome r = Run({"--into", dir.file(policy), "--size", "original", "-f", "jpg",
                               "--date", "taken", "--metadata", policy, "--report", report, in});
        EXPECT_EQ(r.exitCode, 1) << r.err;
        std::istringstream lines(ReadAll(report));
        int photos = 0;
        for (std::string line; std::getline(lines, line);) {
            const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
            if (o.contains("summary"))
                continue;
            ++photos;
            const std::string source = o["source"].toString().toStdString();
            const std::string output = o["output"].toString().toStdString();
            const auto row = expected.find(fs::path(source).filename().string());
            ASSERT_NE(row, expected.end()) << line;
            const std::vector<std::string>& want = row->second;
            EXPECT_EQ(o["status"].toString().toStdString(), want[0]) << line;
            EXPECT_EQ(std::to_string(o["width"].toInt()) + "x" + std::to_string(o["height"].toInt()),
                      want[1]) << line;
            EXPECT_EQ(o["rawSource"].toString().toStdString(), want[2]) << line;
            if (want[0] == "failed") {
                EXPECT_NE(o["reason"].toString().toStdString().find("the raw data is incomplete"),
                          std::string::npos) << line;
                EXPECT_NE(r.err.find(cut), std::string::npos) << r.err;
                continue;
            }
            EXPECT_NE(fs::path(output).filename().string().find(want[3]), std::string::npos) << line;
            if (row->first == "turned.dng") {
                const Camera camera = CameraOf(output);
                EXPECT_TRUE(camera.read);
                EXPECT_EQ(camera.make, "Canon");
                EXPECT_EQ(camera.gps, std::string(policy) == "all");
            }
        }
        EXPECT_EQ(photos, 4);
    }
}

}  // namespace
