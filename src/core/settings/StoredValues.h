#pragma once
// Numbers and choices read back from the settings store, checked against
// what their setting takes (model/NumberSettings.h, model/OptionTables.h).

#include <cstdint>
#include <string>
#include <vector>

#include "model/NumberSettings.h"
#include "platform/Status.h"

// The stored whole number of the row's key in section: fallback when none is
// stored; a failure naming the key when the stored text is no whole number or
// lies outside the row's range. A refused value is never used.
Result<int32_t> ReadStoredNumber(const char* section, const NumberSetting& row, int32_t fallback);
// The same for a choice: the stored value must be one of ids.
Result<int32_t> ReadStoredChoice(const char* section, const char* key,
                                 const std::vector<int32_t>& ids, int32_t fallback);

// The message for a refused stored value, with the value used instead:
// "The stored setting nNamingDate is not used: the value 7 stands for no
// choice. 0 is used instead."
std::string RefusedStoredText(const Status& refused, int32_t usedInstead);
