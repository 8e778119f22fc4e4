// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "imaging/BmpSource.h"
#include "imaging/ImagingMessages.h"
#include "imaging/OverlayText.h"
#include "imaging/SourceFile.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"

#include "imaging/WatermarkImage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QImage>
#include <QPainter>

#include "model/OptionTables.h"

namespace {

constexpr int kMaxRasterSide = 4096;
constexpr int kVectorSide = 2048;

vips::VImage Rgba8(vips::VImage image) {
    if (image.interpretation() != VIPS_INTERPRETATION_sRGB &&
        vips_colourspace_issupported(image.get_image()))
        image = image.colourspace(VIPS_INTERPRETATION_sRGB);
    if (image.format() == VIPS_FORMAT_USHORT)
        image = image >> 8;
    if (image.format() != VIPS_FORMAT_UCHAR)
        image = image.cast(VIPS_FORMAT_UCHAR);
    if (!image.has_alpha())
        image = image.bandjoin_const({255});
    if (image.bands() == 2)  // grey with alpha
        image = vips::VImage::bandjoin({image[0], image[0], image[0], image[1]});
    return image.extract_band(0, vips::VImage::option()->set("n", 4));
}

// Where the logo goes on a width x height picture, in its pixels.
QRect LogoRect(int width, int height, const ImageWatermark& watermark, const WatermarkLogo& logo) {
    const double shorter = std::min(width, height);
    const double longer = std::max(logo.width, logo.height);
    const double scale = shorter * std::clamp(watermark.sizePercent, 0.0, 100.0) / 100.0 / longer;
    const int w = std::max(1, static_cast<int>(std::lround(logo.width * scale)));
    const int h = std::max(1, static_cast<int>(std::lround(logo.height * scale)));
    const int margin = static_cast<int>(std::lround(shorter * watermark.marginPercent / 100.0));
    const TextAnchorRow& anchor = TextAnchorOf(watermark.anchor);
    auto place = [margin](int step, int room, int size) {
        return step == 0 ? margin : step == 1 ? (room - size) / 2 : room - size - margin;
    };
    return {place(anchor.column, width, w), place(anchor.row, height, h), w, h};
}

}  // namespace

Result<std::shared_ptr<const WatermarkLogo>> LoadWatermarkLogo(const std::string& path) {
    const SourceFile file(path);
    if (Status regular = file.Regular(); !regular)
        return regular;
    if (!StartImaging())
        return Status::Failed(path, "the imaging library could not start");
    const ImagingMessages messages;
    auto logo = std::make_shared<WatermarkLogo>();
    try {
        const std::string name = VipsPathWithOptions(path);
        const char* loader = vips_foreign_find_load(name.c_str());
        const bool vector = loader && std::strstr(loader, "svg") != nullptr;
        const int side = vector ? kVectorSide : kMaxRasterSide;
        vips::VImage image;
        {
            const auto lock = LockPipelines();
            auto options = vips::VImage::option()
                               ->set("height", side)
                               ->set("size", vector ? VIPS_SIZE_BOTH : VIPS_SIZE_DOWN);
            image = Rgba8(StartsLikeBmp(file.Descriptor())
                              ? BmpImage(path, file.Descriptor()).thumbnail_image(side, options)
                              : vips::VImage::thumbnail(name.c_str(), side, options));
        }
        RgbPicture pixels;  // four bands here
        CopyPixelsOut(image, pixels);
        logo->width = pixels.width;
        logo->height = pixels.height;
        logo->rgba = std::move(pixels.pixels);
        const auto lock = LockPipelines();
        image = vips::VImage();
    } catch (const vips::VError&) {
        return Status::Failed(path, messages.ErrorText());
    }
    return std::shared_ptr<const WatermarkLogo>(std::move(logo));
}

void PaintWatermark(QPainter& painter, int width, int height, const ImageWatermark& watermark) {
    const WatermarkLogo* logo = watermark.logo.get();
    if (!logo || watermark.path.empty() || watermark.opacity <= 0 || width <= 0 || height <= 0 ||
        logo->width <= 0 || logo->height <= 0)
        return;
    const QRect rect = LogoRect(width, height, watermark, *logo);
    const QImage source(logo->rgba.data(), logo->width, logo->height, logo->width * 4,
                        QImage::Format_RGBA8888);
    // Scaled by Qt's area-averaging filter, which a painter's own transform
    // lacks: a large logo drawn small would alias.
    const QImage scaled =
        source.convertToFormat(QImage::Format_ARGB32_Premultiplied)
            .scaled(rect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(std::min(watermark.opacity, 100) / 100.0);
    painter.drawImage(QRectF(rect), scaled);
    painter.restore();
}

void DrawWatermark(RgbPicture& picture, const ImageWatermark& watermark) {
    const WatermarkLogo* logo = watermark.logo.get();
    if (!logo || watermark.path.empty() || watermark.opacity <= 0 || logo->width <= 0 ||
        logo->height <= 0)
        return;
    // Only the part the logo covers is copied out and drawn on.
    PaintOnRegion(picture, LogoRect(picture.width, picture.height, watermark, *logo),
                  [&](QPainter& painter) {
                      PaintWatermark(painter, picture.width, picture.height, watermark);
                  });
}
