// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "imaging/ImagingMessages.h"

#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"
#include "platform/ShownFigures.h"
#include "platform/Words.h"

#include "run/ResultPreview.h"

#include <QDir>

#include <sys/types.h>
#include <unistd.h>

#include "model/OptionTables.h"
#include "platform/OutputFile.h"
#include "run/OutputChecks.h"
#include "run/OutputPicture.h"

namespace {

// Everything written to the descriptor so far.
Result<std::string> ReadBack(int fd) {
    const off_t size = ::lseek(fd, 0, SEEK_END);
    if (size <= 0)
        return Status::Failed({}, words::translate("Reasons", "the encoder wrote nothing"));
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (got <= 0)
            return Status::Failed(
                {}, words::translate("Reasons", "the preview file could not be read back"));
        done += std::size_t(got);
    }
    return bytes;
}

Words FormatText(const OutputFormatRow& row, const OutputPhotoFormat& format,
                 const std::optional<FileSizeFit>& fit) {
    const bool lossless = (row.settings & kUsesLossless) && format.bLossless;
    if ((row.settings & kUsesQuality) && !lossless && !(fit && fit->copied))
        return Words::Same(std::string(row.listText) + " " +
                           std::to_string(fit && fit->quality > 0 ? fit->quality
                                                                  : format.nCurrentJpegQuality));
    if (lossless)
        return words::translate("LocalFigures", "%1 lossless").Arg({Words::Same(row.listText)});
    return Words::Same(row.listText);
}

}  // namespace

std::string ResultPreview::Caption() const {
    std::string caption = std::to_string(width) + " x " + std::to_string(height) + " \u00b7 " +
                          format.english + " \u00b7 " + ByteSizeWords(bytes.size()).english;
    if (!fit)
        return caption;
    if (fit->copied)
        return caption + " \u00b7 the source fits: copied";
    if (fit->Downscaled())
        return caption + " \u00b7 fitted by reducing to " + std::to_string(fit->width) + " x " +
               std::to_string(fit->height);
    if (fit->quality > 0)
        return caption + " \u00b7 fitted: quality " + std::to_string(fit->quality);
    return caption;
}

QImage DecodeOutputBytes(const std::string& bytes, int maxWidth, int maxHeight) {
    if (bytes.empty())
        return {};
    if (StartImaging()) {
        const ImagingMessages dropped;  // Qt gets its turn below
        try {
            vips::VImage image = vips::VImage::new_from_buffer(bytes.data(), bytes.size(), "");
            if (maxWidth > 0 && maxHeight > 0)
                image = image.thumbnail_image(
                    maxWidth,
                    vips::VImage::option()->set("height", maxHeight)->set("size", VIPS_SIZE_DOWN));
            RgbPicture picture;
            CopyPixelsOut(ToRgb8(image), picture);
            QImage shown(picture.width, picture.height, QImage::Format_RGB888);
            for (int32_t y = 0; y < picture.height && !shown.isNull(); ++y)
                std::copy_n(picture.Pixel(0, y), picture.RowBytes(), shown.scanLine(y));
            if (!shown.isNull())
                return shown;
        } catch (const vips::VError&) {
        }
    }
    // libvips reads no BMP; Qt does.
    QImage shown = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                    static_cast<int>(bytes.size()));
    if (!shown.isNull() && maxWidth > 0 && maxHeight > 0 &&
        (shown.width() > maxWidth || shown.height() > maxHeight))
        shown = shown.scaled(maxWidth, maxHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return shown;
}

Result<ResultPreview> PreviewResult(const PhotoJob& job, const TextOverlay& overlay, int maxWidth,
                                    int maxHeight) {
    const OutputPlan& plan = job.plan;
    if (CheckOutputSize(plan.width, plan.height))
        return Status::Failed(
            job.source.path,
            words::translate("Reasons", "the output size %1 x %2 cannot be written")
                .Arg({std::to_string(plan.width), std::to_string(plan.height)}));
    const OutputFormatRow* row = OutputFormatFor(job.settings.nOuptputFormat, job.source.format);
    if (!row)
        return Status::Failed(job.source.path,
                              words::translate("Reasons", "unknown output photo format!"));
    if (row->maxSide > 0 && std::max(plan.width, plan.height) > row->maxSide)
        return Status::Failed(
            job.source.path,
            words::translate("Reasons", "the output is larger than %1 stores").Arg(row->listText));
    const bool copySource = SourceFitsAsItIs(job, *row, !overlay.text.empty());
    Result<RgbPicture> finished = FinishPicture(job, overlay, row, copySource);
    if (!finished)
        return finished.GetStatus();

    // The encoders write to a descriptor (TIFF adds to what it wrote), so the
    // preview's file is an unnamed one that is never linked.
    PendingOutput file;
    const std::string where =
        QDir::tempPath().toStdString() + "/quillmere-preview." + row->extension;
    if (Status created = file.Create(where); !created)
        return created;
    ResultPreview preview;
    const EncodeResult written =
        EncodeOutput(job, *row, copySource, finished.Value(), file, preview.fit);
    if (written.outcome != EncodeOutcome::Written) {
        // A reason the program words itself is the whole story; a library's
        // text is the detail behind the plain sentence.
        if (!written.shownReason.empty())
            return Status::Failed(job.source.path, Words{written.reason, written.shownReason});
        return Status::Failed(job.source.path,
                              words::translate("Reasons", "the output could not be made"),
                              written.reason);
    }
    Result<std::string> bytes = ReadBack(file.Descriptor());
    file.Discard();
    if (!bytes)
        return bytes.GetStatus().About(job.source.path);
    preview.bytes = std::move(bytes.Value());
    preview.format = FormatText(*row, job.settings, preview.fit);
    const QImage whole = DecodeOutputBytes(preview.bytes);
    if (whole.isNull())
        return Status::Failed(job.source.path,
                              words::translate("Reasons", "the output could not be read back"));
    preview.width = whole.width();
    preview.height = whole.height();
    preview.shown = (whole.width() > maxWidth || whole.height() > maxHeight)
                        ? whole.scaled(maxWidth, maxHeight, Qt::KeepAspectRatio,
                                       Qt::SmoothTransformation)
                        : whole;
    return preview;
}
