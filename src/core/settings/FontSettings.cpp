#include "settings/FontSettings.h"

#include <QString>

#include <utility>
#include "model/NumberSettings.h"

namespace {

uint8_t LowByte(int32_t value) {
    return static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFF);
}

int32_t Font(const char* key, int32_t defaultValue) {
    return SettingsStore::GetInt(settings::kCurrentFont, key, defaultValue);
}

// Keeps the first failure in written.
void Keep(Status& written, Status status) {
    if (written && !status)
        written = std::move(status);
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

Status SaveTextFont(const LogFont& f) {
    using namespace settings;
    const std::pair<const char*, int32_t> numbers[] = {
        {kHeight, f.lfHeight},
        {kWidth, f.lfWidth},
        {kEscapement, f.lfEscapement},
        {kOrientation, f.lfOrientation},
        {kWeight, f.lfWeight},
        {kItalic, f.lfItalic},
        {kUnderline, f.lfUnderline},
        {kStrikeOut, f.lfStrikeOut},
        {kCharSet, f.lfCharSet},
        {kOutPrecision, f.lfOutPrecision},
        {kClipPrecision, f.lfClipPrecision},
        {kPitchAndFamily, f.lfPitchAndFamily},
    };
    Status written;
    for (const auto& [key, value] : numbers)
        Keep(written, SettingsStore::WriteInt(kCurrentFont, key, value));
    Keep(written,
         SettingsStore::WriteString(kCurrentFont, kFaceName, TruncateFaceName(f.lfFaceName)));
    return written;
}

uint32_t LoadTextColor() {
    return static_cast<uint32_t>(SettingsStore::GetInt(
        settings::kCurrentFont, settings::kCurrentColor, settings::kDefaultCurrentColor));
}

Status SaveTextColor(uint32_t color) {
    return SettingsStore::WriteInt(settings::kCurrentFont, settings::kCurrentColor,
                                   static_cast<int32_t>(color));
}
