#pragma once
// The output-size rules of a photo: each makes the plan of the output (its
// size, and how the picture is placed on it) from the source size and the
// record.

#include <cstdint>

#include "model/OutputPhotoFormat.h"
#include "model/OutputPlan.h"
#include "model/PhotoItem.h"
#include "platform/Prompter.h"
#include "platform/Status.h"

// The plan of the record's size rule (model/OptionTables.h) for a source of
// sourceWidth x sourceHeight, measured when the photo was added (upright,
// after its EXIF orientation). With bNoEnlarge, for the rules that honour
// it, neither side of a stretched output is larger than the photo's own: a
// smaller photo keeps its size. An unknown size type or aspect rule is
// reported through the prompter and plans the record's size as it is,
// stretched. Every plan takes the record's background colour and
// sharpening. Fails when either source side is 0.
Result<OutputPlan> PlanOutput(int32_t sourceWidth, int32_t sourceHeight,
                              const OutputPhotoFormat& format, Prompter& prompter);

// Plans the photo's output from its measured size: photo.plan, and its
// record's nOutputWidth x nOutputHeight set to the plan's size (what the
// list shows, and what the next plan of a fixed size starts from). A photo
// with a side of 0 keeps both as they were.
void PlanPhotoOutput(PhotoItem& photo, Prompter& prompter);

// The rules themselves, for the size-rule table. Each stretches the whole
// picture over an output of the size it computes. Arithmetic in double,
// ratio first and then times the fixed side, truncated toward zero (so 57 /
// 100 * 100 gives 56); results beyond 32 bits saturate. No lower bound: a
// result of 0 is caught when the photo is converted.
OutputPlan ApplyOriginalSize(int32_t sourceWidth, int32_t sourceHeight,
                             const OutputPhotoFormat& format, Prompter& prompter);
OutputPlan ApplyFixedSize(int32_t sourceWidth, int32_t sourceHeight,
                          const OutputPhotoFormat& format, Prompter& prompter);
OutputPlan ApplyStretch(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& format,
                        Prompter& prompter);
// Fit and long edge scale the photo into the nOutputWidth x nOutputHeight
// box, or the nLongEdge square, keeping its proportions. Exact integer
// arithmetic: the side that fills the box takes the box's value, the other
// is source side x box side / other source side rounded to the nearest
// pixel, but at least 1 (so 1000 x 333 into 100 x 100 gives 100 x 33,
// 3003 x 2252 into 2048 gives 2048 x 1536, and 65535 x 1 gives 100 x 1). A box side of 0 or less becomes the output size as it is,
// for the conversion to refuse.
OutputPlan ApplyFitSize(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& format,
                        Prompter& prompter);
OutputPlan ApplyLongEdge(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& format,
                         Prompter& prompter);
