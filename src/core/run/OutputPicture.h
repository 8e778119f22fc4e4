#pragma once
// The two steps between a job and its output file that a conversion and the
// window's result preview share, so that the preview shows the very file a
// run writes: the finished picture, then its encoding.

#include <functional>
#include <optional>

#include "imaging/FitFileSize.h"
#include "model/OptionTables.h"
#include "model/PhotoJob.h"
#include "model/RgbPicture.h"
#include "model/TextOverlay.h"
#include "platform/OutputFile.h"
#include "platform/Status.h"

// The picture of the job's output before it is encoded: decoded as its plan
// lays it out (with the camera data when row keeps it), its resolution set,
// the watermark and the text drawn. An empty picture, with nothing read,
// when copySource (the source goes out as it is). A failure gives the
// decoder's or the watermark's reason. row may be null (an unknown format).
// decode, when given, makes the picture instead of a decode of the source
// (several outputs of one decode).
using DecodedPictureSource =
    std::function<Result<RgbPicture>(const PhotoJob& job, bool withMetadata)>;
Result<RgbPicture> FinishPicture(const PhotoJob& job, const TextOverlay& overlay,
                                 const OutputFormatRow* row, bool copySource,
                                 const DecodedPictureSource* decode = nullptr);

// Writes the finished picture into the created pending file in row's
// format: the source byte for byte when copySource, within the record's
// byte limit when it has one (fit says what that came to), else plainly.
EncodeResult EncodeOutput(const PhotoJob& job, const OutputFormatRow& row, bool copySource,
                          RgbPicture& picture, PendingOutput& file,
                          std::optional<FileSizeFit>& fit);
