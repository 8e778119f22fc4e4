#pragma once
// The fields of the output settings, one by one, for editing several photos
// at once: which fields the photos differ in, and a photo's own settings
// with the edited fields put in while those left alone stay its own.

#include <bitset>
#include <cstddef>
#include <vector>

#include "model/OutputPhotoFormat.h"

enum class FormatField : std::size_t {
    SizeType, Width, Height, Format, PixelFormat, Quality, KeepAspect, StretchHorizontal,
    StretchVertical, Rotate, Flip, LongEdge, NoEnlarge, Lossless, Metadata, RawDevelop,
    MaxFileSize, MinQuality, NoShrinkToFit, Chroma, Progressive, CropAnchor, Background,
    Sharpen, Dpi, Palette,
    Count,
};
using FieldSet = std::bitset<static_cast<std::size_t>(FormatField::Count)>;

inline FieldSet::reference At(FieldSet& set, FormatField field) {
    return set[static_cast<std::size_t>(field)];
}
inline bool At(const FieldSet& set, FormatField field) {
    return set[static_cast<std::size_t>(field)];
}

bool SameField(FormatField field, const OutputPhotoFormat& a, const OutputPhotoFormat& b);
// The fields in which any of formats differs from the first.
FieldSet DifferingFields(const std::vector<OutputPhotoFormat>& formats);
// own, with edited's value in every field but those kept.
OutputPhotoFormat Merged(const OutputPhotoFormat& own, const OutputPhotoFormat& edited,
                         const FieldSet& kept);
