#include "imaging/RawDecode.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include <omp.h>
#include <vips/vips8>

#include "imaging/RawExif.h"
#include "imaging/RawReader.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"
#include "model/RawDevelop.h"

namespace {

enum class Way { Preview, Half, Full };

const char* SourceName(Way way) {
    switch (way) {
    case Way::Preview: return kRawFromPreview;
    case Way::Half: return kRawFromHalf;
    case Way::Full: return kRawFromFull;
    }
    return kRawFromFull;
}

bool Covers(int32_t haveWidth, int32_t haveHeight, int32_t width, int32_t height) {
    return haveWidth >= width && haveHeight >= height;
}

// LibRaw tells the preview's kind (JPEG or bitmap) only once it is read.
bool HasPreview(const LibRaw& raw) {
    const libraw_thumbnail_t& thumb = raw.imgdata.thumbnail;
    return thumb.tlength > 0 && thumb.twidth > 0 && thumb.theight > 0;
}

// The ways to try, in order, for an output of width x height (upright).
std::vector<Way> WaysFor(int32_t mode, const RawFacts& facts, bool previewReadable, int32_t width,
                         int32_t height) {
    if (mode == kRawPreview)
        return {Way::Preview};
    if (mode == kRawFull)
        return {Way::Full};
    std::vector<Way> ways;
    if (previewReadable && Covers(facts.previewWidth, facts.previewHeight, width, height))
        ways.push_back(Way::Preview);
    if (Covers(facts.width / 2, facts.height / 2, width, height))
        ways.push_back(Way::Half);
    ways.push_back(Way::Full);
    return ways;
}

// The file's flip (0, 3, 5 or 6 as LibRaw gives it) applied to image.
vips::VImage Turned(const vips::VImage& image, int flip) {
    switch (flip) {
    case 3: return image.rot(VIPS_ANGLE_D180);
    case 5: return image.rot(VIPS_ANGLE_D270);
    case 6: return image.rot(VIPS_ANGLE_D90);
    default: return image;
    }
}

vips::VImage Resized(const vips::VImage& image, int32_t width, int32_t height) {
    return image.thumbnail_image(width, vips::VImage::option()
                                            ->set("height", height)
                                            ->set("size", VIPS_SIZE_FORCE)
                                            ->set("no_rotate", true));
}

// The embedded preview (unpacked) at width x height, upright. Its pixels stay in the
// reader, which must outlive the image. Throws vips::VError.
vips::VImage PreviewImage(RawReader& reader, int32_t width, int32_t height, std::string& reason) {
    LibRaw& raw = reader.Raw();
    const libraw_thumbnail_t& thumb = raw.imgdata.thumbnail;
    const int flip = raw.imgdata.sizes.flip;
    const bool quarter = reader.QuarterTurned();
    if (thumb.tformat == LIBRAW_THUMBNAIL_BITMAP) {
        if (thumb.tcolors != 3 || uint64_t(thumb.twidth) * thumb.theight * 3 > thumb.tlength) {
            reason = RawErrorText(LIBRAW_UNSUPPORTED_THUMBNAIL);
            return {};
        }
        const vips::VImage bitmap = vips::VImage::new_from_memory(
            thumb.thumb, thumb.tlength, thumb.twidth, thumb.theight, 3, VIPS_FORMAT_UCHAR);
        return Turned(quarter ? Resized(bitmap, height, width) : Resized(bitmap, width, height), flip);
    }
    if (thumb.tformat != LIBRAW_THUMBNAIL_JPEG) {
        reason = RawErrorText(LIBRAW_UNSUPPORTED_THUMBNAIL);
        return {};
    }
    // A preview turned by its own EXIF is turned by libvips as it loads;
    // one without is as the sensor lies, and the file's flip turns it.
    const vips::VImage header = vips::VImage::new_from_buffer(
        thumb.thumb, thumb.tlength, "", vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
    const bool ownOrientation = header.get_typeof(VIPS_META_ORIENTATION) != 0;
    const bool turnHere = !ownOrientation && quarter;
    auto options = vips::VImage::option()
                       ->set("height", turnHere ? width : height)
                       ->set("size", VIPS_SIZE_FORCE)
                       ->set("option_string", "fail_on=warning");
    // An Adobe RGB preview is converted to sRGB like any tagged photo.
    if (header.get_typeof(VIPS_META_ICC_NAME) != 0)
        options->set("export_profile", "srgb");
    // The blob borrows the preview's bytes, which the reader keeps.
    VipsBlob* blob = vips_blob_new(nullptr, thumb.thumb, thumb.tlength);
    vips::VImage image;
    try {
        image = vips::VImage::thumbnail_buffer(blob, turnHere ? height : width, options);
    } catch (...) {
        vips_area_unref(VIPS_AREA(blob));
        throw;
    }
    vips_area_unref(VIPS_AREA(blob));
    return ownOrientation ? image : Turned(image, flip);
}

// Camera white balance, sRGB with its transfer curve, neither automatic
// brightening nor an automatic maximum: one look across a shoot.
void SetDevelopParams(libraw_output_params_t& params, bool half) {
    params.use_camera_wb = 1;
    params.use_auto_wb = 0;
    params.output_color = 1;  // sRGB
    params.gamm[0] = 1 / 2.4;
    params.gamm[1] = 12.92;
    params.no_auto_bright = 1;
    params.adjust_maximum_thr = 0;
    params.output_bps = 16;
    params.half_size = half ? 1 : 0;
    params.user_flip = -1;  // the file's own
}

struct ProcessedImageRelease {
    void operator()(libraw_processed_image_t* image) const { LibRaw::dcraw_clear_mem(image); }
};
using ProcessedImage = std::unique_ptr<libraw_processed_image_t, ProcessedImageRelease>;

// The sensor developed at full or half size, upright, 16-bit, into
// developed; the reason when it cannot be. LibRaw carries on over missing
// or damaged raw data, so its reports are checked at every step.
void Develop(RawReader& reader, bool half, ProcessedImage& developed, std::string& reason) {
    if (reader.RawDataCut()) {
        reason = "the raw data is incomplete";
        return;
    }
    LibRaw& raw = reader.Raw();
    SetDevelopParams(raw.imgdata.params, half);
    // LibRaw's demosaic runs on OpenMP threads of the calling thread's
    // count: the photo's share of the machine, as libvips has it, so that
    // photos developed at once do not fight over the cores.
    omp_set_num_threads(std::max(1, ImagingThreads()));
    int code = raw.unpack();
    if (code == LIBRAW_SUCCESS && reader.DataProblem().empty())
        code = raw.dcraw_process();
    if (code == LIBRAW_SUCCESS && reader.DataProblem().empty())
        developed.reset(raw.dcraw_make_mem_image(&code));
    if (!reader.DataProblem().empty())
        reason = reader.DataProblem();
    else if (code != LIBRAW_SUCCESS || !developed)
        reason = RawErrorText(code != LIBRAW_SUCCESS ? code : LIBRAW_UNSUFFICIENT_MEMORY);
    else if (developed->type != LIBRAW_IMAGE_BITMAP || developed->colors != 3 || developed->bits != 16)
        reason = RawErrorText(LIBRAW_NOT_IMPLEMENTED);
}

// The developed picture at width x height; its pixels stay in developed,
// which must outlive the image.
vips::VImage DevelopedImage(const libraw_processed_image_t& developed, int32_t width, int32_t height) {
    vips::VImage rgb = vips::VImage::new_from_memory(
        const_cast<unsigned char*>(developed.data), developed.data_size, developed.width,
        developed.height, 3, VIPS_FORMAT_USHORT);
    rgb = rgb.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_RGB16));
    return Resized(rgb, width, height);
}

}  // namespace

RawDecodeOutcome DecodeRawToSize(const std::string& path, int32_t width, int32_t height,
                                 int32_t mode, RgbPicture& picture, std::string* reason,
                                 bool withMetadata) {
    RawReader reader;
    if (reader.Open(path) != LIBRAW_SUCCESS)
        return RawDecodeOutcome::NotRaw;
    auto fail = [&](std::string why) {
        picture.pixels.clear();
        if (reason)
            *reason = std::move(why);
        return RawDecodeOutcome::Failed;
    };
    if (!StartImaging())
        return fail("the imaging library could not start");
    RawFacts facts;
    reader.Facts(facts);
    std::string why;
    for (const Way way : WaysFor(mode, facts, HasPreview(reader.Raw()), width, height)) {
        ProcessedImage developed;
        vips::VImage image;
        why.clear();
        // LibRaw's long work runs outside the lock that libvips' pipelines
        // are built under.
        if (way == Way::Preview) {
            if (const int code = reader.Raw().unpack_thumb(); code != LIBRAW_SUCCESS)
                why = RawErrorText(code);
        } else {
            Develop(reader, way == Way::Half, developed, why);
        }
        try {
            if (why.empty()) {
                const auto lock = LockPipelines();
                image = way == Way::Preview ? PreviewImage(reader, width, height, why)
                                            : DevelopedImage(*developed, width, height);
                if (why.empty())
                    image = ToRgb8(image);
            }
            if (why.empty())
                CopyPixelsOut(image, picture);
        } catch (const vips::VError& error) {
            why = TakeVipsError(error);
        }
        {
            const auto lock = LockPipelines();
            image = vips::VImage();
        }
        // A develop that failed would fail again at the other size.
        if (!why.empty() && way == Way::Preview)
            continue;
        if (!why.empty())
            break;
        picture.rawSource = SourceName(way);
        picture.rawNote.clear();
        if (way == Way::Preview && facts.rawDataCut)
            picture.rawNote = "the raw data is incomplete; the camera's preview was used";
        if (withMetadata)
            picture.metadata = RawCameraData(reader.Raw());
        return RawDecodeOutcome::Developed;
    }
    return fail(why);
}

std::string RawSourceWords(const std::string& source) {
    if (source == kRawFromPreview)
        return "developed from the camera's preview";
    if (source == kRawFromHalf)
        return "developed at half size";
    if (source == kRawFromFull)
        return "developed in full";
    return {};
}

uint64_t RawDecodeBytes(const std::string& path, int32_t width, int32_t height, int32_t mode) {
    RawReader reader;
    if (reader.Open(path) != LIBRAW_SUCCESS)
        return 0;
    RawFacts facts;
    reader.Facts(facts);
    const LibRaw& raw = reader.Raw();
    const libraw_image_sizes_t& sizes = raw.imgdata.sizes;
    const Way way = WaysFor(mode, facts, HasPreview(raw), std::max(width, 1), std::max(height, 1))
                        .front();
    const uint64_t object = sizeof(LibRaw);
    if (way == Way::Preview) {
        const libraw_thumbnail_t& thumb = raw.imgdata.thumbnail;
        return object + thumb.tlength + uint64_t(thumb.twidth) * thumb.theight * 3;
    }
    // The raw buffer (a sample per photosite, or four), LibRaw's working
    // image (four 16-bit channels), the developed 16-bit RGB picture.
    const uint64_t photosites = uint64_t(sizes.raw_width) * sizes.raw_height;
    const uint64_t rawBuffer = photosites * 2 * (raw.imgdata.idata.filters ? 1 : 4);
    const uint64_t divisor = way == Way::Half ? 4 : 1;
    const uint64_t pixels = uint64_t(facts.width) * facts.height / divisor;
    return object + rawBuffer + pixels * 8 + pixels * 6;
}
