#include "options/OptionTables.h"

#include "convert/BmpOutput.h"
#include "convert/OutputGeometry.h"
#include "convert/PictureEncode.h"

const std::vector<OutputFormatRow>& OutputFormats() {
    static const std::vector<OutputFormatRow> rows = {
        {kFormatBmp, "BMP", "bmp", {"bmp"}, kUsesPixelFormat,
         "Uncompressed; 24-bit colour, or 1, 4 or 8 bits per pixel with a palette (see Pixel "
         "format).",
         &WriteBmpFile, kMaxImagingSide},
        // libjpeg's limit, below the 65535 the file format could hold.
        {kFormatJpg, "JPG", "jpg", {"jpg", "jpeg"}, kUsesQuality,
         "Photos; smallest files. Quality 1-100 (built-in 80).", &WriteJpegFile, 65500},
        {kFormatPng, "PNG", "png", {"png"}, 0,
         "Lossless; transparent areas become white.", &WritePngFile, kMaxImagingSide},
        {kFormatTif, "TIF", "tif", {"tif", "tiff"}, 0,
         "Lossless (LZW compression), for print and archiving.", &WriteTiffFile, kMaxImagingSide},
    };
    return rows;
}

const OutputFormatRow* FindOutputFormat(int32_t id) {
    const auto& rows = OutputFormats();
    if (id < 0 || static_cast<std::size_t>(id) >= rows.size())
        return nullptr;
    return &rows[static_cast<std::size_t>(id)];
}

std::string ExtensionOfFormat(int32_t id) {
    const OutputFormatRow* row = FindOutputFormat(id);
    return row ? row->extension : std::string();
}

namespace {

constexpr PixelFormatChoice kPixelFormats[kPixelFormatChoiceCount] = {
    {0, "1 bit Indexed", "1bit", 0x00030101, 138, 1},
    {1, "4 bits Indexed", "4bit", 0x00030402, 139, 4},
    {2, "8 bits Indexed", "8bit", 0x00030803, 140, 8},
    {3, "16 bits RGB565", "16bit", 0x00021006, 141, 0},
    {4, "24 bits RGB", "24bit", 0x00021808, 142, 0},
    {5, "32 bits ARGB", "32bit-argb", 0x0026200A, 143, 0},
    {6, "32 bits PARGB", "32bit-pargb", 0x000E200B, 144, 0},
    {7, "32 bits RGB", "32bit-rgb", 0x00022009, 145, 0},
    {8, "64 bits ARGB", "64bit-argb", 0x0034400D, 146, 0},
    {9, "64 bits PARGB", "64bit-pargb", 0x001C400E, 147, 0},
};
constexpr int kTwentyFourBitChoice = 4;

}  // namespace

const PixelFormatChoice* PixelFormatChoices() { return kPixelFormats; }

const PixelFormatChoice& PixelFormatOf(int choice) {
    if (choice < 0 || choice >= kPixelFormatChoiceCount)
        return kPixelFormats[kTwentyFourBitChoice];
    return kPixelFormats[choice];
}

const std::vector<SizeRuleRow>& SizeRules() {
    static const std::vector<SizeRuleRow> rows = {
        {kSizeOriginal, "original", "radioOriginalSize", "Original size", 0, "Original size",
         "Keep each photo's own width and height.", &ApplyOriginalSize},
        // The fixed rule's radio sits beside the width and height rows and
        // has no text of its own.
        {kSizeFixed, "fixed", "radioFixedSize", "", kUsesWidthHeight | kUsesKeepAspect,
         "The choice beside Output Width: and Output Height:",
         "A fixed size in pixels. With Keep aspect ratio with width only the width counts and "
         "the height follows the photo's proportions; with Keep aspect ratio with Height only the "
         "height counts. Without either box, the photo is scaled to exactly the given width and "
         "height.",
         &ApplyFixedSize},
        {kSizeStretch, "stretch", "radioStretch", "Stretch:", kUsesStretch,
         "Stretch: Horizontal: / Vertical:",
         "Multiply the photo's width and height by these factors (from 0.000001 to 1000000; 0.5 "
         "halves, 2 doubles). Sizes are cut to whole pixels.",
         &ApplyStretch},
    };
    return rows;
}

const SizeRuleRow* FindSizeRule(int32_t id) {
    for (const SizeRuleRow& row : SizeRules())
        if (row.id == id)
            return &row;
    return nullptr;
}

const std::vector<NamedChoice>& KeepAspectChoices() {
    static const std::vector<NamedChoice> rows = {
        {kKeepNone, "none", ""},
        {kKeepWidth, "width", "checkKeepWidth"},
        {kKeepHeight, "height", "checkKeepHeight"},
    };
    return rows;
}

const std::vector<NamedChoice>& RotationChoices() {
    static const std::vector<NamedChoice> rows = {
        {0, "0", "radioRotate0"},
        {90, "90", "radioRotate90"},
        {180, "180", "radioRotate180"},
        {270, "270", "radioRotate270"},
    };
    return rows;
}

const std::vector<NamedChoice>& FlipChoices() {
    static const std::vector<NamedChoice> rows = {
        {kFlipNone, "none", "radioNoFlip"},
        {kFlipHorizontal, "horizontal", "radioFlipHorizontal"},
        {kFlipVertical, "vertical", "radioFlipVertical"},
    };
    return rows;
}

std::string CliNameOf(const std::vector<NamedChoice>& set, int32_t value) {
    for (const NamedChoice& row : set)
        if (row.value == value)
            return row.cliName;
    return {};
}

const std::vector<TextAnchorRow>& TextAnchors() {
    static const std::vector<TextAnchorRow> rows = {
        {kAnchorTopLeft, "top-left", "Top left", 0, 0},
        {kAnchorTop, "top", "Top", 1, 0},
        {kAnchorTopRight, "top-right", "Top right", 2, 0},
        {kAnchorLeft, "left", "Left", 0, 1},
        {kAnchorCenter, "center", "Center", 1, 1},
        {kAnchorRight, "right", "Right", 2, 1},
        {kAnchorBottomLeft, "bottom-left", "Bottom left", 0, 2},
        {kAnchorBottom, "bottom", "Bottom", 1, 2},
        {kAnchorBottomRight, "bottom-right", "Bottom right", 2, 2},
    };
    return rows;
}

const TextAnchorRow& TextAnchorOf(int32_t value) {
    const auto& rows = TextAnchors();
    if (value < 0 || static_cast<std::size_t>(value) >= rows.size())
        return rows.front();
    return rows[static_cast<std::size_t>(value)];
}

const std::vector<TextEffectRow>& TextEffects() {
    static const std::vector<TextEffectRow> rows = {
        {kTextEffectNone, "none", "No outline"},
        {kTextEffectOutline, "outline", "Outline"},
        {kTextEffectShadow, "shadow", "Shadow"},
    };
    return rows;
}
