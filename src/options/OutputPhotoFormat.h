#pragma once
// The output settings of one photo, copied whole by value. What each value
// of a field means is described once, in options/OptionTables.h.

#include <cstdint>

enum OutputFormat : int32_t { kFormatBmp = 0, kFormatJpg = 1, kFormatPng = 2, kFormatTif = 3 };
enum SizeType : int32_t { kSizeOriginal = 0, kSizeFixed = 1, kSizeStretch = 2 };
enum KeepAspect : int32_t { kKeepNone = 0, kKeepWidth = 1, kKeepHeight = 2 };
enum FlipType : int32_t { kFlipNone = 0, kFlipHorizontal = 1, kFlipVertical = 2 };

// The range the options dialog and the command line accept for a stretch
// factor.
inline constexpr double kMinStretch = 0.000001;
inline constexpr double kMaxStretch = 1000000.0;
inline constexpr int32_t kMinQuality = 1;
inline constexpr int32_t kMaxQuality = 100;

// Default member values are the built-in defaults that new photos copy.
struct OutputPhotoFormat {
    int32_t nOuputSizeType = kSizeFixed;
    int32_t nOutputWidth = 1024;
    int32_t nOutputHeight = 768;
    int32_t nOuptputFormat = kFormatJpg;
    int32_t iComboPixelFormat = 4;  // 24 bits RGB
    int32_t nCurrentJpegQuality = 80;
    int32_t nKeepAspectRatio = kKeepWidth;
    double dStretchHorizontal = 1.0;
    double dStretchVertical = 1.0;
    int32_t nRotateAngel = 0;
    int32_t nFlipType = kFlipNone;

    bool operator==(const OutputPhotoFormat&) const = default;
};

// The record the main window gives to new photos: the built-in values, never
// read from the settings.
inline OutputPhotoFormat BuiltInDefaultOutputPhotoFormat() { return OutputPhotoFormat{}; }
