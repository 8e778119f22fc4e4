#pragma once
// Every choice of the output settings, described once: the options dialog
// fills its lists and show/hide rules from these tables, the command line its
// accepted names, messages and usage lines, the help page its lists, and the
// engine looks up what to do. Adding a choice is one row plus the code that
// does it. A row's id is the value stored in the settings and presets; the
// row's place in its table is only the order of the lists, so a new row may
// sit where it reads best, with an id no other row had.

#include <cstdint>
#include <string>
#include <vector>

#include "model/OutputPhotoFormat.h"
#include "model/TextOverlay.h"
#include "platform/Status.h"

class PendingOutput;
class Prompter;
struct OutputPlan;
struct RgbPicture;

// What a list with no entry chosen gives back: an id no row of any table has.
inline constexpr int32_t kNoListEntry = -1;

// ---- Output formats (nOuptputFormat) ----

// What writing one finished picture came to.
enum class EncodeOutcome {
    Written,       // complete in the pending file
    NotConverted,  // the picture could not be brought into the format's form
    NotSaved,      // the file could not be written
};
struct [[nodiscard]] EncodeResult {
    EncodeOutcome outcome = EncodeOutcome::Written;
    std::string reason;  // why not, in the library's or the system's words
    // The reason as the user reads it, where the program words it itself;
    // empty: as reason.
    std::string shownReason{};

    static EncodeResult Because(EncodeOutcome outcome, Words reason) {
        return {outcome, std::move(reason.english), std::move(reason.shown)};
    }
    const std::string& ShownReason() const { return shownReason.empty() ? reason : shownReason; }
};

// Writes the picture in the format into the pending file (not committed).
using Encoder = EncodeResult (*)(const RgbPicture& picture, const OutputPhotoFormat& format,
                                 PendingOutput& file);

// The record's fields a format reads besides size, rotation and flip, and
// whether the row stands for a format of its own.
enum FormatSetting : unsigned {
    kUsesQuality = 1u << 0,      // nCurrentJpegQuality (every lossy format)
    kUsesPixelFormat = 1u << 1,  // iComboPixelFormat
    kUsesLossless = 1u << 2,     // bLossless
    kUsesMetadata = 1u << 3,     // nMetadata: the format carries camera data
    kFollowsSource = 1u << 4,    // no format of its own: the source's, see OutputFormatFor
};

struct OutputFormatRow {
    int32_t id;                         // nOuptputFormat as stored; never kFormatNothingToSet
    const char* listText;               // the options dialog's list entry and the texts' name
    const char* extension;              // of the output file names
    std::vector<std::string> cliNames;  // accepted by the command line; the first is shown
    unsigned settings;                  // FormatSetting bits
    int32_t maxSide;              // the largest side the format can store; 0: no limit of its own
    const char* sourceFormat;     // the source format (ImageProbe's name) that "same" keeps in it
    const char* sourceName;       // that source format's name in texts ("JPEG")
    const char* cameraData;       // what the format keeps of the camera data; null: none
    const char* helpNote;         // one line for the help page (help-page markers allowed)
    Encoder encode;               // null for a row that follows the source
    int32_t encodeBytesPerPixel;  // the encoder's own copies beside the picture, at most
    // The same at 50 megapixels where an encoder holds more a pixel on large
    // pictures; 0: as encodeBytesPerPixel. Between 12 and 50 megapixels the
    // two are joined by a straight line (EncodeBytesPerPixel).
    int32_t encodeBytesPerPixelAt50MP = 0;
};

// What the row's encoder holds a pixel beside a picture of pixels pixels.
double EncodeBytesPerPixel(const OutputFormatRow& row, double pixels);

// In list order. Defined beside the encoders (imaging/OutputFormatRows.cpp).
const std::vector<OutputFormatRow>& OutputFormats();
// The row of a stored value; null for a value no row holds.
const OutputFormatRow* FindOutputFormat(int32_t id);
// The row a photo is written with: the stored value's row, or for a row that
// follows the source the row keeping the photo's source format (its
// PhotoItem::strSourceFormat), JPG when no row keeps it. Null for a value no
// row holds.
const OutputFormatRow* OutputFormatFor(int32_t id, const std::string& sourceFormat);
// The extension of a format value; empty for a value no row holds.
std::string ExtensionOfFormat(int32_t id);

// ---- BMP pixel formats (iComboPixelFormat) ----

struct PixelFormatChoice {
    int32_t id;           // iComboPixelFormat as stored
    const char* entry;    // the list text
    const char* cliName;  // accepted by the command line (as is the id)
    int descriptionId;    // string number of its description
    int indexedBits;      // 1, 4 or 8 for the indexed choices, else 0 (24-bit output)
    int directBits = 0;   // 16 or 32: the depth written for a direct-colour choice; 0: 24
    bool alpha = false;   // 32 bits with an alpha channel
};

// The list in its order.
const std::vector<PixelFormatChoice>& PixelFormatChoices();
// The entry for a choice; any choice no row has (kNoListEntry among them)
// stands for 24 bits RGB.
const PixelFormatChoice& PixelFormatOf(int32_t id);

// ---- Size rules (nOuputSizeType) ----

// The record's fields a size rule reads.
enum SizeInput : unsigned {
    kUsesWidthHeight = 1u << 0,  // nOutputWidth, nOutputHeight
    kUsesKeepAspect = 1u << 1,   // nKeepAspectRatio
    kUsesStretch = 1u << 2,      // dStretchHorizontal, dStretchVertical
    kUsesLongEdge = 1u << 3,     // nLongEdge
    kUsesNoEnlarge = 1u << 4,    // bNoEnlarge: the result never has a side larger than the photo's
    kUsesCropAnchor = 1u << 5,   // nCropAnchor
    kUsesBackground = 1u << 6,   // nBackgroundColor for margins (every rule flattens onto it)
};

// The plan of the output (model/OutputPlan.h) for the source size (both
// sides > 0) and the record; reports values it cannot use through the
// prompter.
using SizeRule = OutputPlan (*)(int32_t sourceWidth, int32_t sourceHeight,
                                const OutputPhotoFormat& format, Prompter& prompter);

struct SizeRuleRow {
    int32_t id;  // nOuputSizeType as stored
    const char* cliName;
    const char* radioName;  // the options dialog's radio button (made when the form lacks it)
    const char* radioText;
    const char* proseName;  // the rule in the help page's sentences
    unsigned inputs;        // SizeInput bits
    const char* helpName;   // the help page's name of the rule's controls
    const char* helpNote;   // the help page's explanation
    SizeRule apply;
};

const std::vector<SizeRuleRow>& SizeRules();
// The row of a stored value; null for a value no row holds.
const SizeRuleRow* FindSizeRule(int32_t id);

// ---- Small fixed sets: aspect rule, rotation, flip, metadata, naming date ----

struct NamedChoice {
    int32_t id;                      // as stored in the record
    const char* cliName;             // accepted by the command line
    const char* widget;              // the options dialog's control for it; null for a list entry
    const char* text = nullptr;      // the list entry or the control's text
    const char* helpNote = nullptr;  // the help page's explanation, for a set it describes
    // What text means where the same English word stands for different
    // things ("None" camera data, "None" sharpening), so that a language
    // can word each its own way; the translation's disambiguation.
    const char* textNote = nullptr;
};

// A table text with its disambiguation, as QT_TRANSLATE_NOOP3 marks it.
struct NotedText {
    const char* source;
    const char* note;
};

const std::vector<NamedChoice>& KeepAspectChoices();
const std::vector<NamedChoice>& RotationChoices();
const std::vector<NamedChoice>& FlipChoices();
// nMetadata: which camera data (EXIF, XMP, IPTC) the outputs keep.
const std::vector<NamedChoice>& MetadataChoices();
// Whether a policy gives the outputs camera data (all and no-location).
bool KeepsMetadata(int32_t policy);

// nChroma: chroma subsampling of JPEG and AVIF (ChromaMode).
const std::vector<NamedChoice>& ChromaChoices();
// nPalette: the colour table of 4- and 8-bit BMP (PaletteMode).
const std::vector<NamedChoice>& PaletteChoices();

// The date in the output names (OutputNaming::date).
enum NamingDate : int32_t { kDateFile = 0, kDateTaken = 1 };
const std::vector<NamedChoice>& NamingDateChoices();

// nCropAnchor: the nine text anchors (their ids and names) and smart.
const std::vector<NamedChoice>& CropAnchorChoices();
// nSharpen, with the unsharp mask's amount for each strength.
const std::vector<NamedChoice>& SharpenChoices();

// The row of a set with that id; null when no row has it.
template <class Rows>
const typename Rows::value_type* FindRow(const Rows& rows, int32_t id) {
    for (const auto& row : rows)
        if (row.id == id)
            return &row;
    return nullptr;
}

// The ids of a set, in its order: what a stored value may be.
template <class Rows>
std::vector<int32_t> IdsOf(const Rows& rows) {
    std::vector<int32_t> ids;
    for (const auto& row : rows) ids.push_back(row.id);
    return ids;
}

// Success when value is one of ids; otherwise a failure about key that
// names the value.
Status CheckChoice(const char* key, const std::vector<int32_t>& ids, int32_t value);

// ---- Text anchors (TextOverlay::anchor) and effects (TextOverlay::effect) ----

struct TextAnchorRow {
    int32_t id;            // as stored in the overlay
    const char* cliName;   // accepted by the command line
    const char* listText;  // the main window's list entry
    int column;            // 0: X from the left edge, 1: from the middle, 2: from the right edge
    int row;               // 0: Y from the top edge, 1: from the middle, 2: from the bottom edge
};

// In list order.
const std::vector<TextAnchorRow>& TextAnchors();
// The row of a stored value; the top-left row for a value no row holds.
const TextAnchorRow& TextAnchorOf(int32_t value);

struct TextEffectRow {
    int32_t id;  // as stored in the overlay
    const char* cliName;
    const char* listText;
};

// In list order.
const std::vector<TextEffectRow>& TextEffects();
