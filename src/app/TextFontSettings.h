#pragma once
// The overlay font record and its persistence in section "CurrentFont".

#include <cstdint>
#include <string>

#include "app/SettingsStore.h"

// A font description in the platform-neutral form the settings keep: the
// members and meanings of the classic LOGFONT.
struct LogFont {
    static constexpr std::size_t kMaxFaceName = 31;  // characters

    int32_t lfHeight = settings::kDefaultHeight;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = settings::kDefaultWeight;  // 100..900, 400 normal, 700 bold
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;  // not stored
    uint8_t lfPitchAndFamily = 0;
    std::string lfFaceName;  // UTF-8, at most kMaxFaceName characters; empty: default sans-serif

    bool operator==(const LogFont&) const = default;
};

// Reads the thirteen font keys; missing or bad values give the defaults, the
// 8-bit members take the low byte, a longer face name is cut to 31 characters.
LogFont LoadTextFont();
// Writes the thirteen font keys in their fixed order.
void SaveTextFont(const LogFont& font);

// The text colour as 0x00BBGGRR ("nCurrentColor").
uint32_t LoadTextColor();
void SaveTextColor(uint32_t color);

// Cuts a UTF-8 text to at most LogFont::kMaxFaceName characters.
std::string TruncateFaceName(const std::string& name);
