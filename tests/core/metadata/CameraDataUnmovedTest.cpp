// Camera data as a careful photographer needs it: maker notes that other
// readers still understand under "all", no place left anywhere under
// "no-location", and the camera data of sources libvips reads none from.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include <exiv2/exiv2.hpp>
#include <vips/vips8>

#include "gather/PhotoInfo.h"
#include "imaging/ImageProbe.h"
#include "metadata/ExifInPlace.h"
#include "metadata/XmpRewrite.h"
#include "model/OptionTables.h"
#include "support/PhotoJobs.h"
#include "support/RecordingPrompter.h"
#include "support/TestPictures.h"
#include "support/TestSupport.h"

using namespace testpictures;

namespace {

// Strings of the source's places: in the maker note, the XMP under names a
// list of known location fields would miss, and inside the EXIF thumbnail.
const char* const kPlaces[] = {"CALIFORNIA", "37.774900", "Golden Gate", "San Francisco",
                               "THUMBPLACE"};

std::string DroneXmp() {
    return R"(<x:xmpmeta xmlns:x="adobe:ns:meta/"><rdf:RDF
 xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#"><rdf:Description rdf:about=""
 xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:xmp="http://ns.adobe.com/xap/1.0/"
 xmlns:drone-dji="http://www.dji.com/drone-dji/1.0/" xmlns:xmpDM="http://ns.adobe.com/xmp/1.0/DynamicMedia/"
 drone-dji:GpsLatitude="37.774900" xmp:Rating="4"><dc:coverage>San Francisco</dc:coverage>
<xmpDM:shotLocation>Golden Gate</xmpDM:shotLocation>
<dc:title><rdf:Alt><rdf:li xml:lang="x-default">Bridge at dusk</rdf:li></rdf:Alt></dc:title>
</rdf:Description></rdf:RDF></x:xmpmeta>)";
}

// A JPEG with a Canon maker note (whose values other readers find by
// offsets from the TIFF header), GPS, an EXIF thumbnail with a place in it,
// and DroneXmp.
std::string CameraJpeg(const testsupport::TempDir& dir) {
    const std::string path = dir.file("camera.jpg");
    Save(PhotoLike(96, 64), path);
    const std::string thumbPath = dir.file("thumb.jpg");
    Save(PhotoLike(16, 12), thumbPath);
    std::string thumb = testsupport::ReadAll(thumbPath);
    thumb.insert(2, std::string("\xFF\xFE\x00\x0CTHUMBPLACE", 14));  // a comment segment

    const auto image = Exiv2::ImageFactory::open(path);
    image->readMetadata();
    Exiv2::ExifData& exif = image->exifData();
    exif["Exif.Image.Make"] = "Canon";
    exif["Exif.Image.Model"] = "Canon EOS 40D";
    exif["Exif.Photo.DateTimeOriginal"] = "2021:06:05 07:08:09";
    exif["Exif.Canon.OwnerName"] = "CALIFORNIA Golden Gate";
    exif["Exif.Canon.ImageType"] = "Canon EOS 40D picture";
    exif["Exif.Canon.FirmwareVersion"] = "Firmware Version 1.0.3";
    exif["Exif.Canon.SerialNumber"] = uint32_t(1234567);
    exif["Exif.GPSInfo.GPSLatitudeRef"] = "N";
    Exiv2::URationalValue latitude;
    latitude.read("37/1 46/1 2964/100");
    exif.add(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude"), &latitude);
    Exiv2::ExifThumb(exif).setJpegThumbnail(reinterpret_cast<const Exiv2::byte*>(thumb.data()),
                                            static_cast<long>(thumb.size()));
    image->setXmpPacket(DroneXmp());
    image->writeMetadata();
    return path;
}

struct ReadBack {
    std::map<std::string, std::string> canon;  // the maker note's tags
    bool gps = false, thumbnail = false;
    std::string xmp;
};

ReadBack Read(const std::string& path) {
    Exiv2::enableBMFF(true);
    ReadBack read;
    const auto image = Exiv2::ImageFactory::open(path);
    image->readMetadata();
    for (const Exiv2::Exifdatum& datum : image->exifData()) {
        read.gps |= datum.groupName() == "GPSInfo";
        read.thumbnail |= datum.groupName() == "Thumbnail";
        if (datum.groupName().rfind("Canon", 0) == 0)
            read.canon[datum.key()] = datum.toString();
    }
    read.xmp = image->xmpPacket();
    return read;
}

std::string Convert(const std::string& source, const std::string& format, int32_t policy,
                    const testsupport::TempDir& dir) {
    RecordingPrompter prompter;
    OutputPhotoFormat defaults;
    defaults.nOuputSizeType = kSizeOriginal;
    for (const OutputFormatRow& row : OutputFormats())
        if (row.extension == format)
            defaults.nOuptputFormat = row.id;
    defaults.nMetadata = policy;
    PhotoItem photo;
    EXPECT_TRUE(LoadPhotoInfo(source, photo, defaults, prompter));
    photo.strOutputPath = dir.file("out-" + std::to_string(policy) + "." + format);
    EXPECT_EQ(testsupport::ConvertListPhoto(photo, {}, prompter).outcome, PhotoOutcome::Written)
        << format;
    return photo.strOutputPath;
}

class CameraDataUnmoved : public testing::TestWithParam<std::string> {};

TEST_P(CameraDataUnmoved, AllKeepsTheMakerNoteReadableAndNoThumbnail) {
    testsupport::TempDir dir;
    const std::string source = CameraJpeg(dir);
    const ReadBack before = Read(source);
    ASSERT_GE(before.canon.size(), 4u);
    const ReadBack after = Read(Convert(source, GetParam(), kMetadataAll, dir));
    EXPECT_EQ(after.canon, before.canon);
    EXPECT_TRUE(after.gps);
    EXPECT_FALSE(after.thumbnail);
}

// Where a maker note and its own values sit, relative to the TIFF header of
// the EXIF block; npos when the file has no such header.
std::size_t MakerNoteOffset(const std::string& file, const std::string& tiffHeader) {
    const std::size_t tiff = file.find(tiffHeader);
    const std::size_t note = file.find(std::string("Nikon\0", 6), tiff);
    return tiff == std::string::npos || note == std::string::npos ? std::string::npos
                                                                     : note - tiff;
}

// A real camera's maker note (Nikon's, with values of its own) keeps every
// byte at the offset the camera gave it, as readers that know the maker
// expect.
TEST_P(CameraDataUnmoved, AllKeepsARealMakerNoteWhereTheCameraPutIt) {
    const std::string source = testsupport::TestDataDir() + "/photos/gps/DSCN0010.jpg";
    const std::string original = testsupport::ReadAll(source);
    if (original.empty())
        GTEST_SKIP() << "the shared test photos are not beside the project";
    testsupport::TempDir dir;
    const std::string tiffHeader = original.substr(original.find("Exif") + 6, 8);
    const std::size_t at = MakerNoteOffset(original, tiffHeader);
    ASSERT_NE(at, std::string::npos);
    const std::string out = testsupport::ReadAll(Convert(source, GetParam(), kMetadataAll, dir));
    ASSERT_EQ(MakerNoteOffset(out, tiffHeader), at);
    Exiv2::enableBMFF(true);
    const auto image = Exiv2::ImageFactory::open(source);
    image->readMetadata();
    const std::size_t length = image->exifData()["Exif.Photo.MakerNote"].size();
    ASSERT_GT(length, 1000u);
    const std::size_t tiff = out.find(tiffHeader), sourceTiff = original.find(tiffHeader);
    EXPECT_TRUE(out.substr(tiff + at, length) == original.substr(sourceTiff + at, length))
        << "the maker note's bytes changed";
}

// A TIFF holds the EXIF as directories of the file itself, so the maker
// note cannot stay where the camera put it: MakerNotesReadBack checks TIFF.
INSTANTIATE_TEST_SUITE_P(Formats, CameraDataUnmoved,
                         testing::Values("jpg", "png", "webp", "jxl", "avif"));

struct CameraTags {
    std::map<std::string, std::string> makerNote;  // key: value as exiv2 reads it
    bool gps = false, thumbnail = false;
};

CameraTags ReadTags(const std::string& path) {
    Exiv2::enableBMFF(true);
    CameraTags tags;
    const auto image = Exiv2::ImageFactory::open(path);
    image->readMetadata();
    for (const Exiv2::Exifdatum& datum : image->exifData()) {
        tags.gps |= datum.groupName() == "GPSInfo";
        tags.thumbnail |= datum.groupName() == "Thumbnail";
        // The "MakerNote" group tells where the note sits, which may change.
        if (Exiv2::ExifTags::isMakerGroup(datum.groupName()) && datum.groupName() != "MakerNote")
            tags.makerNote[datum.key()] = datum.toString();
    }
    return tags;
}

class MakerNotesReadBack : public testing::TestWithParam<std::tuple<const char*, const char*>> {};

// Maker notes read back tag for tag: a real Nikon's, which has a TIFF
// header of its own and a value past its stated length, and a Canon note
// as exiv2 writes it, whose values are found by offsets from the block's
// TIFF header ("" for CameraJpeg; the shared Canon photo has no note).
TEST_P(MakerNotesReadBack, AllKeepsEveryTagAndNoLocationNoPlace) {
    const auto [file, format] = GetParam();
    testsupport::TempDir dir;
    const std::string source =
        *file ? testsupport::TestDataDir() + "/photos/" + file : CameraJpeg(dir);
    if (testsupport::ReadAll(source).empty())
        GTEST_SKIP() << "the shared test photos are not beside the project";
    const CameraTags before = ReadTags(source);
    ASSERT_GE(before.makerNote.size(), 4u) << file;
    const CameraTags after = ReadTags(Convert(source, format, kMetadataAll, dir));
    EXPECT_EQ(after.makerNote.size(), before.makerNote.size());
    int wrong = 0;
    for (const auto& [key, value] : before.makerNote) {
        const auto found = after.makerNote.find(key);
        const std::string read = found == after.makerNote.end() ? "(missing)" : found->second;
        if (read != value && ++wrong <= 5)
            ADD_FAILURE() << key << ": " << read.substr(0, 80) << " instead of "
                          << value.substr(0, 80);
    }
    EXPECT_EQ(wrong, 0) << "maker note tags read otherwise";
    EXPECT_FALSE(after.thumbnail);
    const CameraTags hidden = ReadTags(Convert(source, format, kMetadataNoLocation, dir));
    EXPECT_FALSE(hidden.gps);
    EXPECT_FALSE(hidden.thumbnail);
}

INSTANTIATE_TEST_SUITE_P(Notes, MakerNotesReadBack,
                         testing::Combine(testing::Values("", "gps/DSCN0010.jpg"),
                                          testing::Values("jpg", "avif", "tif")));

// AVIF with camera data is written through libheif by the program, not by
// libvips' saver; the picture must be the one an output without it has.
TEST(AvifWithCameraData, SamePictureAsWithout) {
    testsupport::TempDir dir;
    const std::string source = CameraJpeg(dir);
    const vips::VImage with =
        vips::VImage::new_from_file(Convert(source, "avif", kMetadataAll, dir).c_str());
    const vips::VImage without =
        vips::VImage::new_from_file(Convert(source, "avif", kMetadataNone, dir).c_str());
    ASSERT_EQ(with.width(), without.width());
    EXPECT_EQ((with - without).abs().max(), 0.0);
}

class NoPlaceAnywhere : public testing::TestWithParam<std::string> {};

TEST_P(NoPlaceAnywhere, NoLocationLeavesNoPlaceInTheFile) {
    testsupport::TempDir dir;
    const std::string out = Convert(CameraJpeg(dir), GetParam(), kMetadataNoLocation, dir);
    const ReadBack after = Read(out);
    EXPECT_FALSE(after.gps);
    EXPECT_FALSE(after.thumbnail);
    // PNG keeps its XMP compressed: the packet as read is searched too.
    const std::string bytes = testsupport::ReadAll(out) + after.xmp;
    for (const char* place : kPlaces)
        EXPECT_EQ(bytes.find(place), std::string::npos) << place << " in " << GetParam();
    EXPECT_NE(after.xmp.find("Bridge at dusk"), std::string::npos) << "a title is no place";
}

INSTANTIATE_TEST_SUITE_P(Formats, NoPlaceAnywhere,
                         testing::Values("jpg", "png", "webp", "tif", "avif", "jxl"));

TEST(XmpNoLocation, DropsEveryPlaceFieldAndKeepsTheRest) {
    struct Row {
        const char* property;
        bool kept;
    } const rows[] = {
        {R"(<Iptc4xmpExt:LocationCreated>Lisbon</Iptc4xmpExt:LocationCreated>)", false},
        {R"(<Iptc4xmpExt:LocationShown>Lisbon</Iptc4xmpExt:LocationShown>)", false},
        {R"(<photoshop:State>Lisbon</photoshop:State>)", false},
        {R"(<photoshop:City>Lisbon</photoshop:City>)", false},
        {R"(<Iptc4xmpCore:CountryCode>Lisbon</Iptc4xmpCore:CountryCode>)", false},
        {R"(<Iptc4xmpCore:Location>Lisbon</Iptc4xmpCore:Location>)", false},
        {R"(<exif:GPSLatitude>Lisbon</exif:GPSLatitude>)", false},
        {R"(<acme:Whereabouts>Lisbon</acme:Whereabouts>)", false},
        {R"(<photoshop:Headline>Lisbon</photoshop:Headline>)", true},
        {R"(<xmp:Label>Lisbon</xmp:Label>)", true},
    };
    for (const Row& row : rows) {
        const std::string packet =
            std::string(R"(<x:xmpmeta xmlns:x="adobe:ns:meta/"><rdf:RDF )"
                        R"(xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#">)"
                        R"(<rdf:Description rdf:about="" )"
                        R"(xmlns:photoshop="http://ns.adobe.com/photoshop/1.0/" )"
                        R"(xmlns:xmp="http://ns.adobe.com/xap/1.0/" )"
                        R"(xmlns:exif="http://ns.adobe.com/exif/1.0/" xmlns:acme="urn:acme" )"
                        R"(xmlns:Iptc4xmpCore="http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/" )"
                        R"(xmlns:Iptc4xmpExt="http://iptc.org/std/Iptc4xmpExt/2008-02-29/">)") +
            row.property + "</rdf:Description></rdf:RDF></x:xmpmeta>";
        const std::string out = RewriteXmp(packet, true, 10, 10);
        ASSERT_FALSE(out.empty()) << row.property;
        EXPECT_EQ(out.find("Lisbon") != std::string::npos, row.kept) << row.property;
    }
}

// A damaged block is read as far as it goes and never read past its end.
TEST(ExifInPlace, EveryTruncationOfARealBlockIsSafe) {
    const std::string path = testsupport::TestDataDir() + "/photos/gps/DSCN0010.jpg";
    if (testsupport::ReadAll(path).empty())
        GTEST_SKIP() << "the shared test photos are not beside the project";
    const std::string jpeg = testsupport::ReadAll(path);
    const std::size_t start = jpeg.find(std::string("Exif\0\0", 6));
    const std::size_t length = (uint8_t(jpeg[start - 2]) << 8 | uint8_t(jpeg[start - 1])) - 2;
    const std::string block = jpeg.substr(start, length);
    for (std::size_t size = 0; size <= block.size(); size += 7) {
        const std::string edited = ExifEditedInPlace(block.substr(0, size), {true, 8, 8, 1, 1});
        EXPECT_TRUE(edited.empty() || edited.size() == size) << size;
    }
    const std::string whole = ExifEditedInPlace(block, {false, 640, 480, 0, 0});
    ASSERT_EQ(whole.size(), block.size()) << "nothing moves";
}

// libvips 8.14 passes no camera data on from TIFF and JPEG XL files.
TEST(CameraDataOfSources, TiffAndJxlSourcesGiveTheirDateAndCamera) {
    testsupport::TempDir dir;
    const std::string jpeg = CameraJpeg(dir);
    for (const std::string format : {"tif", "jxl"}) {
        const std::string source = Convert(jpeg, format, kMetadataAll, dir);
        const Result<PictureFacts> facts = ProbePicture(source);
        ASSERT_TRUE(facts) << format;
        std::tm when{};
        const std::time_t taken = static_cast<std::time_t>(facts.Value().timeTaken);
        localtime_r(&taken, &when);
        EXPECT_EQ(when.tm_year + 1900, 2021) << format;
        EXPECT_EQ(when.tm_hour, 7) << format;

        testsupport::TempDir again;
        Exiv2::enableBMFF(true);
        const auto image = Exiv2::ImageFactory::open(Convert(source, "jpg", kMetadataAll, again));
        image->readMetadata();
        const auto model = image->exifData().findKey(Exiv2::ExifKey("Exif.Image.Model"));
        ASSERT_NE(model, image->exifData().end()) << format;
        EXPECT_EQ(model->toString(), "Canon EOS 40D") << format;
    }
}

}  // namespace
