#pragma once
// A picture, such as a logo, drawn on every photo of a run: which file,
// where, how large and how opaque. The anchors are the text's
// (model/OptionTables.h), the numbers' ranges in model/NumberSettings.h.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/NumberSettings.h"

// The watermark's pixels: 8-bit RGBA, straight (not premultiplied) alpha,
// rows top to bottom without padding.
struct WatermarkLogo {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgba;
};

struct ImageWatermark {
    std::string path;  // native path bytes; empty: no watermark
    int32_t anchor = 8;  // a text anchor's id; the bottom-right corner
    // The logo's longer side as a percentage of the output's shorter side.
    double sizePercent = numbers::kWatermarkSizePercent.builtIn;
    int32_t opacity = numbers::kWatermarkOpacity.WholeBuiltIn();  // percent
    // From the anchor's edges, as a percentage of the output's shorter side.
    double marginPercent = numbers::kWatermarkMargin.builtIn;
    // The file decoded once for the whole run (PrepareRun); null until then,
    // when each photo's conversion reads the file itself.
    std::shared_ptr<const WatermarkLogo> logo;

    bool operator==(const ImageWatermark& other) const {
        return path == other.path && anchor == other.anchor && sizePercent == other.sizePercent &&
               opacity == other.opacity && marginPercent == other.marginPercent;
    }
};
