#pragma once
// Presets: run settings under a name, shared by the window and the command
// line. Both read and write them in the window's settings file
// (settings::kWindowStore), group "Presets", one sub-group per name; the
// other groups of that file are not touched.

#include <optional>
#include <string>
#include <vector>

#include "convert/RunNaming.h"
#include "convert/TextOverlay.h"
#include "options/OutputPhotoFormat.h"

struct Preset {
    OutputPhotoFormat format = BuiltInDefaultOutputPhotoFormat();  // for new photos
    OutputNaming naming;  // prefix, Not rename, keep folders, date; the rest is the run's
    TextOverlay overlay;  // text, placement, font, colour, size, opacity, effect

    bool operator==(const Preset&) const = default;
};

// naming with what a preset keeps of a naming taken from presetNaming; the
// run folder and the numbering stay the run's own.
OutputNaming WithPresetNaming(const OutputNaming& naming, const OutputNaming& presetNaming);

namespace presets {

// Empty when name can name a preset; otherwise why not ("must not ...").
std::string NameProblem(const std::string& name);

// The stored names in byte order.
std::vector<std::string> Names();

// The preset of that name; nothing when none is stored. Keys the program
// does not know (a newer version's) are passed over; a missing value, or one
// that cannot be read or lies outside its field's range, keeps the built-in
// value.
std::optional<Preset> Load(const std::string& name);

// Stores the preset under name, replacing one of that name. False, with the
// reason, when the name is refused or the settings file cannot be written.
bool Save(const std::string& name, const Preset& preset, std::string* reason);

// Removes the preset of that name (none stored is no failure). False, with
// the reason, when the settings file cannot be written.
bool Remove(const std::string& name, std::string* reason);

// Where the presets are kept.
std::string Location();

}  // namespace presets
