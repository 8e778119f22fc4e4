#pragma once
// The output settings of photos: DefaultOutputPhotoFormat, which new photos
// copy, edited by Options, and the settings of listed photos, edited by Edit
// or given the defaults when the user agrees. A photo's output size is
// worked out again whenever its settings change.

#include <functional>

#include "model/OutputPhotoFormat.h"

struct PhotoItem;
class PhotoListPanel;
class Prompter;

class OutputSettingsEditor {
public:
    // The output options dialog over a format; true (format changed) on OK.
    using EditDialog = std::function<bool(OutputPhotoFormat& format)>;

    OutputSettingsEditor(PhotoListPanel& list, Prompter& prompter, EditDialog edit);

    const OutputPhotoFormat& Defaults() const { return DefaultOutputPhotoFormat; }

    // Options: the defaults in the dialog; on OK they are the defaults and
    // the listed photos get them too if the user agrees.
    void Options();
    // Edit: one dialog per selected photo, in list order, each over that
    // photo's own settings; Cancel leaves that photo as it was.
    void Edit();
    // New defaults (a preset's), offered to the listed photos as Options does.
    void SetDefaults(const OutputPhotoFormat& format);

private:
    void OfferDefaultsToList();
    void RecomputeOutputSize(PhotoItem& photo);

    PhotoListPanel& list_;
    Prompter& prompter_;
    EditDialog edit_;
    OutputPhotoFormat DefaultOutputPhotoFormat = BuiltInDefaultOutputPhotoFormat();
};
