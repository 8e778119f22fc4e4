#include "model/OptionTables.h"

#include <QtGlobal>

#include <algorithm>

#include "model/FramePlans.h"
#include "model/OutputGeometry.h"
#include "platform/Words.h"

const OutputFormatRow* FindOutputFormat(int32_t id) {
    return FindRow(OutputFormats(), id);
}

const OutputFormatRow* OutputFormatFor(int32_t id, const std::string& sourceFormat) {
    const OutputFormatRow* row = FindOutputFormat(id);
    if (!row || !(row->settings & kFollowsSource))
        return row;
    for (const OutputFormatRow& kept : OutputFormats())
        if (kept.sourceFormat && sourceFormat == kept.sourceFormat)
            return &kept;
    return FindOutputFormat(kFormatJpg);
}

double EncodeBytesPerPixel(const OutputFormatRow& row, double pixels) {
    constexpr double kSmall = 12e6, kLarge = 50e6;  // where the figures were measured
    if (row.encodeBytesPerPixelAt50MP == 0 || pixels <= kSmall)
        return row.encodeBytesPerPixel;
    const double share = std::min(1.0, (pixels - kSmall) / (kLarge - kSmall));
    return row.encodeBytesPerPixel +
           share * (row.encodeBytesPerPixelAt50MP - row.encodeBytesPerPixel);
}

std::string ExtensionOfFormat(int32_t id) {
    const OutputFormatRow* row = FindOutputFormat(id);
    return row ? row->extension : std::string();
}

namespace {

constexpr int32_t kTwentyFourBitChoice = 4;

}  // namespace

const std::vector<PixelFormatChoice>& PixelFormatChoices() {
    static const std::vector<PixelFormatChoice> rows = {
        {0, QT_TRANSLATE_NOOP("OptionTables", "1 bit Indexed"), "1bit", 138, 1},
        {1, QT_TRANSLATE_NOOP("OptionTables", "4 bits Indexed"), "4bit", 139, 4},
        {2, QT_TRANSLATE_NOOP("OptionTables", "8 bits Indexed"), "8bit", 140, 8},
        {3, QT_TRANSLATE_NOOP("OptionTables", "16 bits RGB565"), "16bit", 141, 0, 16},
        {kTwentyFourBitChoice, QT_TRANSLATE_NOOP("OptionTables", "24 bits RGB"), "24bit", 142, 0},
        {5, QT_TRANSLATE_NOOP("OptionTables", "32 bits ARGB"), "32bit-argb", 143, 0, 32, true},
        {6, QT_TRANSLATE_NOOP("OptionTables", "32 bits PARGB"), "32bit-pargb", 144, 0, 32, true},
        {7, QT_TRANSLATE_NOOP("OptionTables", "32 bits RGB"), "32bit-rgb", 145, 0, 32},
        // No BMP reader takes 64 bits: written as 32, as their texts say.
        {8, QT_TRANSLATE_NOOP("OptionTables", "64 bits ARGB"), "64bit-argb", 146, 0, 32, true},
        {9, QT_TRANSLATE_NOOP("OptionTables", "64 bits PARGB"), "64bit-pargb", 147, 0, 32, true},
    };
    return rows;
}

const PixelFormatChoice& PixelFormatOf(int32_t id) {
    if (const PixelFormatChoice* row = FindRow(PixelFormatChoices(), id))
        return *row;
    return *FindRow(PixelFormatChoices(), kTwentyFourBitChoice);
}

const std::vector<SizeRuleRow>& SizeRules() {
    static const std::vector<SizeRuleRow> rows = {
        {kSizeOriginal, "original", "radioOriginalSize",
         QT_TRANSLATE_NOOP("OptionTables", "Original size"),
         QT_TRANSLATE_NOOP("OptionTables", "Original size"), 0,
         QT_TRANSLATE_NOOP("OptionTables", "Original size"),
         QT_TRANSLATE_NOOP("OptionTables", "Keep each photo's own width and height."),
         &ApplyOriginalSize},
        // The fixed rule's radio sits beside the width and height rows and
        // has no text of its own.
        {kSizeFixed, "fixed", "radioFixedSize", "",
         QT_TRANSLATE_NOOP("OptionTables", "the fixed size"),
         kUsesWidthHeight | kUsesKeepAspect | kUsesNoEnlarge,
         QT_TRANSLATE_NOOP("OptionTables", "The choice beside Output Width: and Output Height:"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "A fixed size in pixels. With Keep aspect ratio with width only the "
                           "width counts and the height follows the photo's proportions; with "
                           "Keep aspect ratio with Height only the height counts. Without either "
                           "box, the photo is scaled to exactly the given width and height."),
         &ApplyFixedSize},
        {kSizeStretch, "stretch", "radioStretch", QT_TRANSLATE_NOOP("OptionTables", "Stretch:"),
         QT_TRANSLATE_NOOP("OptionTables", "Stretch"), kUsesStretch,
         QT_TRANSLATE_NOOP("OptionTables", "Stretch: Horizontal: / Vertical:"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "Multiply the photo's width and height by these factors (from "
                           "0.000001 to 1000000; 0.5 halves, 2 doubles). Sizes are cut to whole "
                           "pixels."),
         &ApplyStretch},
        {kSizeFit, "fit", "radioFitSize",
         QT_TRANSLATE_NOOP("OptionTables", "Fit within Output Width x Output Height"),
         QT_TRANSLATE_NOOP("OptionTables", "Fit"), kUsesWidthHeight | kUsesNoEnlarge,
         QT_TRANSLATE_NOOP("OptionTables", "Fit within Output Width x Output Height"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "The largest size with the photo's proportions that fits in the width "
                           "and height: never cropped, never distorted. The side that does not "
                           "fill the box is rounded to whole pixels, but never below 1."),
         &ApplyFitSize},
        {kSizeLongEdge, "long-edge", "radioLongEdge",
         QT_TRANSLATE_NOOP("OptionTables", "Long edge:"),
         QT_TRANSLATE_NOOP("OptionTables", "Long edge"), kUsesLongEdge | kUsesNoEnlarge,
         QT_TRANSLATE_NOOP("OptionTables", "Long edge:"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "The photo's longer side becomes this many pixels, the other follows "
                           "its proportions (rounded to whole pixels, never below 1). A landscape "
                           "and a portrait photo of the same camera come out alike."),
         &ApplyLongEdge},
        {kSizeFill, "fill", "radioFillSize",
         QT_TRANSLATE_NOOP("OptionTables", "Fill Output Width x Output Height, cropped"),
         QT_TRANSLATE_NOOP("OptionTables", "Fill"), kUsesWidthHeight | kUsesCropAnchor,
         QT_TRANSLATE_NOOP("OptionTables", "Fill Output Width x Output Height, cropped"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "Exactly the width and height: the photo is scaled until it covers "
                           "them, and what reaches beyond is cropped. Crop: which part is kept "
                           "(an edge, a corner, the centre, or Smart: the most interesting part)."),
         &ApplyFill},
        {kSizePad, "pad", "radioPadSize",
         QT_TRANSLATE_NOOP("OptionTables", "Pad to Output Width x Output Height"),
         QT_TRANSLATE_NOOP("OptionTables", "Pad"),
         kUsesWidthHeight | kUsesCropAnchor | kUsesBackground,
         QT_TRANSLATE_NOOP("OptionTables", "Pad to Output Width x Output Height"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "Exactly the width and height: the whole photo is fitted inside, never "
                           "cropped, and the margins take the background colour. Crop: where the "
                           "photo sits."),
         &ApplyPad},
    };
    return rows;
}

const SizeRuleRow* FindSizeRule(int32_t id) {
    return FindRow(SizeRules(), id);
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
        {kFlipNone, "none", "radioNoFlip", QT_TRANSLATE_NOOP("OptionTables", "No flip")},
        {kFlipHorizontal, "horizontal", "radioFlipHorizontal",
         QT_TRANSLATE_NOOP("OptionTables", "Flip horizontal"),
         QT_TRANSLATE_NOOP("OptionTables", "mirror left to right")},
        {kFlipVertical, "vertical", "radioFlipVertical",
         QT_TRANSLATE_NOOP("OptionTables", "Flip vertical"),
         QT_TRANSLATE_NOOP("OptionTables", "upside down")},
    };
    return rows;
}

const std::vector<NamedChoice>& MetadataChoices() {
    static constexpr NotedText kNone =
        QT_TRANSLATE_NOOP3("OptionTables", "None", "no camera data kept");
    static const std::vector<NamedChoice> rows = {
        {kMetadataNone, "none", nullptr, kNone.source,
         QT_TRANSLATE_NOOP("OptionTables",
                           "No camera data: the outputs carry only the resolution (DPI)."),
         kNone.note},
        {kMetadataNoLocation, "no-location", nullptr,
         QT_TRANSLATE_NOOP("OptionTables", "All but the location"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "As All, without the GPS position and without the location fields of "
                           "XMP; the IPTC block, which may name places, is left out too.")},
        {kMetadataAll, "all", nullptr, QT_TRANSLATE_NOOP("OptionTables", "All"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "EXIF (camera, lens, exposure, date taken, GPS), XMP and IPTC as the "
                           "photo has them, with the orientation set to upright and the pixel "
                           "size of the output, and the sRGB colour profile embedded. "
                           "@CAMERA_DATA_BY_FORMAT@")},
    };
    return rows;
}

const std::vector<NamedChoice>& CropAnchorChoices() {
    static const std::vector<NamedChoice> rows = [] {
        std::vector<NamedChoice> anchors;
        for (const TextAnchorRow& row : TextAnchors())
            anchors.push_back({row.id, row.cliName, nullptr, row.listText});
        anchors.push_back({kCropSmart, "smart", nullptr, QT_TRANSLATE_NOOP("OptionTables", "Smart"),
                           "the most interesting part: detail, skin tones, saturated colours"});
        return anchors;
    }();
    return rows;
}

const std::vector<NamedChoice>& SharpenChoices() {
    static constexpr NotedText kNone = QT_TRANSLATE_NOOP3("OptionTables", "None", "no sharpening");
    static const std::vector<NamedChoice> rows = {
        {kSharpenNone, "none", nullptr, kNone.source, nullptr, kNone.note},
        {kSharpenLight, "light", nullptr, QT_TRANSLATE_NOOP("OptionTables", "Light")},
        {kSharpenMedium, "medium", nullptr, QT_TRANSLATE_NOOP("OptionTables", "Medium")},
        {kSharpenStrong, "strong", nullptr, QT_TRANSLATE_NOOP("OptionTables", "Strong")},
    };
    return rows;
}

bool KeepsMetadata(int32_t policy) {
    return policy == kMetadataAll || policy == kMetadataNoLocation;
}

const std::vector<NamedChoice>& ChromaChoices() {
    static const std::vector<NamedChoice> rows = {
        {kChromaAuto, "auto", nullptr, QT_TRANSLATE_NOOP("OptionTables", "Automatic"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "Halved colour resolution below quality 90, full from 90 up.")},
        {kChroma420, "420", nullptr, "4:2:0",
         QT_TRANSLATE_NOOP("OptionTables", "Colour at half resolution: smaller files.")},
        {kChroma444, "444", nullptr, "4:4:4",
         QT_TRANSLATE_NOOP("OptionTables", "Colour at full resolution: sharper red edges.")},
    };
    return rows;
}

const std::vector<NamedChoice>& PaletteChoices() {
    static const std::vector<NamedChoice> rows = {
        {kPaletteFixed, "fixed", nullptr, QT_TRANSLATE_NOOP("OptionTables", "Standard colours"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "The standard 16 or 256 colours, the same for every photo.")},
        {kPaletteAdaptive, "adaptive", nullptr,
         QT_TRANSLATE_NOOP("OptionTables", "Colours of the photo"),
         QT_TRANSLATE_NOOP(
             "OptionTables",
             "The 16 or 256 colours that best match each photo, found by an octree.")},
    };
    return rows;
}

const std::vector<NamedChoice>& NamingDateChoices() {
    static const std::vector<NamedChoice> rows = {
        {kDateFile, "file", nullptr, QT_TRANSLATE_NOOP("OptionTables", "File date"),
         QT_TRANSLATE_NOOP("OptionTables", "The source file's modification date.")},
        {kDateTaken, "taken", nullptr, QT_TRANSLATE_NOOP("OptionTables", "Date taken"),
         QT_TRANSLATE_NOOP("OptionTables",
                           "The date the photo was taken (EXIF DateTimeOriginal, else "
                           "DateTimeDigitized); the file's date for a photo that has neither.")},
    };
    return rows;
}

Status CheckChoice(const char* key, const std::vector<int32_t>& ids, int32_t value) {
    for (const int32_t id : ids)
        if (id == value)
            return Status::Ok();
    return Status::Failed(key, words::translate("Reasons", "the value %1 stands for no choice")
                                   .Arg(std::to_string(value)));
}

const std::vector<TextAnchorRow>& TextAnchors() {
    static const std::vector<TextAnchorRow> rows = {
        {kAnchorTopLeft, "top-left", QT_TRANSLATE_NOOP("OptionTables", "Top left"), 0, 0},
        {kAnchorTop, "top", QT_TRANSLATE_NOOP("OptionTables", "Top"), 1, 0},
        {kAnchorTopRight, "top-right", QT_TRANSLATE_NOOP("OptionTables", "Top right"), 2, 0},
        {kAnchorLeft, "left", QT_TRANSLATE_NOOP("OptionTables", "Left"), 0, 1},
        {kAnchorCenter, "center", QT_TRANSLATE_NOOP("OptionTables", "Center"), 1, 1},
        {kAnchorRight, "right", QT_TRANSLATE_NOOP("OptionTables", "Right"), 2, 1},
        {kAnchorBottomLeft, "bottom-left", QT_TRANSLATE_NOOP("OptionTables", "Bottom left"), 0, 2},
        {kAnchorBottom, "bottom", QT_TRANSLATE_NOOP("OptionTables", "Bottom"), 1, 2},
        {kAnchorBottomRight, "bottom-right", QT_TRANSLATE_NOOP("OptionTables", "Bottom right"), 2,
         2},
    };
    return rows;
}

const TextAnchorRow& TextAnchorOf(int32_t value) {
    const TextAnchorRow* row = FindRow(TextAnchors(), value);
    return row ? *row : *FindRow(TextAnchors(), kAnchorTopLeft);
}

const std::vector<TextEffectRow>& TextEffects() {
    static const std::vector<TextEffectRow> rows = {
        {kTextEffectNone, "none", QT_TRANSLATE_NOOP("OptionTables", "No outline")},
        {kTextEffectOutline, "outline", QT_TRANSLATE_NOOP("OptionTables", "Outline")},
        {kTextEffectShadow, "shadow", QT_TRANSLATE_NOOP("OptionTables", "Shadow")},
    };
    return rows;
}
