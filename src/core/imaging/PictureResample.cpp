#include "imaging/PictureResample.h"

#include <cmath>

#include "imaging/FrameFinish.h"
#include "imaging/ImagingMessages.h"
#include "imaging/SourcePipeline.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"

Result<RgbPicture> PictureFromDecoded(const RgbPicture& whole, const OutputPlan& plan,
                                      double sourcePixels) {
    auto fail = [](std::string why) { return Status::Failed("", std::move(why)); };
    if (!plan.IsDrawable())
        return fail("the picture lies outside the output");
    if (whole.width <= 0 || whole.height <= 0)
        return fail("no decoded picture");
    if (!StartImaging())
        return fail("the imaging library could not start");
    const int width = plan.picture.width;
    const int height = plan.picture.height;
    const ImagingMessages messages;
    RgbPicture picture;
    try {
        auto lock = LockPipelines();
        vips::VImage image = ViewOf(whole);
        try {
            if (image.width() != width || image.height() != height) {
                image = image.resize(double(width) / image.width(),
                                     vips::VImage::option()
                                         ->set("vscale", double(height) / image.height())
                                         ->set("kernel", VIPS_KERNEL_LANCZOS3));
                if (image.width() != width || image.height() != height)
                    image = image.embed(0, 0, width, height,
                                        vips::VImage::option()->set("extend", VIPS_EXTEND_COPY));
            }
            const double reduction =
                std::sqrt(std::max(1.0, sourcePixels) / (double(width) * height));
            image = FinishedOnOutput(image, plan, reduction, lock);
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
    picture.xResolution = whole.xResolution;
    picture.yResolution = whole.yResolution;
    picture.metadata = whole.metadata;
    picture.rawSource = whole.rawSource;
    picture.rawNote = whole.rawNote;
    return picture;
}
