#pragma once
// Every number the user sets, declared once: its key in the settings and the
// presets, its command-line option, its range and its built-in value. The
// options dialog, the command line, the presets and the settings store check
// a value against its row, and the usage lines and messages state the range
// from it.

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "platform/Status.h"

struct NumberSetting {
    const char* key;      // as the settings and the presets store it; null: never stored
    const char* cliName;  // the long option that sets it, without "--"; null: none
    double min;
    double max;
    // The value when none is given. Outside the range only where 0 stands
    // for "worked out by the program" (the jobs, the memory, the padding).
    double builtIn;
    bool whole;  // an integer

    constexpr int32_t WholeBuiltIn() const { return static_cast<int32_t>(builtIn); }
    // The key in messages: the stored key, else the option.
    std::string Name() const;
};

namespace numbers {

inline constexpr double kInt32Min = std::numeric_limits<int32_t>::min();
inline constexpr double kInt32Max = std::numeric_limits<int32_t>::max();
// libvips refuses larger pictures in any case.
inline constexpr double kMaxSide = 10000000;

// The output settings (OutputPhotoFormat).
inline constexpr NumberSetting kOutputWidth{
    settings::kOutputWidth, "width", 1, kMaxSide, 1024, true};
inline constexpr NumberSetting kOutputHeight{
    settings::kOutputHeight, "height", 1, kMaxSide, 768, true};
inline constexpr NumberSetting kLongEdge{"nLongEdge", "long-edge", 1, kMaxSide, 2048, true};
inline constexpr NumberSetting kQuality{settings::kJpegQuality, "quality", 1, 100, 80, true};
inline constexpr NumberSetting kStretchHorizontal{
    "dStretchHorizontal", "stretch", 0.000001, 1000000, 1, false};
inline constexpr NumberSetting kStretchVertical{
    "dStretchVertical", "stretch", 0.000001, 1000000, 1, false};
// A byte limit per output file and the lowest quality its search may use.
// The limit's 0 stands for none.
inline constexpr NumberSetting kMaxFileSize{"nMaxFileSize", "max-file-size", 0, 1e12, 0, true};
inline constexpr NumberSetting kMinQuality{"nMinQuality", "min-quality", 1, 100, 30, true};
// The resolution written into the outputs; 0 keeps the source's.
inline constexpr NumberSetting kDpi{"nDpi", "dpi", 0, 10000, 0, true};

// The text overlay (TextOverlay, and the font's size).
inline constexpr NumberSetting kTextX{"nTextX", "text-pos", kInt32Min, kInt32Max, 0, true};
inline constexpr NumberSetting kTextY{"nTextY", "text-pos", kInt32Min, kInt32Max, 0, true};
inline constexpr NumberSetting kTextSizePercent{
    "dTextSizePercent", "text-size-percent", 0, 100, 0, false};
inline constexpr NumberSetting kTextOpacity{"nTextOpacity", "text-opacity", 0, 100, 100, true};
// Kept negated as the font record's lfHeight (a negative height is the
// characters' size in pixels); 0 there stands for the built-in size.
inline constexpr NumberSetting kFontPixels{settings::kHeight, "font-px", 1, 10000, 13, true};

// The run's numbering and its resources: the command line's own.
inline constexpr NumberSetting kNumberStart{nullptr, "number-start", 0, 1000000000, 1, true};
inline constexpr NumberSetting kNumberWidth{nullptr, "number-width", 1, 10, 0, true};
inline constexpr NumberSetting kJobs{nullptr, "jobs", 1, 256, 0, true};
inline constexpr NumberSetting kMaxMemoryMiB{nullptr, "max-memory", 1, 1073741824, 0, true};

// The image watermark (ImageWatermark).
inline constexpr NumberSetting kWatermarkSizePercent{
    "dWatermarkSizePercent", "watermark-size-percent", 1, 100, 20, false};
inline constexpr NumberSetting kWatermarkOpacity{
    "nWatermarkOpacity", "watermark-opacity", 0, 100, 100, true};
inline constexpr NumberSetting kWatermarkMargin{
    "dWatermarkMargin", "watermark-margin", 0, 50, 2, false};

// Every row, for the checks that the tables and the texts agree.
const std::vector<const NumberSetting*>& All();

}  // namespace numbers

// A number as the usage lines and messages write it: 1024, 0.5, 0.000001.
std::string NumberText(double value);
// "1 to 100".
std::string RangeText(const NumberSetting& setting);

// Success when the setting takes value: a number within its range, whole
// where it must be. Otherwise a failure about the setting's key that names
// the value and the range.
Status CheckNumber(const NumberSetting& setting, double value);
// The same for a value kept as text (a preset's, the settings file's).
Result<double> ReadNumber(const NumberSetting& setting, const std::string& text);

// A stored font height (lfHeight) the font's size row takes: 0, or a pixel
// or cell size within its range.
Status CheckFontHeight(int32_t lfHeight);
