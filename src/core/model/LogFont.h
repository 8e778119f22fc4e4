#pragma once
// The overlay font as the settings keep it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/NumberSettings.h"
#include "platform/SettingsStore.h"

// A font description in the platform-neutral form the settings keep: the
// members and meanings of the classic LOGFONT.
struct LogFont {
    static constexpr std::size_t kMaxFaceName = 31;  // characters

    int32_t lfHeight = -numbers::kFontPixels.WholeBuiltIn();  // negative: the size in pixels
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

// Cuts a UTF-8 text to at most LogFont::kMaxFaceName characters.
std::string TruncateFaceName(const std::string& name);
