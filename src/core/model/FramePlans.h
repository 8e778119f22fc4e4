#pragma once
// The exact-frame size rules: fill (cover the box, then crop to it) and pad
// (fit inside the box, then lay on the background colour to fill it), and
// the finishing every plan takes from the record (background, sharpening).

#include <cstdint>

#include "model/OutputPhotoFormat.h"
#include "model/OutputPlan.h"
#include "platform/Prompter.h"

// Fill: the picture scaled, proportions kept, until it covers the
// nOutputWidth x nOutputHeight box (the overflowing side rounded to the
// nearest pixel), placed by nCropAnchor: at the anchor's edge, or centred
// (half the spare, toward zero) along an axis where the anchor is in the
// middle; smart
// centres it and leaves the place to the decode. The output is the box.
OutputPlan ApplyFill(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& format,
                     Prompter& prompter);
// Pad: the picture fitted inside the box as the fit rule sizes it, placed by
// nCropAnchor the same way (smart places it in the middle); the output is
// the box, its bare margins the background colour.
OutputPlan ApplyPad(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& format,
                    Prompter& prompter);

// A COLORREF (0x00BBGGRR) as the plan's colour.
PlanColour ColourOf(uint32_t colorRef);

// The plan with the record's background colour and sharpening.
OutputPlan WithFinishing(OutputPlan plan, const OutputPhotoFormat& format);

// The free side of a picture of sourceSide x otherSource scaled so that
// otherSource becomes otherTarget: rounded to the nearest pixel, at least 1.
int32_t ScaledSide(int64_t sourceSide, int64_t otherSource, int64_t otherTarget);
