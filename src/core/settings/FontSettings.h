#pragma once
// The overlay font and colour kept in section "CurrentFont".

#include <cstdint>
#include <string>

#include "model/LogFont.h"
#include "platform/SettingsStore.h"
#include "platform/Status.h"

// Reads the thirteen font keys; missing or bad values give the defaults, the
// 8-bit members take the low byte, a longer face name is cut to 31 characters.
// A stored height outside the font size's range is not used either: the
// built-in height replaces it, and refused (when given) names the key.
LogFont LoadTextFont(Status* refused = nullptr);
// Writes the thirteen font keys in their fixed order, all of them even after
// one fails; the first failure.
Status SaveTextFont(const LogFont& font);

// The text colour as 0x00BBGGRR ("nCurrentColor").
uint32_t LoadTextColor();
Status SaveTextColor(uint32_t color);
