#include "imaging/PictureResample.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "imaging/FrameFinish.h"
#include "imaging/ImagingMessages.h"
#include "imaging/RowsInProgress.h"
#include "imaging/SourcePipeline.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"

namespace {

// How many times fewer pixels the plan's picture has than the source.
double Reduction(const OutputPlan& plan, double sourcePixels) {
    return std::sqrt(std::max(1.0, sourcePixels) /
                     (double(plan.picture.width) * plan.picture.height));
}

// Fills a region of the view with the decode's rows once they are in.
int GenerateRows(VipsRegion* out, void*, void* rows, void*, gboolean*) {
    const VipsRect& r = out->valid;
    if (!static_cast<const RowsInProgress*>(rows)->CopyRows(
            r.left, r.top, r.width, r.height,
            reinterpret_cast<uint8_t*>(VIPS_REGION_ADDR(out, r.left, r.top)),
            VIPS_REGION_LSKIP(out))) {
        vips_error("quillmere", "%s", "the decode ended before the picture was whole");
        return -1;
    }
    return 0;
}

// A libvips view of the rows, read as ViewOf reads a whole picture.
vips::VImage ViewOfRows(const RowsInProgress& rows) {
    VipsImage* image = vips_image_new();
    vips_image_init_fields(image, rows.Width(), rows.Height(), 3, VIPS_FORMAT_UCHAR,
                           VIPS_CODING_NONE, VIPS_INTERPRETATION_sRGB, 1.0, 1.0);
    if (vips_image_pipelinev(image, VIPS_DEMAND_STYLE_THINSTRIP, nullptr) != 0 ||
        vips_image_generate(image, nullptr, GenerateRows, nullptr,
                            const_cast<RowsInProgress*>(&rows), nullptr) != 0) {
        g_object_unref(image);
        ThrowImagingFailure();
    }
    return vips::VImage(image);
}

// The plan's output from view, a whole picture of the decode; view is made
// under the pipelines' lock (and let go under it).
Result<RgbPicture> PictureFromView(const std::function<vips::VImage()>& view,
                                   const OutputPlan& plan, double sourcePixels) {
    auto fail = [](std::string why) { return Status::Failed("", std::move(why)); };
    if (!plan.IsDrawable())
        return fail("the picture lies outside the output");
    if (!StartImaging())
        return fail("the imaging library could not start");
    const int width = plan.picture.width;
    const int height = plan.picture.height;
    const ImagingMessages messages;
    RgbPicture picture;
    try {
        auto lock = LockPipelines();
        vips::VImage image;
        try {
            image = view();
            if (image.width() != width || image.height() != height) {
                image = image.resize(double(width) / image.width(),
                                     vips::VImage::option()
                                         ->set("vscale", double(height) / image.height())
                                         ->set("kernel", VIPS_KERNEL_LANCZOS3));
                if (image.width() != width || image.height() != height)
                    image = image.embed(0, 0, width, height,
                                        vips::VImage::option()->set("extend", VIPS_EXTEND_COPY));
            }
            image = FinishedOnOutput(image, plan, Reduction(plan, sourcePixels), lock);
            lock.unlock();
            CopyPixelsOut(image, picture);
            lock.lock();
            image = vips::VImage();
        } catch (...) {
            if (!lock.owns_lock())
                lock.lock();
            image = vips::VImage();
            throw;
        }
    } catch (const vips::VError&) {
        return fail(messages.ErrorText());
    }
    return picture;
}

}  // namespace

bool LaidOutAsDecoded(const OutputPlan& plan, int width, int height, double sourcePixels) {
    return plan.IsDrawable() && plan.IsStretched() && plan.picture.width == width &&
           plan.picture.height == height && !plan.attention &&
           !Sharpens(plan.sharpen, Reduction(plan, sourcePixels));
}

Result<RgbPicture> PictureFromDecoded(const RgbPicture& whole, const OutputPlan& plan,
                                      double sourcePixels) {
    if (!plan.IsDrawable())
        return Status::Failed("", "the picture lies outside the output");
    if (whole.width <= 0 || whole.height <= 0)
        return Status::Failed("", "no decoded picture");
    Result<RgbPicture> made = RgbPicture{};
    if (LaidOutAsDecoded(plan, whole.width, whole.height, sourcePixels)) {
        made.Value().width = whole.width;
        made.Value().height = whole.height;
        made.Value().pixels = whole.pixels;
    } else {
        made = PictureFromView([&] { return ViewOf(whole); }, plan, sourcePixels);
        if (!made)
            return made;
    }
    CarryDecodeFacts(whole, made.Value());
    return made;
}

void CarryDecodeFacts(const RgbPicture& whole, RgbPicture& picture) {
    picture.xResolution = whole.xResolution;
    picture.yResolution = whole.yResolution;
    picture.metadata = whole.metadata;
    picture.rawSource = whole.rawSource;
    picture.rawNote = whole.rawNote;
}

Result<RgbPicture> PictureFromDecoding(const RowsInProgress& rows, const OutputPlan& plan,
                                       double sourcePixels) {
    if (rows.Width() <= 0 || rows.Height() <= 0)
        return Status::Failed("", "no decoded picture");
    return PictureFromView([&] { return ViewOfRows(rows); }, plan, sourcePixels);
}
