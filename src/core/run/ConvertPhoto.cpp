#include "run/ConvertPhoto.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/OutputFile.h"
#include "model/OutputGeometry.h"
#include "run/OutputChecks.h"
#include "imaging/OverlayText.h"
#include "imaging/PictureDecode.h"
#include "imaging/RawDecode.h"
#include "imaging/RotateFlip.h"
#include "texts/LanguagePack.h"
#include "model/OptionTables.h"

namespace {

// Anything at the path counts, a dangling symbolic link included: it is
// what the new file would replace.
bool SomethingAt(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

std::string ReplaceQuestion(const std::string& path) {
    std::string text = GetText(IDS_FILE_EXISTS_REPLACE);
    const auto at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, path);
    return text;
}

std::string SizeText(const OutputPhotoFormat& format) {
    return std::to_string(format.nOutputWidth) + " x " + std::to_string(format.nOutputHeight);
}

class PhotoConversion {
public:
    PhotoConversion(const PhotoItem& photo, const TextOverlay& overlay, Prompter& prompter)
        : photo_(photo), format_(photo.m_outputPhotoFormat), overlay_(overlay), prompter_(prompter) {}

    PhotoResult Run();
    // The error box of a photo: the program's text, the source path as caption.
    PhotoResult Fail(int textId, const std::string& reason);

private:
    void Warn(int textId) { prompter_.Tell(GetText(textId), photo_.strSourcePath); }
    // The replace question for the output path; true on Yes.
    bool MayReplace();
    PhotoResult NotReplaced() const {
        return {PhotoOutcome::Skipped, "Not converted: the output file exists", photo_.strOutputPath};
    }

    const PhotoItem& photo_;
    const OutputPhotoFormat& format_;
    const TextOverlay& overlay_;
    Prompter& prompter_;
};

PhotoResult PhotoConversion::Fail(int textId, const std::string& reason) {
    const std::string text = GetText(textId);
    prompter_.Tell(text, photo_.strSourcePath, PromptIcon::None, reason);
    return {PhotoOutcome::Failed, text, reason};
}

bool PhotoConversion::MayReplace() {
    return prompter_.Ask(ReplaceQuestion(photo_.strOutputPath), GetText(IDS_WARNING),
                         PromptButtons::YesNo, PromptIcon::Exclamation) == PromptAnswer::Yes;
}

PhotoResult PhotoConversion::Run() {
    const std::string& outputPath = photo_.strOutputPath;

    // The old file stays until the new one replaces it whole.
    const bool replaceAgreed = SomethingAt(outputPath);
    if (replaceAgreed && !MayReplace())
        return NotReplaced();

    if (const int invalid = CheckOutputSize(format_))
        return Fail(invalid, "output size " + SizeText(format_));
    const OutputFormatRow* row = OutputFormatFor(format_.nOuptputFormat, photo_.strSourceFormat);
    if (row && row->maxSide > 0 &&
        std::max(format_.nOutputWidth, format_.nOutputHeight) > row->maxSide)
        return Fail(IDS_CONVERT_FAILED, "an output of " + SizeText(format_) + " pixels is larger than " +
                                            row->listText + " stores (" + std::to_string(row->maxSide) +
                                            " pixels a side)");

    // The file as it is now, whatever size it had when it was added.
    RgbPicture picture;
    std::string reason;
    const bool withMetadata =
        row && (row->settings & kUsesMetadata) && KeepsMetadata(format_.nMetadata);
    if (!DecodePictureToSize(photo_.strSourcePath, format_.nOutputWidth, format_.nOutputHeight,
                             picture, &reason, withMetadata, format_.nRawDevelop))
        return Fail(IDS_CONVERT_FAILED, reason);

    DrawOverlayText(picture, overlay_);

    // The encoder turns and flips the picture as it reads it.
    if (!RotateFlipTypeOf(format_.nRotateAngel, format_.nFlipType).angleKnown)
        Warn(IDS_UNKNOWN_ROTATE_ANGLE);

    if (!row)
        return {PhotoOutcome::Failed, "unknown output photo format!",
                "format " + std::to_string(format_.nOuptputFormat)};

    PendingOutput file;
    EncodeResult written{EncodeOutcome::NotSaved, {}};
    if (file.Create(outputPath, &written.reason))
        written = row->encode(picture, format_, file);
    if (written.outcome == EncodeOutcome::Written) {
        CommitOutcome placed = file.Commit(replaceAgreed, &written.reason);
        // A file that appeared under the name since the question (another
        // run into the same folder) is never replaced unasked.
        if (placed == CommitOutcome::Exists) {
            if (!MayReplace())
                return NotReplaced();
            placed = file.Commit(true, &written.reason);
        }
        if (placed != CommitOutcome::Done)
            written.outcome = EncodeOutcome::NotSaved;
    }
    switch (written.outcome) {
    case EncodeOutcome::Written:
        return {PhotoOutcome::Written, RawSourceWords(picture.rawSource), picture.rawNote,
                picture.rawSource};
    case EncodeOutcome::NotConverted:
        return Fail(IDS_CONVERT_FAILED, written.reason);
    case EncodeOutcome::NotSaved:
        break;
    }
    const std::string text = GetText(IDS_SAVE_FAILED);
    prompter_.Tell(text, outputPath, PromptIcon::None, written.reason);
    return {PhotoOutcome::Failed, text, outputPath + ": " + written.reason};
}

}  // namespace

PhotoResult ConvertPhoto(const PhotoItem& photo, const TextOverlay& overlay, Prompter& prompter) {
    PhotoConversion conversion(photo, overlay, prompter);
    try {
        return conversion.Run();
    } catch (const std::bad_alloc&) {
        // A picture too large for the memory left fails alone; the run goes on.
        return conversion.Fail(IDS_CONVERT_FAILED, "out of memory");
    }
}
