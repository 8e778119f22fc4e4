#pragma once
// Presets are kept in the window's settings file (settings::kWindowStore),
// group "Presets", one sub-group per name, and read and written there by the
// window and the command line alike; the other groups of that file are not
// touched.

#include <optional>
#include <string>
#include <vector>

#include "model/Preset.h"
#include "platform/Status.h"

namespace presets {

// Empty when name can name a preset; otherwise why not ("must not ..."), in
// the user's language: it is only ever shown.
std::string NameProblem(const std::string& name);

// The stored names in byte order.
std::vector<std::string> Names();

// The preset of that name; nothing when none is stored. Keys the program
// does not know (a newer version's) are passed over and a missing value
// keeps the built-in one; a value that cannot be read or that its setting
// does not take (outside the number's range, an id no row has) refuses the
// whole preset, with a failure that names the key.
Result<std::optional<Preset>> Load(const std::string& name);

// Stores the preset under name, replacing one of that name. False, with the
// reason, when the name is refused or the settings file cannot be written.
bool Save(const std::string& name, const Preset& preset, std::string* reason);

// Removes the preset of that name (none stored is no failure). False, with
// the reason, when the settings file cannot be written.
bool Remove(const std::string& name, std::string* reason);

// Where the presets are kept.
std::string Location();

// The settings last used in the window, kept in the window's own settings
// (SettingsStore) in a group of their own, field by field as presets are, so
// that every field a preset keeps comes back after a restart. The name of
// the preset last applied goes beside them (kLastPreset).
inline constexpr const char* kLastUsed = "LastUsed";
inline constexpr const char* kLastPreset = "strPresetName";
// The stored fields over the built-in ones (a value its setting does not
// take keeps the built-in one); stored tells whether any was stored.
Preset LoadLastUsed(bool* stored = nullptr);
// Fails, naming the settings file, when it could not be written.
Status SaveLastUsed(const Preset& preset);

}  // namespace presets
