#include "model/NumberSettings.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/Words.h"

std::string NumberSetting::Name() const {
    return key ? key : std::string("--") + cliName;
}

const std::vector<const NumberSetting*>& numbers::All() {
    static const std::vector<const NumberSetting*> rows = {
        &kOutputWidth,
        &kOutputHeight,
        &kLongEdge,
        &kQuality,
        &kStretchHorizontal,
        &kStretchVertical,
        &kTextX,
        &kTextY,
        &kTextSizePercent,
        &kTextOpacity,
        &kFontPixels,
        &kNumberStart,
        &kNumberWidth,
        &kJobs,
        &kMaxMemoryMiB,
        &kMaxFileSize,
        &kMinQuality,
        &kDpi,
        &kWatermarkSizePercent,
        &kWatermarkOpacity,
        &kWatermarkMargin,
    };
    return rows;
}

std::string NumberText(double value) {
    // Fixed notation, as short as reads back exactly: 0.000001, not 1e-06.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string RangeText(const NumberSetting& setting) {
    return NumberText(setting.min) + " to " + NumberText(setting.max);
}

Status CheckNumber(const NumberSetting& setting, double value) {
    if (setting.whole && value != std::trunc(value))
        return Status::Failed(setting.Name(),
                              words::translate("Reasons", "the value %1 is not a whole number")
                                  .Arg(NumberText(value)));
    if (!(value >= setting.min && value <= setting.max))
        return Status::Failed(
            setting.Name(),
            words::translate("Reasons", "the value %1 is not between %2 and %3")
                .Arg({NumberText(value), NumberText(setting.min), NumberText(setting.max)}));
    return Status::Ok();
}

Result<double> ReadNumber(const NumberSetting& setting, const std::string& text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    double value = 0;
    bool read = false;
    if (setting.whole) {
        long long whole = 0;
        const auto result = std::from_chars(begin, end, whole);
        read = result.ec == std::errc() && result.ptr == end;
        value = static_cast<double>(whole);
    } else {
        const auto result = std::from_chars(begin, end, value, std::chars_format::general);
        read = result.ec == std::errc() && result.ptr == end && std::isfinite(value);
    }
    if (!read)
        return Status::Failed(
            setting.Name(),
            (setting.whole ? words::translate("Reasons", "the value \"%1\" is not a whole number")
                           : words::translate("Reasons", "the value \"%1\" is not a number"))
                .Arg(text));
    if (Status checked = CheckNumber(setting, value); !checked)
        return checked;
    return value;
}

Status CheckFontHeight(int32_t lfHeight) {
    // Negative: the characters' size; positive: the cell's; 0: the built-in.
    const NumberSetting& pixels = numbers::kFontPixels;
    const NumberSetting stored{pixels.key, nullptr, -pixels.max, pixels.max, -pixels.builtIn, true};
    return CheckNumber(stored, lfHeight);
}
