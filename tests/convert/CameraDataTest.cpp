// Camera data in the outputs: what each policy keeps in each format, and the
// XMP packet made to fit the converted photo.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestPictures.h"
#include "convert/ConvertPhoto.h"
#include "convert/XmpRewrite.h"
#include "options/OptionTables.h"
#include "photolist/PhotoInfo.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"

using namespace testpictures;

namespace {

// 64 x 48 stored, EXIF orientation 6: model "QC-7 Mark II", GPS; XMP with
// photoshop:City "Paris", exif:GPS..., tiff:Orientation 6 and a creator;
// IPTC in a Photoshop block.
std::string CameraPhoto() {
    return testsupport::TestSourceDir() + "/data/defaults/source.jpg";
}

std::string Field(const vips::VImage& image, const char* name) {
    return image.get_typeof(name) != 0 ? image.get_string(name) : "";
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string Xmp(const vips::VImage& image) {
    if (image.get_typeof(VIPS_META_XMP_NAME) == 0)
        return {};
    std::size_t length = 0;
    const void* data = image.get_blob(VIPS_META_XMP_NAME, &length);
    return std::string(static_cast<const char*>(data), length);
}

// What libvips' savers write of each part, and read back.
struct FormatCase {
    int32_t format;
    bool exif;  // EXIF block
    bool xmp;   // XMP packet, read back by libvips (AVIF's is only written)
    bool iptc;  // the source's IPTC block (a Photoshop block: JPEG only)
};

class CameraDataTest : public ::testing::TestWithParam<int32_t> {};

TEST_P(CameraDataTest, EachFormatKeepsWhatThePolicyAsks) {
    const int32_t policy = GetParam();
    const FormatCase cases[] = {
        {kFormatJpg, true, true, true},    {kFormatPng, true, true, false},
        {kFormatTif, false, true, false},  {kFormatWebp, true, true, false},
        {kFormatAvif, true, false, false}, {kFormatJxl, false, false, false},
        {kFormatBmp, false, false, false},
    };
    testsupport::TempDir dir;
    for (const FormatCase& c : cases) {
        const std::string name = std::string(ExtensionOfFormat(c.format));
        OutputPhotoFormat defaults;
        defaults.nOutputWidth = 40;
        defaults.nOuptputFormat = c.format;
        defaults.nMetadata = policy;
        RecordingPrompter prompter;
        PhotoItem photo;
        ASSERT_TRUE(LoadPhotoInfo(CameraPhoto(), photo, defaults, prompter));
        photo.strOutputPath = dir.file("out." + name);
        ASSERT_EQ(ConvertPhoto(photo, {}, prompter).outcome, PhotoOutcome::Written) << name;
        const std::string bytes = ReadAll(photo.strOutputPath);
        const bool keep = policy != kMetadataNone;
        if (c.format == kFormatBmp) {
            EXPECT_FALSE(Has(bytes, "QC-7") || Has(bytes, "Paris")) << name;
            continue;
        }
        const vips::VImage out = Load(photo.strOutputPath);
        EXPECT_EQ(out.width(), 40) << name;  // upright
        EXPECT_EQ(out.height(), 53) << name;
        EXPECT_EQ(Has(Field(out, "exif-ifd0-Model"), "QC-7 Mark II"), keep && c.exif) << name;
        EXPECT_EQ(out.get_typeof("exif-ifd3-GPSLatitude") != 0, policy == kMetadataAll && c.exif)
            << name;
        if (const std::string orientation = Field(out, "exif-ifd0-Orientation");
            !orientation.empty()) {
            EXPECT_EQ(orientation.substr(0, 2), "1 ") << name;
        }
        if (const std::string width = Field(out, "exif-ifd2-PixelXDimension"); !width.empty()) {
            EXPECT_EQ(width.substr(0, 3), "40 ") << name;
        }
        const std::string xmp = c.format == kFormatAvif ? bytes : Xmp(out);
        const bool xmpKept = keep && (c.xmp || c.format == kFormatAvif);
        EXPECT_EQ(Has(xmp, "A. Photographer"), xmpKept) << name;
        EXPECT_EQ(Has(xmp, "Paris") || Has(xmp, "GPSLongitude"), xmpKept && policy == kMetadataAll)
            << name;
        if (xmpKept) {
            EXPECT_TRUE(Has(xmp, "tiff:Orientation=\"1\"")) << name;
        }
        EXPECT_EQ(out.get_typeof(VIPS_META_IPTC_NAME) != 0, policy == kMetadataAll && c.iptc)
            << name;
        // JPEG XL always describes its colours, whatever was asked.
        if (c.format != kFormatJxl) {
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
