#include "metadata/CameraDataRead.h"

#include <mutex>

#include <exiv2/exiv2.hpp>

namespace {

void StartExiv2() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Its XMP toolkit must be set up once before threads share it; its
        // warnings would land between the run's own lines.
        Exiv2::XmpParser::initialize();
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        // JPEG XL, HEIF and AVIF files are read only when asked for.
        Exiv2::enableBMFF(true);
    });
}

// The first directory's tags that describe the photo rather than the
// file's pixel layout.
bool DescribesPhoto(const Exiv2::Exifdatum& datum) {
    if (datum.groupName() != "Image")
        return true;
    switch (datum.tag()) {
        case 0x010E: case 0x010F: case 0x0110: case 0x0112: case 0x011A: case 0x011B:
        case 0x0128: case 0x0131: case 0x0132: case 0x013B: case 0x8298:
        case 0x8769: case 0x8825:
            return true;
        default:
            return false;
    }
}

std::string ExifText(const Exiv2::ExifData& exif, const char* key) {
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    return found == exif.end() ? std::string() : found->toString();
}

}  // namespace

bool LoaderDropsCameraData(const std::string& loader) {
    return loader.rfind("tiffload", 0) == 0 || loader.rfind("jxlload", 0) == 0;
}

void AddDroppedCameraData(const std::string& path, const std::string& loader,
                          PictureMetadata& metadata) {
    if (!LoaderDropsCameraData(loader))
        return;
    const CameraData read = ReadCameraData(path);
    for (auto part : {&PictureMetadata::exif, &PictureMetadata::xmp, &PictureMetadata::iptc})
        if ((metadata.*part).empty())
            metadata.*part = read.metadata.*part;
}

CameraData ReadCameraData(const std::string& path) {
    StartExiv2();
    CameraData data;
    try {
        const Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(path);
        image->readMetadata();
        Exiv2::ExifData exif;
        for (const Exiv2::Exifdatum& datum : image->exifData())
            if (DescribesPhoto(datum) && datum.groupName() != "Thumbnail")
                exif.add(datum);
        if (!exif.empty()) {
            Exiv2::Blob blob;
            Exiv2::ExifParser::encode(blob, image->byteOrder() == Exiv2::bigEndian
                                                ? Exiv2::bigEndian
                                                : Exiv2::littleEndian,
                                      exif);
            if (!blob.empty())
                data.metadata.exif = std::string("Exif\0\0", 6) +
                                     std::string(blob.begin(), blob.end());
        }
        data.metadata.xmp = image->xmpPacket();
        if (!image->iptcData().empty()) {
            const Exiv2::DataBuf iptc = Exiv2::IptcParser::encode(image->iptcData());
            data.metadata.iptc.assign(reinterpret_cast<const char*>(iptc.pData_), iptc.size_);
        }
        data.dateTaken = ExifText(exif, "Exif.Photo.DateTimeOriginal");
        if (data.dateTaken.empty())
            data.dateTaken = ExifText(exif, "Exif.Photo.DateTimeDigitized");
        data.camera = ExifText(exif, "Exif.Image.Model");
    } catch (const Exiv2::AnyError&) {
        // A file exiv2 cannot read has no camera data it could give.
    }
    return data;
}
