#pragma once
// A source file opened as the libvips pipeline that resamples it.
// For the imaging layer's own files only.

#include <string>

#include <mutex>

#include <vips/vips8>

#include "model/OutputPlan.h"
#include "model/RgbPicture.h"

// The picture resampled to the plan's picture size, cut to the output where
// it reaches beyond and laid on the plan's background where it leaves the
// output bare: the plan.width x plan.height output.
vips::VImage PlacedOnOutput(vips::VImage picture, const OutputPlan& plan);

// The resampled picture sharpened by the plan (reduction: how far it was
// shrunk, linear), then cropped by attention when the plan asks and the
// picture covers the output, else placed on it (PlacedOnOutput). lock is the
// pipelines' lock, held on entry and on return; it is let go while the
// attention crop's picture is made.
vips::VImage FinishedOnOutput(vips::VImage picture, const OutputPlan& plan, double reduction,
                              std::unique_lock<std::mutex>& lock);

// The picture of the file at path, open at fd (kept open by the caller
// while the pipeline lives), as the plan lays it on the output:
// shrink-on-load where the loader can, then a lanczos-class resample of the
// whole picture to the plan's picture size, then cut to the output or laid
// on its background (size FORCE); or, with size DOWN, the whole picture
// resampled to fit within the plan's output size, never larger, and not
// placed. EXIF orientation applied, an embedded colour profile converted to
// sRGB, 8-bit RGB (ToRgb8). The file is read from the descriptor (a JPEG
// that lacks its end marker as if it had one), or by name where only a
// loader by name knows it. strict: a JPEG fails on anything libjpeg
// recovered from, other files on errors; else nothing fails that the
// loaders let pass. metadata, when given, receives the camera data (EXIF,
// XMP, IPTC) of the header the pipeline is planned from, so that the file
// is not opened again for it. keepAlpha (size FORCE, a plan without the
// attention crop): a source with alpha gives a fourth band, its opacity
// (opaque where the plan lays the background), and its colour as it is
// rather than laid on the background. Built under LockPipelines and let go
// under it as well, whichever way its scope ends. keepDeep (size FORCE, a
// plan without the attention crop, no keepAlpha): a source of 16-bit samples
// gives 16-bit RGB (RGB16) instead. Throws vips::VError.
class SourcePipeline {
public:
    SourcePipeline(const std::string& path, int fd, const OutputPlan& plan, VipsSize size,
                   bool strict, PictureMetadata* metadata = nullptr, bool keepAlpha = false,
                   bool keepDeep = false);
    ~SourcePipeline();
    SourcePipeline(const SourcePipeline&) = delete;
    SourcePipeline& operator=(const SourcePipeline&) = delete;

    const vips::VImage& Image() const { return image_; }
    // The source's resolution in pixels per millimetre, of the upright
    // picture (a quarter-turned photo's sides swapped).
    double XResolution() const { return xResolution_; }
    double YResolution() const { return yResolution_; }

private:
    vips::VImage image_;
    double xResolution_ = 0;
    double yResolution_ = 0;
};
