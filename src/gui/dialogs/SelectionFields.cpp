#include "dialogs/SelectionFields.h"

#include <array>
#include <functional>

namespace {

using F = OutputPhotoFormat;

struct FieldAccess {
    std::function<bool(const F&, const F&)> same;
    std::function<void(F& to, const F& from)> copy;
};

template <class T>
FieldAccess Member(T F::*member) {
    return {[member](const F& a, const F& b) { return a.*member == b.*member; },
            [member](F& to, const F& from) { to.*member = from.*member; }};
}

// In the order of FormatField.
const std::array<FieldAccess, static_cast<std::size_t>(FormatField::Count)>& Fields() {
    static const std::array<FieldAccess, static_cast<std::size_t>(FormatField::Count)> fields = {
        Member(&F::nOuputSizeType),    Member(&F::nOutputWidth),       Member(&F::nOutputHeight),
        Member(&F::nOuptputFormat),    Member(&F::iComboPixelFormat),  Member(&F::nCurrentJpegQuality),
        Member(&F::nKeepAspectRatio),  Member(&F::dStretchHorizontal), Member(&F::dStretchVertical),
        Member(&F::nRotateAngel),      Member(&F::nFlipType),          Member(&F::nLongEdge),
        Member(&F::bNoEnlarge),        Member(&F::bLossless),          Member(&F::nMetadata),
        Member(&F::nRawDevelop),       Member(&F::nMaxFileSize),       Member(&F::nMinQuality),
        Member(&F::bNoShrinkToFit),    Member(&F::nChroma),            Member(&F::bProgressive),
        Member(&F::nCropAnchor),       Member(&F::nBackgroundColor),   Member(&F::nSharpen),
        Member(&F::nDpi),            Member(&F::nPalette),
    };
    return fields;
}

}  // namespace

bool SameField(FormatField field, const OutputPhotoFormat& a, const OutputPhotoFormat& b) {
    return Fields()[static_cast<std::size_t>(field)].same(a, b);
}

FieldSet DifferingFields(const std::vector<OutputPhotoFormat>& formats) {
    FieldSet differing;
    for (std::size_t i = 1; i < formats.size(); ++i)
        for (std::size_t f = 0; f < differing.size(); ++f)
            if (!Fields()[f].same(formats[0], formats[i]))
                differing.set(f);
    return differing;
}

OutputPhotoFormat Merged(const OutputPhotoFormat& own, const OutputPhotoFormat& edited,
                         const FieldSet& kept) {
    OutputPhotoFormat merged = own;
    for (std::size_t f = 0; f < kept.size(); ++f)
        if (!kept[f])
            Fields()[f].copy(merged, edited);
    // A field added to the settings without its row here would be left out
    // of an edit of several photos.
    static_assert(sizeof(OutputPhotoFormat) == 120,
                  "a new field of OutputPhotoFormat needs its FormatField row");
    return merged;
}
