#include "imaging/RawDecode.h"

#include <omp.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include <vips/vips8>

#include <QtGlobal>

#include "imaging/ImagingMessages.h"
#include "imaging/RawExif.h"
#include "imaging/RawReader.h"
#include "imaging/SourceFile.h"
#include "imaging/SourcePipeline.h"
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

bool Covers(int32_t haveWidth, int32_t haveHeight, const PlanRect& picture) {
    return haveWidth >= picture.width && haveHeight >= picture.height;
}

// LibRaw tells the preview's kind (JPEG or bitmap) only once it is read.
bool HasPreview(const LibRaw& raw) {
    const libraw_thumbnail_t& thumb = raw.imgdata.thumbnail;
    return thumb.tlength > 0 && thumb.twidth > 0 && thumb.theight > 0;
}

// The ways to try, in order, for a picture of the plan's size (upright).
std::vector<Way> WaysFor(int32_t mode, const RawFacts& facts, bool hasPreview,
                         const PlanRect& picture) {
    if (mode == kRawPreview)
        return {Way::Preview};
    if (mode == kRawFull)
        return {Way::Full};
    std::vector<Way> ways;
    if (hasPreview && Covers(facts.previewWidth, facts.previewHeight, picture))
        ways.push_back(Way::Preview);
    if (Covers(facts.width / 2, facts.height / 2, picture))
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

// The embedded preview (unpacked) at width x height, upright. Its pixels
// stay in the reader, which must outlive the image; a JPEG is shrunk as it
// is decoded. Throws vips::VError.
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
        return Turned(quarter ? Resized(bitmap, height, width) : Resized(bitmap, width, height),
                      flip);
    }
    if (thumb.tformat != LIBRAW_THUMBNAIL_JPEG) {
        reason = RawErrorText(LIBRAW_UNSUPPORTED_THUMBNAIL);
        return {};
    }
    // The blob borrows the preview's bytes, which the reader keeps.
    using Blob = std::unique_ptr<VipsBlob, decltype([](VipsBlob* b) { vips_area_unref(VIPS_AREA(b)); })>;
    const Blob blob(vips_blob_new(nullptr, thumb.thumb, thumb.tlength));
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
    // An Adobe RGB preview is converted to sRGB like any tagged photo; an
    // untagged one is sRGB already and left alone.
    if (header.get_typeof(VIPS_META_ICC_NAME) != 0)
        options->set("export_profile", "srgb");
    const vips::VImage image =
        vips::VImage::thumbnail_buffer(blob.get(), turnHere ? height : width, options);
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
    else if (developed->type != LIBRAW_IMAGE_BITMAP || developed->colors != 3 ||
             developed->bits != 16)
        reason = RawErrorText(LIBRAW_NOT_IMPLEMENTED);
}

// The developed picture at width x height; its pixels stay in developed,
// which must outlive the image.
vips::VImage DevelopedImage(const libraw_processed_image_t& developed, int32_t width,
                            int32_t height) {
    vips::VImage rgb = vips::VImage::new_from_memory(
        const_cast<unsigned char*>(developed.data), developed.data_size, developed.width,
        developed.height, 3, VIPS_FORMAT_USHORT);
    rgb = rgb.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_RGB16));
    return Resized(rgb, width, height);
}

// One way of developing, tried: the picture, or the reason it failed.
Result<RgbPicture> TryWay(const std::string& path, RawReader& reader, Way way,
                          const OutputPlan& plan) {
    const PlanRect& size = plan.picture;
    ProcessedImage developed;
    std::string why;
    // LibRaw's long work runs outside the lock that libvips' pipelines are
    // built under.
    if (way == Way::Preview) {
        if (const int code = reader.Raw().unpack_thumb(); code != LIBRAW_SUCCESS)
            why = RawErrorText(code);
    } else {
        Develop(reader, way == Way::Half, developed, why);
    }
    if (!why.empty())
        return Status::Failed(path, why);
    const ImagingMessages messages;
    RgbPicture picture;
    vips::VImage image;
    try {
        {
            const auto lock = LockPipelines();
            image = way == Way::Preview ? PreviewImage(reader, size.width, size.height, why)
                                        : DevelopedImage(*developed, size.width, size.height);
            if (why.empty())
                image = PlacedOnOutput(ToRgb8(image), plan);
        }
        if (why.empty())
            CopyPixelsOut(image, picture);
    } catch (const vips::VError&) {
        why = messages.ErrorText();
    }
    {
        const auto lock = LockPipelines();
        image = vips::VImage();
    }
    if (!why.empty())
        return Status::Failed(path, why);
    picture.rawSource = SourceName(way);
    return picture;
}

}  // namespace

std::optional<Result<RgbPicture>> DecodeRaw(const std::string& path, int fd,
                                            const OutputPlan& plan, int32_t mode,
                                            bool withMetadata) {
    RawReader reader;
    if (reader.Open(path, fd) != LIBRAW_SUCCESS)
        return std::nullopt;
    if (!StartImaging())
        return Status::Failed(path, "the imaging library could not start");
    RawFacts facts;
    reader.Facts(facts);
    Status failure = Status::Failed(path, RawErrorText(LIBRAW_NOT_IMPLEMENTED));
    for (const Way way : WaysFor(mode, facts, HasPreview(reader.Raw()), plan.picture)) {
        Result<RgbPicture> tried = TryWay(path, reader, way, plan);
        if (!tried) {
            failure = tried.GetStatus();
            // A develop that failed would fail again at the other size.
            if (way == Way::Preview)
                continue;
            break;
        }
        RgbPicture& picture = tried.Value();
        if (way == Way::Preview && facts.rawDataCut)
            picture.rawNote = "the raw data is incomplete; the camera's preview was used";
        if (withMetadata)
            picture.metadata = RawCameraData(reader.Raw());
        return tried;
    }
    return failure;
}

std::string RawSourceWords(const std::string& source) {
    if (source == kRawFromPreview)
        return QT_TRANSLATE_NOOP("Reasons", "developed from the camera's preview");
    if (source == kRawFromHalf)
        return QT_TRANSLATE_NOOP("Reasons", "developed at half size");
    if (source == kRawFromFull)
        return QT_TRANSLATE_NOOP("Reasons", "developed in full");
    return {};
}

uint64_t RawDecodeBytes(const std::string& path, const OutputPlan& plan, int32_t mode) {
    const SourceFile file(path);
    if (!file.Regular())
        return 0;
    RawReader reader;
    if (reader.Open(path, file.Descriptor()) != LIBRAW_SUCCESS)
        return 0;
    RawFacts facts;
    reader.Facts(facts);
    const LibRaw& raw = reader.Raw();
    PlanRect picture = plan.picture;
    picture.width = std::max(picture.width, 1);
    picture.height = std::max(picture.height, 1);
    const Way way = WaysFor(mode, facts, HasPreview(raw), picture).front();
    const uint64_t object = sizeof(LibRaw);
    if (way == Way::Preview) {
        const libraw_thumbnail_t& thumb = raw.imgdata.thumbnail;
        return object + thumb.tlength + uint64_t(thumb.twidth) * thumb.theight * 3;
    }
    // The raw buffer (a sample per photosite, or four), LibRaw's working
    // image (four 16-bit channels), the developed 16-bit RGB picture.
    const libraw_image_sizes_t& sizes = raw.imgdata.sizes;
    const uint64_t photosites = uint64_t(sizes.raw_width) * sizes.raw_height;
    const uint64_t rawBuffer = photosites * 2 * (raw.imgdata.idata.filters ? 1 : 4);
    const uint64_t divisor = way == Way::Half ? 4 : 1;
    const uint64_t pixels = uint64_t(facts.width) * facts.height / divisor;
    return object + rawBuffer + pixels * 8 + pixels * 6;
}
