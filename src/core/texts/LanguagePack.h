#pragma once
// Message texts by string number: the first override of a number, then the
// built-in English table.

#include <string>
#include <utility>
#include <vector>

// String numbers used by the conversion and the options dialog.
enum StringId : int {
    IDS_ABOUTBOX = 101,
    IDS_ERROR = 106,
    IDS_OUTPUT_WIDTH_INVALID = 111,
    IDS_OUTPUT_HEIGHT_INVALID = 112,
    IDS_SET_RESOLUTION_FAILED = 113,
    IDS_SET_INTERPOLATION_FAILED = 114,
    IDS_CONVERT_FAILED = 115,
    IDS_UNKNOWN_ROTATE_ANGLE = 116,
    IDS_ROTATE_FLIP_FAILED = 117,
    IDS_SAVE_FAILED = 118,
    IDS_WARNING = 119,
    IDS_FILE_EXISTS_REPLACE = 120,
    IDS_TEXT_X_TOO_BIG = 128,
    IDS_TEXT_Y_TOO_BIG = 129,
    IDS_TEXT_X_OUT_OF_RANGE = 130,
    IDS_TEXT_Y_OUT_OF_RANGE = 131,
    IDS_PIXEL_FORMAT_FIRST = 138,  // 138..147: pixel-format descriptions
    IDS_PIXEL_FORMAT_LAST = 147,
};

class LanguagePack {
public:
    using Override = std::pair<int, std::string>;

    LanguagePack() = default;
    explicit LanguagePack(std::vector<Override> overrides) : overrides_(std::move(overrides)) {}

    // The text of the first override with this number; when there is none,
    // or its text is empty, the built-in text (a later override of the same
    // number is not consulted); "" when neither has one. Never fails; safe
    // from any thread (the table does not change after construction).
    std::string GetText(int id) const;

    // The built-in text of a number, "" when there is none.
    static std::string BuiltInText(int id);

private:
    std::vector<Override> overrides_;
};

// The process-wide instance.
const LanguagePack& TheLanguagePack();

// TheLanguagePack().GetText(id) as the user reads it: the built-in English
// texts are marked for translation in the context "LanguagePack", numbers kept.
std::string GetText(int id);
// The same in English, for what a log or a report keeps (a result's message).
std::string EnglishText(int id);
