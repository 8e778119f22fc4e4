#include "imaging/ImageProbe.h"

#include <cstdio>
#include <ctime>

#include <vips/vips8>

#include "imaging/BmpSource.h"
#include "imaging/ImagingMessages.h"
#include "imaging/PngChunkLimit.h"
#include "imaging/RawFile.h"
#include "imaging/SourceFile.h"
#include "imaging/VipsSession.h"
#include "metadata/CameraDataRead.h"
#include "platform/Paths.h"
#include "platform/Words.h"

namespace {

// The header, or libvips' words for why the file is not a picture it opens
// (those of the try by name, the last one).
Result<vips::VImage> OpenHeader(const std::string& path, int fd) {
    auto options = [] { return vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL); };
    try {
        // One descriptor for all the loaders' sniffing: half the cost of
        // opening by name, which matters when thousands of photos are added.
        const ImagingMessages untried;
        return vips::VImage::new_from_source(vips::VSource::new_from_descriptor(fd), "", options());
    } catch (const vips::VError&) {
    }
    const ImagingMessages messages;
    try {
        // Some loaders read only by name.
        return vips::VImage::new_from_file(VipsPathWithOptions(path).c_str(), options());
    } catch (const vips::VError&) {
        const std::string reason = messages.ErrorText();
        // A file a loader knows by its first bytes is a picture that is
        // damaged (cut short, say), not some other file.
        const bool known = vips_foreign_find_load(VipsPathWithOptions(path).c_str()) != nullptr;
        return Status::Failed(path,
                              known ? words::translate("Reasons", "a damaged picture")
                                    : words::translate("Reasons", "not a picture"),
                              reason);
    }
}

// "jpegload_source" -> "jpeg"; HEIF files by their compression, pictures
// read through ImageMagick by the format it names.
std::string FormatOf(const vips::VImage& image) {
    const auto text = [&image](const char* field) -> std::string {
        return image.get_typeof(field) != 0 ? image.get_string(field) : "";
    };
    std::string loader = text("vips-loader");
    loader = loader.substr(0, loader.find("load"));
    if (loader == "heif")
        return text("heif-compression") == "av1" ? "avif" : "heic";
    if (loader == "magick") {
        return paths::AsciiLower(text("magick-format"));
    }
    return loader;
}

// An EXIF date "YYYY:MM:DD HH:MM:SS" (libvips adds a description after it)
// as local time; 0 for a field that is missing, blank or out of the calendar.
int64_t ExifTimeOfText(const char* text) {
    std::tm local{};
    if (std::sscanf(text, "%4d:%2d:%2d %2d:%2d:%2d", &local.tm_year,
                    &local.tm_mon, &local.tm_mday, &local.tm_hour, &local.tm_min,
                    &local.tm_sec) != 6 ||
        local.tm_year < 1 || local.tm_mon < 1 || local.tm_mon > 12 || local.tm_mday < 1 ||
        local.tm_mday > 31)
        return 0;
    local.tm_year -= 1900;
    local.tm_mon -= 1;
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    return when == static_cast<std::time_t>(-1) ? 0 : static_cast<int64_t>(when);
}

int64_t ExifTime(const vips::VImage& image, const char* field) {
    return image.get_typeof(field) == 0 ? 0 : ExifTimeOfText(image.get_string(field));
}

}  // namespace

Result<PictureFacts> ProbePicture(const std::string& path) {
    Result<vips::VImage> header =
        Status::Failed(path, words::translate("Reasons", "the imaging library could not start"));
    {
        // A FIFO, device or folder is refused before anything is read.
        const SourceFile file(path);
        if (Status regular = file.Regular(); !regular)
            return regular;
        if (Status within = PngMetadataWithinLimit(file.Descriptor(), false); !within)
            return within.About(path);
        // Camera RAW by its content, before libvips (see DecodePicture).
        if (RawFacts raw; ProbeRaw(path, file.Descriptor(), raw)) {
            PictureFacts facts;
            facts.width = raw.width;
            facts.height = raw.height;
            facts.format = "raw";
            facts.timeTaken = raw.timeTaken;
            return facts;
        }
        if (StartsLikeBmp(file.Descriptor())) {
            // The program's own reader reads it when it is converted.
            PictureFacts facts;
            if (!BmpSize(file.Descriptor(), facts.width, facts.height))
                return Status::Failed(path, kDamagedPicture, "its BMP header is cut short or has no size");
            facts.format = "bmp";
            return facts;
        }
        if (StartImaging())
            header = OpenHeader(path, file.Descriptor());
    }
    if (!header)
        return header.GetStatus();
    const vips::VImage& image = header.Value();
    int w = image.width();
    int h = image.height();
    // Orientations 5 to 8 turn the picture by a quarter.
    if (vips_image_get_orientation_swap(image.get_image()))
        std::swap(w, h);
    if (w <= 0 || h <= 0)
        return Status::Failed(path, words::translate("Reasons", "a picture without pixels"));
    PictureFacts facts;
    facts.width = w;
    facts.height = h;
    facts.format = FormatOf(image);
    facts.timeTaken = ExifTime(image, "exif-ifd2-DateTimeOriginal");
    if (facts.timeTaken == 0)
        facts.timeTaken = ExifTime(image, "exif-ifd2-DateTimeDigitized");
    if (facts.timeTaken == 0 && image.get_typeof("vips-loader") != 0 &&
        LoaderDropsCameraData(image.get_string("vips-loader")))
        facts.timeTaken = ExifTimeOfText(ReadCameraData(path).dateTaken.c_str());
    return facts;
}
