#pragma once
// The result preview: one photo converted with its own settings through the
// run's own steps (OutputPicture), its file made in memory's stead in an
// unnamed temporary file that is never put in place, then read back. What
// the window shows is that file decoded, so crop, size, rotation, overlay
// and quality all show as they will be written, and its size is the size
// the run writes.

#include <QImage>

#include <cstdint>
#include <optional>
#include <string>

#include "imaging/FitFileSize.h"
#include "model/PhotoJob.h"
#include "model/TextOverlay.h"
#include "platform/Status.h"

struct ResultPreview {
    std::string bytes;   // the whole output file
    int32_t width = 0;   // the output's pixel size, upright as written
    int32_t height = 0;
    Words format;        // "WebP 82", "PNG", "JPG 71", "WebP lossless"
    std::optional<FileSizeFit> fit;  // what the byte limit came to
    QImage shown;        // the output decoded, fitted within the asked size

    // "1080 x 810 · WebP 82 · 184 KB", and what a byte limit came to:
    // "fitted: quality 71", "fitted by reducing to 1600 x 1067".
    std::string Caption() const;
};

// The job's output as the run would write it (the job's outputPath is not
// used), shown fitted within maxWidth x maxHeight (never enlarged); a
// failure with the reason the run would give. Asks nothing. Thread-safe.
Result<ResultPreview> PreviewResult(const PhotoJob& job, const TextOverlay& overlay,
                                    int maxWidth, int maxHeight);

// The encoded file decoded whole (for the larger view); null when neither
// libvips nor Qt reads it. Thread-safe.
QImage DecodeOutputBytes(const std::string& bytes, int maxWidth = 0, int maxHeight = 0);
