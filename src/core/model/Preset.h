#pragma once
// A preset: run settings under a name, shared by the window and the command
// line (stored by settings/PresetStore.h).


#include "model/OutputNaming.h"
#include "model/TextOverlay.h"
#include "model/OutputPhotoFormat.h"

struct Preset {
    OutputPhotoFormat format = BuiltInDefaultOutputPhotoFormat();  // for new photos
    OutputNaming naming;  // prefix, Not rename, keep folders, date; the rest is the run's
    TextOverlay overlay;  // text, placement, font, colour, size, opacity, effect

    bool operator==(const Preset&) const = default;
};

// naming with what a preset keeps of a naming taken from presetNaming; the
// run folder and the numbering stay the run's own.
OutputNaming WithPresetNaming(const OutputNaming& naming, const OutputNaming& presetNaming);
