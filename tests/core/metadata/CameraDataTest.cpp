// Camera data in the outputs: what each policy keeps in each format, and the
// XMP packet made to fit the converted photo.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <libexif/exif-data.h>
#include <tiffio.h>

#include "gather/PhotoInfo.h"
#include "metadata/ExifRewrite.h"
#include "metadata/JxlWithBoxes.h"
#include "metadata/XmpRewrite.h"
#include "model/OptionTables.h"
#include "run/ConvertPhoto.h"
#include "support/PhotoJobs.h"
#include "support/RecordingPrompter.h"
#include "support/TestPictures.h"
#include "support/TestSupport.h"

using namespace testpictures;

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string Blob(const vips::VImage& image, const char* name) {
    if (image.get_typeof(name) == 0)
        return {};
    std::size_t length = 0;
    const void* data = image.get_blob(name, &length);
    return std::string(static_cast<const char*>(data), length);
}

// The contents of the first box of the type in a JPEG XL container.
std::string JxlBox(const std::string& file, const std::string& type) {
    for (std::size_t at = 0; at + 8 <= file.size();) {
        const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(file[at + i]); };
        std::size_t size =
            uint32_t{byte(0)} << 24 | uint32_t{byte(1)} << 16 | uint32_t{byte(2)} << 8 | byte(3);
        if (size == 0)
            size = file.size() - at;
        if (size < 8 || at + size > file.size())
            return {};
        if (file.compare(at + 4, 4, type) == 0)
            return file.substr(at + 8, size - 8);
        at += size;
    }
    return {};
}

// What a reader finds of the EXIF data in an output; empty texts for what it
// does not state.
struct Camera {
    std::string model, orientation, pixelWidth;
    bool gps = false;
    bool thumbnail = false;
    bool makerNote = false;
};

std::string Text(ExifData* data, ExifIfd ifd, ExifTag tag) {
    ExifEntry* entry = exif_content_get_entry(data->ifd[ifd], tag);
    char text[256] = "";
    return entry ? exif_entry_get_value(entry, text, sizeof text) : "";
}

// block: the TIFF header first, after "Exif\0\0" as libvips carries it
// from most formats (PNG's comes without).
Camera FromExifBlock(std::string block) {
    Camera camera;
    if (!block.empty() && block.compare(0, 4, "Exif") != 0)
        block.insert(0, std::string("Exif\0\0", 6));
    const ExifDataPtr data(exif_data_new_from_data(
        reinterpret_cast<const unsigned char*>(block.data()), static_cast<unsigned>(block.size())));
    if (!data || block.empty())
        return camera;
    camera.model = Text(data.get(), EXIF_IFD_0, EXIF_TAG_MODEL);
    camera.orientation = Text(data.get(), EXIF_IFD_0, EXIF_TAG_ORIENTATION);
    camera.pixelWidth = Text(data.get(), EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION);
    camera.gps = data->ifd[EXIF_IFD_GPS]->count > 0;
    camera.thumbnail = data->ifd[EXIF_IFD_1]->count > 0 || data->size > 0;
    camera.makerNote = exif_data_get_entry(data.get(), EXIF_TAG_MAKER_NOTE) != nullptr;
    return camera;
}

// libvips' TIFF loader reads no EXIF directory, so libtiff reads it.
Camera FromTiff(const std::string& path) {
    Camera camera;
    TIFF* tiff = TIFFOpen(path.c_str(), "r");
    if (!tiff)
        return camera;
    char* model = nullptr;
    uint16_t orientation = 0;
    uint64_t exif = 0, gps = 0;
    if (TIFFGetField(tiff, TIFFTAG_MODEL, &model))
        camera.model = model;
    if (TIFFGetField(tiff, TIFFTAG_ORIENTATION, &orientation))
        camera.orientation = orientation == 1 ? "Top-left" : std::to_string(orientation);
    camera.gps = TIFFGetField(tiff, TIFFTAG_GPSIFD, &gps) && gps != 0;
    uint32_t width = 0, noteSize = 0;
    void* note = nullptr;
    if (TIFFGetField(tiff, TIFFTAG_EXIFIFD, &exif) && TIFFReadEXIFDirectory(tiff, exif)) {
        if (TIFFGetField(tiff, EXIFTAG_PIXELXDIMENSION, &width))
            camera.pixelWidth = std::to_string(width);
        camera.makerNote = TIFFGetField(tiff, EXIFTAG_MAKERNOTE, &noteSize, &note) && noteSize > 0;
    }
    TIFFClose(tiff);
    return camera;
}

Camera CameraIn(int32_t format, const std::string& path) {
    if (format == kFormatTif)
        return FromTiff(path);
    if (format == kFormatJxl) {
        // The box holds the TIFF header's offset, then the block without "Exif\0\0".
        const std::string box = JxlBox(ReadAll(path), "Exif");
        return box.size() > 4 ? FromExifBlock(std::string("Exif\0\0", 6) + box.substr(4))
                              : Camera{};
    }
    // The loaded file stays open: the decoded copy shares its block, and
    // PNG's is known only once the pixels are read.
    const vips::VImage file = vips::VImage::new_from_file((path + "[]").c_str());
    const vips::VImage decoded = file.copy_memory();
    return FromExifBlock(Blob(decoded, VIPS_META_EXIF_NAME));
}

std::string XmpIn(int32_t format, const std::string& path, const vips::VImage& image) {
    if (format == kFormatAvif)  // written, but not read back by libvips
        return ReadAll(path);
    if (format == kFormatJxl)
        return JxlBox(ReadAll(path), "xml ");
    return Blob(image, VIPS_META_XMP_NAME);
}

// Which parts each format carries: BMP none; the Photoshop block holding
// IPTC only JPEG.
class CameraDataTest : public ::testing::TestWithParam<int32_t> {};

TEST_P(CameraDataTest, EachFormatKeepsWhatThePolicyAsks) {
    const int32_t policy = GetParam();
    testsupport::TempDir dir;
    for (const int32_t format :
         {kFormatJpg, kFormatPng, kFormatTif, kFormatWebp, kFormatAvif, kFormatJxl, kFormatBmp}) {
        const std::string name = std::string(ExtensionOfFormat(format));
        OutputPhotoFormat defaults;
        defaults.nOutputWidth = 40;
        defaults.nOuptputFormat = format;
        defaults.nMetadata = policy;
        RecordingPrompter prompter;
        PhotoItem photo;
        ASSERT_TRUE(LoadPhotoInfo(testsupport::CameraPhoto(), photo, defaults, prompter));
        photo.strOutputPath = dir.file("out." + name);
        ASSERT_EQ(testsupport::ConvertListPhoto(photo, {}, prompter).outcome, PhotoOutcome::Written)
            << name;
        const bool keep = policy != kMetadataNone;
        if (format == kFormatBmp) {
            const std::string bytes = ReadAll(photo.strOutputPath);
            EXPECT_FALSE(Has(bytes, "QC-7") || Has(bytes, "Paris")) << name;
            continue;
        }
        const vips::VImage out = Load(photo.strOutputPath);
        EXPECT_EQ(out.width(), 40) << name;  // upright
        EXPECT_EQ(out.height(), 53) << name;
        const Camera camera = CameraIn(format, photo.strOutputPath);
        EXPECT_EQ(camera.model, keep ? "QC-7 Mark II" : "") << name;
        EXPECT_EQ(camera.gps, policy == kMetadataAll) << name;
        EXPECT_FALSE(camera.thumbnail) << name;
        if (!camera.orientation.empty()) {
            EXPECT_EQ(camera.orientation, "Top-left") << name;
        }
        // Without camera data, JPEG still carries a minimal EXIF block.
        if (keep || !camera.pixelWidth.empty()) {
            EXPECT_EQ(camera.pixelWidth, "40") << name;
        }
        const std::string xmp = XmpIn(format, photo.strOutputPath, out);
        EXPECT_EQ(Has(xmp, "A. Photographer"), keep) << name;
        EXPECT_EQ(Has(xmp, "Paris") || Has(xmp, "GPSLongitude"), policy == kMetadataAll) << name;
        if (keep) {
            EXPECT_TRUE(Has(xmp, "tiff:Orientation=\"1\"")) << name;
        }
        EXPECT_EQ(out.get_typeof(VIPS_META_IPTC_NAME) != 0,
                  policy == kMetadataAll && format == kFormatJpg)
            << name;
        // JPEG XL always describes its colours, whatever was asked.
        if (format != kFormatJxl) {
            EXPECT_EQ(out.get_typeof(VIPS_META_ICC_NAME) != 0, keep) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Policies, CameraDataTest,
                         ::testing::Values(kMetadataNone, kMetadataNoLocation, kMetadataAll),
                         [](const auto& info) {
                             return std::string(info.param == kMetadataNone         ? "none"
                                                : info.param == kMetadataNoLocation ? "no_location"
                                                                                    : "all");
                         });

// A camera's own file: a maker note, a thumbnail, GPS, some 30 EXIF tags.
TEST(CameraDataOwnWriters, KeepTheCamerasTagsWithoutItsThumbnail) {
    const std::string source = testsupport::TestDataDir() + "/photos/gps/DSCN0010.jpg";
    testsupport::TempDir dir;
    for (const int32_t format : {kFormatTif, kFormatJxl}) {
        const std::string name = std::string(ExtensionOfFormat(format));
        OutputPhotoFormat defaults;
        defaults.nOuptputFormat = format;
        defaults.nMetadata = kMetadataAll;
        RecordingPrompter prompter;
        PhotoItem photo;
        ASSERT_TRUE(LoadPhotoInfo(source, photo, defaults, prompter));
        photo.strOutputPath = dir.file("out." + name);
        ASSERT_EQ(testsupport::ConvertListPhoto(photo, {}, prompter).outcome, PhotoOutcome::Written)
            << name;
        const vips::VImage out = Load(photo.strOutputPath);
        const Camera camera = CameraIn(format, photo.strOutputPath);
        EXPECT_EQ(camera.model, "COOLPIX P6000") << name;
        EXPECT_TRUE(camera.gps) << name;
        EXPECT_EQ(camera.pixelWidth, std::to_string(out.width())) << name;
        EXPECT_FALSE(camera.thumbnail) << name;
        EXPECT_TRUE(camera.makerNote) << name;
    }
}

TEST(JxlContainerTest, HoldsTheCodestreamUnchangedBesideTheBoxes) {
    StartImaging();
    const vips::VImage picture = PhotoLike(37, 23);
    VipsBlob* blob = picture.jxlsave_buffer(vips::VImage::option()->set("Q", 60));
    std::size_t size = 0;
    const auto* bytes = static_cast<const char*>(vips_blob_get(blob, &size));
    const std::string codestream(bytes, size);
    vips_area_unref(VIPS_AREA(blob));
    const std::string tiff("II*\0\x08\0\0\0\0\0\0\0\0\0", 14);
    const std::string file =
        JxlContainer(codestream, {std::string("Exif\0\0", 6) + tiff, "<x:xmpmeta/>"});

    EXPECT_EQ(JxlBox(file, "Exif"), std::string(4, '\0') + tiff);
    EXPECT_EQ(JxlBox(file, "xml "), "<x:xmpmeta/>");
    EXPECT_EQ(JxlBox(file, "jxlc"), codestream);
    const vips::VImage bare = vips::VImage::new_from_buffer(codestream, "");
    const vips::VImage boxed = vips::VImage::new_from_buffer(file, "");
    EXPECT_EQ((bare - boxed).abs().max(), 0.0);
    // No metadata, no boxes for it; a block without its "Exif" header is not EXIF.
    const std::string plain = JxlContainer(codestream, {tiff, ""});
    EXPECT_EQ(JxlBox(plain, "Exif"), "");
    EXPECT_EQ(JxlBox(plain, "xml "), "");
    EXPECT_EQ(JxlBox(plain, "jxlc"), codestream);
}

struct XmpRow {
    const char* name;
    std::string packet;
    bool dropLocation;
    std::vector<std::string> kept;
    std::vector<std::string> gone;
};

class XmpRewriteTest : public ::testing::TestWithParam<XmpRow> {};

TEST_P(XmpRewriteTest, Rewrite) {
    const XmpRow& r = GetParam();
    const std::string out = RewriteXmp(r.packet, r.dropLocation, 800, 600);
    for (const std::string& part : r.kept) EXPECT_TRUE(Has(out, part)) << part << " in " << out;
    for (const std::string& part : r.gone) EXPECT_FALSE(Has(out, part)) << part << " in " << out;
}

const std::string kRdf =
    "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
    "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description rdf:about='' ";
const std::string kEnd = "</rdf:Description></rdf:RDF></x:xmpmeta>";

INSTANTIATE_TEST_SUITE_P(
    Packets, XmpRewriteTest,
    ::testing::Values(
        XmpRow{"attributes",
               "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>" + kRdf +
                   "xmlns:tiff='http://ns.adobe.com/tiff/1.0/' "
                   "xmlns:photoshop='http://ns.adobe.com/photoshop/1.0/' "
                   "xmlns:exif='http://ns.adobe.com/exif/1.0/' tiff:Orientation='6' "
                   "tiff:Model='QC-7' photoshop:City='Paris' photoshop:Credit='Agency' "
                   "exif:GPSLatitude='48,51N' exif:DateTimeOriginal='2009-05-17'>" +
                   kEnd + "<?xpacket end='w'?>",
               true,
               {"tiff:Orientation=\"1\"", "tiff:Model=\"QC-7\"", "photoshop:Credit=\"Agency\"",
                "exif:DateTimeOriginal", "<?xpacket begin", "<?xpacket end", "xmlns:photoshop="},
               {"Paris", "GPSLatitude", "Orientation=\"6\""}},
        XmpRow{"elements_and_sizes",
               kRdf +
                   "xmlns:exif='http://ns.adobe.com/exif/1.0/' "
                   "xmlns:tiff='http://ns.adobe.com/tiff/1.0/'>"
                   "<tiff:Orientation>8</tiff:Orientation><tiff:ImageWidth>64</tiff:ImageWidth>"
                   "<exif:PixelYDimension>48</exif:PixelYDimension>"
                   "<exif:GPSAltitude>35/1</exif:GPSAltitude>" +
                   kEnd,
               true,
               {"<tiff:Orientation>1</tiff:Orientation>", "<tiff:ImageWidth>800</tiff:ImageWidth>",
                "<exif:PixelYDimension>600</exif:PixelYDimension>"},
               {"GPSAltitude", ">8<", ">64<", ">48<"}},
        XmpRow{"iptc_locations_with_their_contents",
               kRdf +
                   "xmlns:Iptc4xmpCore='http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/' "
                   "xmlns:Iptc4xmpExt='http://iptc.org/std/Iptc4xmpExt/2008-02-29/' "
                   "xmlns:dc='http://purl.org/dc/elements/1.1/'>"
                   "<Iptc4xmpCore:Location>Old Town</Iptc4xmpCore:Location>"
                   "<Iptc4xmpExt:LocationShown><rdf:Bag><rdf:li rdf:parseType='Resource'>"
                   "<Iptc4xmpExt:City>Lyon</Iptc4xmpExt:City></rdf:li></rdf:Bag>"
                   "</Iptc4xmpExt:LocationShown>"
                   "<dc:subject><rdf:Bag><rdf:li>bridge</rdf:li></rdf:Bag></dc:subject>" +
                   kEnd,
               true,
               {"<dc:subject><rdf:Bag><rdf:li>bridge</rdf:li></rdf:Bag></dc:subject>"},
               {"Old Town", "Lyon", "LocationShown"}},
        // The namespace decides, not the prefix a writer chose.
        XmpRow{"any_prefix",
               kRdf +
                   "xmlns:ps='http://ns.adobe.com/photoshop/1.0/' ps:Country='France' "
                   "ps:Headline='Bridge'>" +
                   kEnd,
               true,
               {"ps:Headline=\"Bridge\"", "xmlns:ps="},
               {"France"}},
        XmpRow{"not_xml", "<x:xmpmeta><unclosed>", true, {}, {"unclosed"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
