#pragma once
// The output settings of one photo, copied whole by value. What each value
// of a field means is described once, in model/OptionTables.h, and each
// number's range and built-in value in model/NumberSettings.h.

#include <cstdint>

#include "model/NumberSettings.h"
#include "model/TextOverlay.h"

enum OutputFormat : int32_t {
    kFormatBmp = 0,
    kFormatJpg = 1,
    kFormatPng = 2,
    kFormatTif = 3,
    kFormatWebp = 4,
    kFormatAvif = 5,
    kFormatJxl = 6,
    kFormatSame = 7,
    // Reserved, never a format's: the options dialog's "nothing to set",
    // which shows neither the pixel-format nor the quality controls. A new
    // format takes an id after it.
    kFormatNothingToSet = 8,
};
enum SizeType : int32_t {
    kSizeOriginal = 0,
    kSizeFixed = 1,
    kSizeStretch = 2,
    kSizeFit = 3,
    kSizeLongEdge = 4,
    kSizeFill = 5,
    kSizePad = 6,
};
enum KeepAspect : int32_t { kKeepNone = 0, kKeepWidth = 1, kKeepHeight = 2 };
enum FlipType : int32_t { kFlipNone = 0, kFlipHorizontal = 1, kFlipVertical = 2 };
enum MetadataPolicy : int32_t { kMetadataNone = 0, kMetadataNoLocation = 1, kMetadataAll = 2 };
// Chroma subsampling of the formats that offer it (JPEG, AVIF); auto is
// libvips' own choice: halved colour below quality 90, full at 90 and above.
enum ChromaMode : int32_t { kChromaAuto = 0, kChroma420 = 1, kChroma444 = 2 };
// Where fill crops and pad places the picture: the text anchors' ids
// (model/TextOverlay.h), or the picture's most interesting part.
inline constexpr int32_t kCropSmart = 9;
enum SharpenStrength : int32_t { kSharpenNone = 0, kSharpenLight = 1, kSharpenMedium = 2, kSharpenStrong = 3 };
inline constexpr uint32_t kWhiteBackground = 0x00FFFFFF;
// The colours of a 4- or 8-bit BMP: the standard table, or one made for the
// picture.
enum PaletteMode : int32_t { kPaletteFixed = 0, kPaletteAdaptive = 1 };

// Default member values are the built-in defaults that new photos copy. The
// fields after nFlipType came later; their defaults leave every output as it
// was before they existed.
struct OutputPhotoFormat {
    int32_t nOuputSizeType = kSizeFixed;
    int32_t nOutputWidth = numbers::kOutputWidth.WholeBuiltIn();
    int32_t nOutputHeight = numbers::kOutputHeight.WholeBuiltIn();
    int32_t nOuptputFormat = kFormatJpg;
    int32_t iComboPixelFormat = 4;  // 24 bits RGB
    int32_t nCurrentJpegQuality = numbers::kQuality.WholeBuiltIn();
    int32_t nKeepAspectRatio = kKeepWidth;
    double dStretchHorizontal = numbers::kStretchHorizontal.builtIn;
    double dStretchVertical = numbers::kStretchVertical.builtIn;
    int32_t nRotateAngel = 0;
    int32_t nFlipType = kFlipNone;
    int32_t nLongEdge = numbers::kLongEdge.WholeBuiltIn();  // for the long-edge rule
    bool bNoEnlarge = false;            // the size rules that honour it keep smaller photos
    bool bLossless = false;             // for the formats that offer it
    int32_t nMetadata = kMetadataNone;  // MetadataPolicy
    int32_t nRawDevelop = 0;            // RawDevelop: how camera RAW sources are developed (auto)
    // A byte limit for each output file (0: none) and how it is met: the
    // quality is searched down to nMinQuality, then the picture is made
    // smaller unless bNoShrinkToFit.
    int64_t nMaxFileSize = 0;
    int32_t nMinQuality = numbers::kMinQuality.WholeBuiltIn();
    bool bNoShrinkToFit = false;
    int32_t nChroma = kChromaAuto;  // ChromaMode
    bool bProgressive = false;      // progressive JPEG
    int32_t nCropAnchor = kAnchorCenter;            // fill and pad: a text anchor's id, or kCropSmart
    uint32_t nBackgroundColor = kWhiteBackground;  // 0x00BBGGRR: pad's margins, transparent areas
    int32_t nSharpen = kSharpenNone;     // SharpenStrength, for reduced photos only
    int32_t nDpi = numbers::kDpi.WholeBuiltIn();  // 0: the source's resolution
    int32_t nPalette = kPaletteFixed;  // PaletteMode, for 4- and 8-bit BMP

    bool operator==(const OutputPhotoFormat&) const = default;
};

// The record the main window gives to new photos: the built-in values, never
// read from the settings.
inline OutputPhotoFormat BuiltInDefaultOutputPhotoFormat() {
    return OutputPhotoFormat{};
}
