#include "run/ConvertPhoto.h"

#include <sys/stat.h>

#include <algorithm>

#include <QtGlobal>

#include "imaging/RawDecode.h"
#include "imaging/RotateFlip.h"
#include "model/OptionTables.h"
#include "model/OutputGeometry.h"
#include "platform/OutputFile.h"
#include "platform/ShownFigures.h"
#include "platform/Words.h"
#include "run/OutputChecks.h"
#include "run/OutputPicture.h"
#include "texts/LanguagePack.h"

std::string PhotoResult::ShownMessage() const {
    // Every message is a text of the language pack or one marked in "Reasons".
    const std::string fromPack = words::Shown("LanguagePack", message);
    return fromPack != message ? fromPack : words::Shown("Reasons", message);
}

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

class PhotoConversion {
public:
    PhotoConversion(const PhotoJob& job, const TextOverlay& overlay, Prompter& prompter,
                    const DecodedPictureSource* decode = nullptr)
        : job_(job), format_(job.settings), overlay_(overlay), prompter_(prompter), decode_(decode) {}

    PhotoResult Run();
    // The error box of a photo: the program's text, the source path as caption.
    PhotoResult Fail(int textId, const std::string& reason) {
        return Fail(textId, Words::Same(reason));
    }
    // The same with a reason the program words itself.
    PhotoResult Fail(int textId, const Words& reason);

private:
    void Warn(int textId) { prompter_.Tell(GetText(textId), job_.source.path); }
    // The replace question for the output path; true on Yes.
    bool MayReplace();
    PhotoResult NotReplaced() const {
        return {PhotoOutcome::Skipped,
                QT_TRANSLATE_NOOP("Reasons", "Not converted: the output file exists"),
                job_.outputPath};
    }

    const PhotoJob& job_;
    const OutputPhotoFormat& format_;
    const TextOverlay& overlay_;
    Prompter& prompter_;
    const DecodedPictureSource* decode_;
};

PhotoResult PhotoConversion::Fail(int textId, const Words& reason) {
    // The box in the user's language, the result (the log's, the report's) in English.
    prompter_.Tell(GetText(textId), job_.source.path, PromptIcon::None, reason.shown);
    PhotoResult failed(PhotoOutcome::Failed, EnglishText(textId), reason.english);
    if (reason.shown != reason.english)
        failed.shownReason = reason.shown;
    return failed;
}

bool PhotoConversion::MayReplace() {
    return prompter_.Ask(ReplaceQuestion(job_.outputPath), GetText(IDS_WARNING),
                         PromptButtons::YesNoAll, PromptIcon::Exclamation) == PromptAnswer::Yes;
}

PhotoResult PhotoConversion::Run() {
    const std::string& outputPath = job_.outputPath;

    // The old file stays until the new one replaces it whole.
    const bool replaceAgreed = SomethingAt(outputPath);
    if (replaceAgreed && !MayReplace())
        return NotReplaced();

    const OutputPlan& plan = job_.plan;
    if (const int invalid = CheckOutputSize(plan.width, plan.height))
        return Fail(invalid, words::translate("Reasons", "output size %1")
                                 .Arg({PixelSizeWords(plan.width, plan.height)}));
    const OutputFormatRow* row = OutputFormatFor(format_.nOuptputFormat, job_.source.format);
    if (row && row->maxSide > 0 && std::max(plan.width, plan.height) > row->maxSide)
        return Fail(IDS_CONVERT_FAILED,
                    words::translate("Reasons",
                                     "an output of %1 pixels is larger than %2 stores (%3 pixels "
                                     "a side)")
                        .Arg({PixelSizeWords(plan.width, plan.height), Words::Same(row->listText),
                              Words::Same(std::to_string(row->maxSide))}));

    // A source that already meets the byte limit and would come out unchanged
    // is copied as it is, without being decoded.
    const bool copySource = row && SourceFitsAsItIs(job_, *row, !overlay_.text.empty());
    Result<RgbPicture> finished = FinishPicture(job_, overlay_, row, copySource, decode_);
    if (!finished)
        return Fail(IDS_CONVERT_FAILED, finished.GetStatus().Reason());
    RgbPicture& picture = finished.Value();

    // The encoder turns and flips the picture as it reads it.
    if (!RotateFlipTypeOf(format_.nRotateAngel, format_.nFlipType).angleKnown)
        Warn(IDS_UNKNOWN_ROTATE_ANGLE);

    if (!row)
        return {PhotoOutcome::Failed, QT_TRANSLATE_NOOP("Reasons", "unknown output photo format!"),
                "format " + std::to_string(format_.nOuptputFormat)};

    PendingOutput file;
    EncodeResult written{EncodeOutcome::NotSaved, {}};
    std::optional<FileSizeFit> fit;
    if (Status created = file.Create(outputPath); !created)
        written.reason = created.Reason();
    else
        written = EncodeOutput(job_, *row, copySource, picture, file, fit);
    bool replaced = replaceAgreed;
    if (written.outcome == EncodeOutcome::Written) {
        Result<CommitOutcome> placed = file.Commit(replaceAgreed);
        // A file that appeared under the name since the question (another
        // run into the same folder) is never replaced unasked.
        if (placed && placed.Value() == CommitOutcome::Exists) {
            if (!MayReplace())
                return NotReplaced();
            placed = file.Commit(true);
            replaced = true;
        }
        if (!placed)
            written = {EncodeOutcome::NotSaved, placed.GetStatus().Reason()};
    }
    switch (written.outcome) {
        case EncodeOutcome::Written: {
            PhotoResult result(PhotoOutcome::Written, RawSourceWords(picture.rawSource),
                               picture.rawNote, fit);
            result.rawSource = picture.rawSource;
            result.replaced = replaced;
            return result;
        }
        case EncodeOutcome::NotConverted:
            return Fail(IDS_CONVERT_FAILED, Words{written.reason, written.ShownReason()});
        case EncodeOutcome::NotSaved: break;
    }
    prompter_.Tell(GetText(IDS_SAVE_FAILED), outputPath, PromptIcon::None, written.reason);
    return {PhotoOutcome::Failed, EnglishText(IDS_SAVE_FAILED), outputPath + ": " + written.reason};
}

}  // namespace

namespace {

PhotoResult Convert(const PhotoJob& job, const TextOverlay& overlay, Prompter& prompter,
                    const DecodedPictureSource* decode) {
    PhotoConversion conversion(job, overlay, prompter, decode);
    try {
        return conversion.Run();
    } catch (const std::bad_alloc&) {
        // A picture too large for the memory left fails alone; the run goes on.
        return conversion.Fail(IDS_CONVERT_FAILED, "out of memory");
    }
}

}  // namespace

PhotoResult ConvertPhoto(const PhotoJob& job, const TextOverlay& overlay, Prompter& prompter) {
    return Convert(job, overlay, prompter, nullptr);
}

PhotoResult ConvertPhotoFrom(const PhotoJob& job, const TextOverlay& overlay, Prompter& prompter,
                             const DecodedPictureSource& decode) {
    return Convert(job, overlay, prompter, &decode);
}
