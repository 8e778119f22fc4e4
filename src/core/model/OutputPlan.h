#pragma once
// The plan of one output picture: its size, and how the whole upright
// source picture is placed on it. A size rule makes the plan; the decode
// and the preview carry out any plan the same way.

#include <cstdint>

struct PlanRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool operator==(const PlanRect&) const = default;
};

struct PlanColour {
    uint8_t red = 255;
    uint8_t green = 255;
    uint8_t blue = 255;

    bool operator==(const PlanColour&) const = default;
};

// The whole source picture is scaled to picture.width x picture.height
// (each side on its own) and laid on the output with its top-left corner at
// (picture.x, picture.y). What lies outside the output is cut off, and what
// of the output it leaves bare takes the background colour:
//   stretched: the picture is the output, {0, 0, width, height};
//   cropped: the picture covers the output, a region of the source fills it;
//   padded: the picture lies inside the output, margins around it.
struct OutputPlan {
    int32_t width = 0;  // the output, in pixels
    int32_t height = 0;
    PlanRect picture;
    PlanColour background;  // of bare margins and of transparent areas; white
    // The picture's place along the side it overflows is found from what it
    // shows (the most interesting part is kept) when it is decoded; picture
    // holds the centred place until then.
    bool attention = false;
    // After a reduction, an unsharp mask of this strength (SharpenStrength;
    // 0: none), scaled to how much the photo was reduced.
    int32_t sharpen = 0;

    static OutputPlan Stretched(int32_t width, int32_t height) {
        return {width, height, {0, 0, width, height}, {}};
    }
    static OutputPlan Placed(int32_t width, int32_t height, PlanRect picture) {
        return {width, height, picture, {}};
    }

    bool IsStretched() const { return picture == PlanRect{0, 0, width, height}; }
    // True when both sides of the output and of the picture are positive and
    // the picture overlaps the output: a plan the decode can carry out.
    bool IsDrawable() const;
    // A drawable plan's placement on an output scaled to fit within
    // maxWidth x maxHeight (both > 0), never larger than this one; each side
    // at least 1.
    OutputPlan FittedWithin(int32_t maxWidth, int32_t maxHeight) const;

    bool operator==(const OutputPlan&) const = default;
};
