#include "settings/FontSettings.h"

#include <QString>

#include "model/NumberSettings.h"

namespace {

uint8_t LowByte(int32_t value) {
    return static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFF);
}

int32_t Font(const char* key, int32_t defaultValue) {
    return SettingsStore::GetInt(settings::kCurrentFont, key, defaultValue);
}

void WriteFont(const char* key, int32_t value) {
    SettingsStore::WriteInt(settings::kCurrentFont, key, value);
}

}  // namespace

LogFont LoadTextFont(Status* refused) {
    using namespace settings;
    LogFont f;
    const int32_t height = Font(kHeight, f.lfHeight);
    if (Status checked = CheckFontHeight(height); checked)
        f.lfHeight = height;
    else if (refused)
        *refused = checked;
    f.lfWidth = Font(kWidth, 0);
    f.lfEscapement = Font(kEscapement, 0);
    f.lfOrientation = Font(kOrientation, 0);
    f.lfWeight = Font(kWeight, kDefaultWeight);
    f.lfItalic = LowByte(Font(kItalic, 0));
    f.lfUnderline = LowByte(Font(kUnderline, 0));
    f.lfStrikeOut = LowByte(Font(kStrikeOut, 0));
    f.lfCharSet = LowByte(Font(kCharSet, 0));
    f.lfOutPrecision = LowByte(Font(kOutPrecision, 0));
    f.lfClipPrecision = LowByte(Font(kClipPrecision, 0));
    f.lfPitchAndFamily = LowByte(Font(kPitchAndFamily, 0));
    f.lfFaceName = TruncateFaceName(SettingsStore::GetString(kCurrentFont, kFaceName, ""));
    return f;
}

void SaveTextFont(const LogFont& f) {
    using namespace settings;
    WriteFont(kHeight, f.lfHeight);
    WriteFont(kWidth, f.lfWidth);
    WriteFont(kEscapement, f.lfEscapement);
    WriteFont(kOrientation, f.lfOrientation);
    WriteFont(kWeight, f.lfWeight);
    WriteFont(kItalic, f.lfItalic);
    WriteFont(kUnderline, f.lfUnderline);
    WriteFont(kStrikeOut, f.lfStrikeOut);
    WriteFont(kCharSet, f.lfCharSet);
    WriteFont(kOutPrecision, f.lfOutPrecision);
    WriteFont(kClipPrecision, f.lfClipPrecision);
    WriteFont(kPitchAndFamily, f.lfPitchAndFamily);
    SettingsStore::WriteString(kCurrentFont, kFaceName, TruncateFaceName(f.lfFaceName));
}

uint32_t LoadTextColor() {
    return static_cast<uint32_t>(SettingsStore::GetInt(
        settings::kCurrentFont, settings::kCurrentColor, settings::kDefaultCurrentColor));
}

void SaveTextColor(uint32_t color) {
    SettingsStore::WriteInt(settings::kCurrentFont, settings::kCurrentColor,
                            static_cast<int32_t>(color));
}
