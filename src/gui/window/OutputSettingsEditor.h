#pragma once
// The output settings of photos: DefaultOutputPhotoFormat, which new photos
// copy, edited by Options, and the settings of listed photos, edited by Edit
// or given the defaults when the user agrees. A photo's output size is
// worked out again whenever its settings change.

#include <QCoreApplication>

#include <functional>
#include <vector>

#include "model/OutputPhotoFormat.h"

struct PhotoItem;
class PhotoListPanel;
class Prompter;

class OutputSettingsEditor {
    Q_DECLARE_TR_FUNCTIONS(OutputSettingsEditor)

public:
    // The output options dialog over a format; true (format changed) on OK.
    using EditDialog = std::function<bool(OutputPhotoFormat& format)>;
    // One dialog over several photos' settings; true on OK, each as left.
    using EditSelection = std::function<bool(std::vector<OutputPhotoFormat>& formats)>;

    OutputSettingsEditor(PhotoListPanel& list, Prompter& prompter, EditDialog edit,
                         EditSelection editSelection);

    const OutputPhotoFormat& Defaults() const { return DefaultOutputPhotoFormat; }

    // Options: the defaults in the dialog; on OK they are the defaults and
    // the listed photos get them too if the user agrees.
    void Options();
    // Edit: one dialog for the selected photos; OK gives each what was set
    // (fields left different stay each photo's own), Cancel leaves them all.
    void Edit();
    // New defaults (a preset's), offered to the listed photos as Options does.
    void SetDefaults(const OutputPhotoFormat& format);

private:
    void OfferDefaultsToList();
    void RecomputeOutputSize(PhotoItem& photo);
    static void ForgetLastResult(PhotoItem& photo);

    PhotoListPanel& list_;
    Prompter& prompter_;
    EditDialog edit_;
    EditSelection editSelection_;
    OutputPhotoFormat DefaultOutputPhotoFormat = BuiltInDefaultOutputPhotoFormat();
};
