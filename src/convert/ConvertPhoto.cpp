#include "convert/ConvertPhoto.h"

#include <sys/stat.h>

#include "convert/BmpOutput.h"
#include "convert/OutputFile.h"
#include "convert/OutputGeometry.h"
#include "convert/OverlayText.h"
#include "convert/PictureDecode.h"
#include "convert/PictureEncode.h"
#include "convert/RotateFlip.h"
#include "lang/LanguagePack.h"
#include "options/OutputPhotoFormat.h"

namespace {

void ErrorBox(Prompter& prompter, int id) {
    prompter.Tell(GetText(id), GetText(IDS_ERROR));
}

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

enum class WriteResult { Written, NotConverted, NotSaved };

// Writes the finished picture in the photo's format into the pending file.
WriteResult EncodeInto(const RgbPicture& picture, const OutputPhotoFormat& format,
                       PendingOutput& file) {
    bool ok = false;
    switch (format.nOuptputFormat) {
        case kFormatJpg:
            ok = EncodeJpeg(picture, file.Descriptor(), format.nCurrentJpegQuality);
            break;
        case kFormatPng: ok = EncodePng(picture, file.Descriptor()); break;
        case kFormatTif: ok = EncodeTiff(picture, file.Descriptor()); break;
        case kFormatBmp: {
            // The engine writes by name.
            file.CloseDescriptor();
            const BmpResult result =
                IsIndexedChoice(format.iComboPixelFormat)
                    ? WriteIndexedBmp(picture, format.iComboPixelFormat, file.TemporaryPath())
                    : WriteBmp24(picture, file.TemporaryPath());
            if (result == BmpResult::NoBitmap)
                return WriteResult::NotConverted;
            ok = result == BmpResult::Written;
            break;
        }
        default: break;
    }
    return ok ? WriteResult::Written : WriteResult::NotSaved;
}

bool KnownFormat(int32_t format) {
    return format == kFormatBmp || format == kFormatJpg || format == kFormatPng ||
           format == kFormatTif;
}

PhotoOutcome Convert(const PhotoItem& photo, const OverlayDraw& overlay, Prompter& prompter) {
    const OutputPhotoFormat& format = photo.m_outputPhotoFormat;
    const std::string& outputPath = photo.strOutputPath;

    // The old file stays until the new one replaces it whole.
    if (SomethingAt(outputPath) &&
        prompter.Ask(ReplaceQuestion(outputPath), GetText(IDS_WARNING), PromptButtons::YesNo,
                     PromptIcon::Exclamation) != PromptAnswer::Yes)
        return PhotoOutcome::Skipped;

    if (!CheckOutputSize(format, prompter))
        return PhotoOutcome::Failed;

    // The file as it is now, whatever size it had when it was added.
    RgbPicture picture;
    if (!DecodePictureToSize(photo.strSourcePath, format.nOutputWidth, format.nOutputHeight,
                             picture)) {
        ErrorBox(prompter, IDS_CONVERT_FAILED);
        return PhotoOutcome::Failed;
    }

    DrawOverlayText(picture, overlay);

    const RotateFlipChoice turn = RotateFlipTypeOf(format.nRotateAngel, format.nFlipType);
    if (!turn.angleKnown)
        ErrorBox(prompter, IDS_UNKNOWN_ROTATE_ANGLE);
    if (!ApplyRotateFlip(picture, turn.type))
        ErrorBox(prompter, IDS_ROTATE_FLIP_FAILED);

    if (!KnownFormat(format.nOuptputFormat))
        return PhotoOutcome::Failed;

    PendingOutput file;
    WriteResult result = WriteResult::NotSaved;
    if (file.Create(outputPath)) {
        result = EncodeInto(picture, format, file);
        if (result == WriteResult::Written && !file.Commit())
            result = WriteResult::NotSaved;
    }
    switch (result) {
        case WriteResult::Written: return PhotoOutcome::Written;
        case WriteResult::NotConverted: ErrorBox(prompter, IDS_CONVERT_FAILED); break;
        case WriteResult::NotSaved: prompter.Tell(GetText(IDS_SAVE_FAILED), outputPath); break;
    }
    return PhotoOutcome::Failed;
}

}  // namespace

PhotoOutcome ConvertPhoto(const PhotoItem& photo, const OverlayDraw& overlay, Prompter& prompter) {
    try {
        return Convert(photo, overlay, prompter);
    } catch (const std::bad_alloc&) {
        // A picture too large for the memory left fails alone; the run goes on.
        ErrorBox(prompter, IDS_CONVERT_FAILED);
        return PhotoOutcome::Failed;
    }
}
