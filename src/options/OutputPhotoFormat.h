#pragma once
// The output settings of one photo, copied whole by value.

#include <cstdint>
#include <string>

enum OutputFormat : int32_t { kFormatBmp = 0, kFormatJpg = 1, kFormatPng = 2, kFormatTif = 3 };
enum SizeType : int32_t { kSizeOriginal = 0, kSizeFixed = 1, kSizeStretch = 2 };
enum KeepAspect : int32_t { kKeepNone = 0, kKeepWidth = 1, kKeepHeight = 2 };
enum FlipType : int32_t { kFlipNone = 0, kFlipHorizontal = 1, kFlipVertical = 2 };

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

// One entry of the pixel-format list.
struct PixelFormatChoice {
    int choice;              // 0..9
    const char* entry;       // the list text
    uint32_t constant;       // the pixel-format value it stands for
    int descriptionId;       // string number of its description
    int indexedBits;         // 1, 4 or 8 for the indexed choices, else 0
};

inline constexpr int kPixelFormatChoiceCount = 10;

// The entry for a choice; any choice outside 0..9 stands for 24 bits RGB.
const PixelFormatChoice& PixelFormatOf(int choice);
// The list in its order.
const PixelFormatChoice* PixelFormatChoices();
// True for the three indexed choices 0, 1 and 2.
inline bool IsIndexedChoice(int choice) { return choice >= 0 && choice <= 2; }

// "bmp", "jpg", "png", "tif"; empty for any other format value.
std::string ExtensionOfFormat(int32_t format);
