#pragma once
// The per-user settings store: sections of keys with integer and string
// values, kept in the platform's native per-user store through QSettings
// (on Linux ~/.config/Harbenwick/<program name>.conf). Every call is complete
// in itself; nothing is cached.

#include <cstdint>
#include <string>

#include "platform/Prompter.h"
#include "platform/Status.h"

namespace settings {

inline constexpr const char* kMaker = "Harbenwick";

inline constexpr const char* kOption = "Option";
inline constexpr const char* kCurrentFont = "CurrentFont";
inline constexpr const char* kNaming = "Naming";

// The window's own store (the program file's name), which also holds the
// presets that the window and the command line share, in group "Presets".
inline constexpr const char* kWindowStore = "quillmere";
inline constexpr const char* kPresets = "Presets";

// Section "Option".
inline constexpr const char* kPhotoOutputFolder = "photo_output_folder";
inline constexpr const char* kBatchRenamer = "m_batch_renamer";
inline constexpr const char* kDefaultBatchRenamer = "output.photo";
inline constexpr const char* kLastPhotoFolder = "LastPhotoFolder";
inline constexpr const char* kLastBrowseFolder = "m_last_browse_fold";
inline constexpr const char* kOutputFormat = "nOuptputFormat";
inline constexpr const char* kPixelFormat = "iComboPixelFormat";
inline constexpr const char* kJpegQuality = "nCurrentJpegQuality";
inline constexpr const char* kRotateAngle = "nRotateAngel";
inline constexpr const char* kFlipType = "nFlipType";
inline constexpr const char* kSizeType = "nOuputSizeType";
inline constexpr const char* kOutputWidth = "nOutputWidth";
inline constexpr const char* kOutputHeight = "nOutputHeight";

// Section "Naming": settings that came after the original sections.
inline constexpr const char* kNamingDate = "nNamingDate";  // NamingDate

// Section "CurrentFont" (after the font keys, "nCurrentColor").
inline constexpr const char* kHeight = "lfHeight";
inline constexpr const char* kWidth = "lfWidth";
inline constexpr const char* kEscapement = "lfEscapement";
inline constexpr const char* kOrientation = "lfOrientation";
inline constexpr const char* kWeight = "lfWeight";
inline constexpr int kDefaultWeight = 400;
inline constexpr const char* kItalic = "lfItalic";
inline constexpr const char* kUnderline = "lfUnderline";
inline constexpr const char* kStrikeOut = "lfStrikeOut";
inline constexpr const char* kCharSet = "lfCharSet";
inline constexpr const char* kOutPrecision = "lfOutPrecision";
inline constexpr const char* kClipPrecision = "lfClipPrecision";
inline constexpr const char* kPitchAndFamily = "lfPitchAndFamily";
inline constexpr const char* kFaceName = "lfFaceName";
inline constexpr const char* kCurrentColor = "nCurrentColor";
inline constexpr int kDefaultCurrentColor = 0;

}  // namespace settings

class SettingsStore {
public:
    // Fixes the store's root once, before the first read: the maker's name and
    // the application name (empty: the program file's name, Qt's default).
    static void SetRoot(const std::string& maker, const std::string& application = {});

    // A missing value, or one that is not a whole number within signed 32
    // bits, reads as the default.
    static int32_t GetInt(const std::string& section, const std::string& key, int32_t defaultValue);
    // Whether a value is stored under the key.
    static bool Contains(const std::string& section, const std::string& key);
    // A missing value reads as the default.
    static std::string GetString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue);

    // Store at once; fails, naming the store's file, when the value did not
    // reach it.
    static Status WriteInt(const std::string& section, const std::string& key, int32_t value);
    static Status WriteString(const std::string& section, const std::string& key,
                              const std::string& value);
    // Tells the first write of the process that failed through the prompter;
    // the later ones would say the same of the same file.
    static void TellUnsaved(const Status& written, Prompter& prompter);

    // Where the store keeps its values (a file path on Linux).
    static std::string Location();

    // Parses stored integer text as the store does: optional blanks and
    // sign, decimal digits only, within signed 32 bits.
    static bool ParseInt32(const std::string& text, int32_t& value);
};
