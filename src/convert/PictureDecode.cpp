#include "convert/PictureDecode.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "convert/JpegEndSource.h"
#include "convert/PngChunkLimit.h"
#include "convert/VipsPixels.h"
#include "convert/VipsSession.h"

namespace {

// Larger surfaces would take the machine's memory rather than fail cleanly.
constexpr uint64_t kMaxPictureBytes = uint64_t{1} << 30;

struct SourceFacts {
    bool hasProfile = false;
    double xResolution = 0;
    double yResolution = 0;
};

// What the conversion must know before the decode: read from the header.
SourceFacts ReadSourceFacts(const std::string& path) {
    vips::VImage header =
        vips::VImage::new_from_file(VipsPathWithOptions(path).c_str(),
                                    vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
    SourceFacts facts;
    facts.hasProfile = header.get_typeof(VIPS_META_ICC_NAME) != 0;
    facts.xResolution = header.xres();
    facts.yResolution = header.yres();
    if (vips_image_get_orientation_swap(header.get_image()))
        std::swap(facts.xResolution, facts.yResolution);
    return facts;
}

// libjpeg calls what it recovered from "warnings": the rows a file lacks
// come out grey. Any of them refuses a JPEG; other loaders call only real
// damage an error (libpng warns about harmless things).
VipsFailOn FailOn(bool jpeg) {
    return jpeg ? VIPS_FAIL_ON_WARNING : VIPS_FAIL_ON_ERROR;
}

std::string FailOnOption(bool jpeg) {
    return std::string("fail_on=") + vips_enum_nick(VIPS_TYPE_FAIL_ON, FailOn(jpeg));
}

bool IsJpeg(int fd) {
    unsigned char start[3];
    return pread(fd, start, sizeof start, 0) == ssize_t{sizeof start} && start[0] == 0xFF &&
           start[1] == 0xD8 && start[2] == 0xFF;
}

// libvips 8.14's JPEG loader tells what libjpeg recovered from only as a
// warning when the loader ends ("read gave N warnings", then libjpeg's
// words): damage in the last rows is reported no other way.
std::string RecoveredJpegDamage(const std::vector<std::string>& warnings) {
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        if (warnings[i].rfind("read gave ", 0) != 0)
            continue;
        const std::string words = i + 1 < warnings.size() ? warnings[i + 1] : std::string();
        const std::string line = words.substr(0, words.find('\n'));
        return line.empty() ? warnings[i] : line;
    }
    return {};
}

// libvips' words for a failed decode, and the decoder's own where it gave
// them only as warnings (libpng's "Not enough image data" behind libvips'
// "libpng read error"); libvips' notices of the tiles it gave up are left out.
std::string WithDecoderWords(std::string reason, const std::vector<std::string>& warnings) {
    for (const std::string& warning : warnings) {
        const std::string line = warning.substr(0, warning.find('\n'));
        if (!line.empty() && line.rfind("error in tile", 0) != 0 &&
            reason.find(line) == std::string::npos)
            reason += "; " + line;
    }
    return reason;
}

// The picture at the exact size; every libvips object of the pipeline has
// ended when it returns, so that the loader's last warnings are given.
// Throws vips::VError.
void DecodeInto(const std::string& path, int fd, bool jpeg, int32_t width, int32_t height,
                RgbPicture& picture) {
    const SourceFacts facts = ReadSourceFacts(path);
    auto options = vips::VImage::option()->set("height", height)->set("size", VIPS_SIZE_FORCE);
    // Converting a profile-less picture "from sRGB to sRGB" would only cost
    // time and shift colours.
    if (facts.hasProfile)
        options->set("export_profile", "srgb");
    vips::VImage image;
    if (jpeg && JpegLacksEndMarker(fd)) {
        // Loaders given a source take their checks as an option string.
        options->set("option_string", FailOnOption(true).c_str());
        image = vips::VImage::thumbnail_source(SourceWithEndMarker(fd), width, options);
    } else {
        options->set("fail_on", FailOn(jpeg));
        image = vips::VImage::thumbnail(VipsPathWithOptions(path).c_str(), width, options);
    }
    image = ToRgb8(image);
    if (image.width() != width || image.height() != height)
        image = image.embed(0, 0, width, height,
                            vips::VImage::option()->set("extend", VIPS_EXTEND_COPY));
    CopyPixelsOut(image, picture);
    picture.xResolution = facts.xResolution;
    picture.yResolution = facts.yResolution;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

bool DecodePictureToSize(const std::string& path, int32_t width, int32_t height,
                         RgbPicture& picture, std::string* reason) {
    auto fail = [&](std::string why) {
        picture.pixels.clear();
        if (reason)
            *reason = std::move(why);
        return false;
    };
    if (width <= 0 || height <= 0)
        return fail("no output size");
    if (uint64_t(width) * uint64_t(height) * 3 > kMaxPictureBytes)
        return fail("an output of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels is larger than the program works with");
    // Non-blocking, so that a FIFO is refused instead of waited on.
    const FileDescriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || fstat(fd.get(), &st) != 0)
        return fail(std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return fail("not a regular file");
    std::string tooMuch;
    if (!PngMetadataWithinLimit(fd.get(), true, &tooMuch))
        return fail(tooMuch);
    if (!StartImaging())
        return fail("the imaging library could not start");
    const bool jpeg = IsJpeg(fd.get());
    const ImagingWarnings warnings;
    try {
        DecodeInto(path, fd.get(), jpeg, width, height, picture);
    } catch (const vips::VError& error) {
        return fail(WithDecoderWords(TakeVipsError(error), warnings.Messages()));
    }
    if (jpeg) {
        std::string damage = RecoveredJpegDamage(warnings.Messages());
        if (!damage.empty())
            return fail(std::move(damage));
    }
    return true;
}
