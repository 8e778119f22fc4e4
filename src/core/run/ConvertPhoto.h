#pragma once
// The conversion of one photo into one output file.

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "imaging/FitFileSize.h"
#include "model/PhotoJob.h"
#include "model/TextOverlay.h"
#include "platform/Prompter.h"
#include "run/OutputPicture.h"

enum class PhotoOutcome {
    Written,  // the output file is complete under the job's output path
    Skipped,  // the user answered No to replacing an existing file
    Failed,   // no file, no partial file
};

// What converting one photo came to, for the window and the command line to
// show.
struct [[nodiscard]] PhotoResult {
    PhotoResult() = default;
    PhotoResult(PhotoOutcome outcome, std::string message, std::string reason,
                std::optional<FileSizeFit> fit = {})
        : outcome(outcome), message(std::move(message)), reason(std::move(reason)), fit(fit) {}

    PhotoOutcome outcome = PhotoOutcome::Failed;
    std::string message;  // what went wrong, as the user was told it; empty when written
    std::string reason;   // why, in the decoder's or the system's words, when known
    // The reason as the user reads it, where the program words it itself
    // ("cannot reach 50 KB …" in German); empty: as reason.
    std::string shownReason{};
    // A written camera RAW: how it was developed ("preview", "half", "full"),
    // with message saying so and reason any remark (damaged raw data).
    std::string rawSource{};
    // What a written photo's byte limit came to; none without a limit.
    std::optional<FileSizeFit> fit{};
    bool replaced = false;  // written over a file that was there (the user agreed)

    // The message, and the reason in parentheses after it when known: in
    // English, as the log and the report keep it.
    std::string Told() const {
        return reason.empty() || message.empty() ? message + reason : message + " (" + reason + ")";
    }
    // The message, the reason and Told() as the user reads them (a library's
    // or the system's own text stays as it is).
    std::string ShownMessage() const;
    const std::string& ShownReason() const { return shownReason.empty() ? reason : shownReason; }
    std::string Shown() const {
        const std::string shown = ShownMessage();
        const std::string& why = ShownReason();
        return why.empty() || shown.empty() ? shown + why : shown + " (" + why + ")";
    }

    bool operator==(const PhotoResult&) const = default;
};

// Converts the job's source into its output path with its own settings and
// plan, the overlay drawn at its (already checked) position, in the format
// OutputFormatFor gives for the source's format. Asks before
// replacing an existing file, and again when a file appears under the name
// while the photo is converted; never leaves a partial output. An output
// larger than its format stores is refused before the source is read, and
// the camera data the record keeps is read with the decode. Failures are
// told through the prompter with the program's messages (caption: the
// source path; for a failed save, the output path) and the reason as the
// detail, except an output format no table row holds, which fails silently
// (the run has logged it). Safe to call from several threads at once for
// different output paths.
// decode, when given, makes the picture instead of a decode of the source
// (several outputs of one decode).
PhotoResult ConvertPhoto(const PhotoJob& job, const TextOverlay& overlay, Prompter& prompter);
PhotoResult ConvertPhotoFrom(const PhotoJob& job, const TextOverlay& overlay, Prompter& prompter,
                             const DecodedPictureSource& decode);
