#pragma once
// The conversion of one photo into one output file.

#include <cstdint>
#include <string>

#include "app/Prompter.h"
#include "app/TextFontSettings.h"
#include "photolist/PhotoItem.h"

// The overlay as drawn on one photo: its position already checked against
// the photo's output size.
struct OverlayDraw {
    std::string text;  // UTF-8; empty draws nothing
    int32_t x = 0;     // top-left corner in output pixels, before rotate and flip
    int32_t y = 0;
    LogFont font;
    uint32_t color = 0;  // 0x00BBGGRR, drawn opaque
};

enum class PhotoOutcome {
    Written,  // the output file is complete under photo.strOutputPath
    Skipped,  // the user answered No to replacing an existing file
    Failed,   // reported through the prompter; no file, no partial file
};

// Converts photo.strSourcePath into photo.strOutputPath with the photo's own
// settings. Asks before replacing an existing file, reports every failure
// through the prompter with the program's messages, and never leaves a
// partial output. Safe to call from several threads at once for different
// output paths.
PhotoOutcome ConvertPhoto(const PhotoItem& photo, const OverlayDraw& overlay, Prompter& prompter);
