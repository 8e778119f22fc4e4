#include "settings/StoredValues.h"

#include <optional>

#include "model/OptionTables.h"
#include "platform/SettingsStore.h"
#include "platform/Words.h"

namespace {

// The stored text, or nothing when the key is missing.
std::optional<std::string> StoredText(const char* section, const char* key) {
    if (!SettingsStore::Contains(section, key))
        return std::nullopt;
    return SettingsStore::GetString(section, key, {});
}

Result<int32_t> WholeNumber(const char* key, const std::string& text) {
    int32_t value = 0;
    if (!SettingsStore::ParseInt32(text, value))
        return Status::Failed(
            key, words::translate("Reasons", "the value \"%1\" is not a whole number").Arg(text));
    return value;
}

}  // namespace

Result<int32_t> ReadStoredNumber(const char* section, const NumberSetting& row, int32_t fallback) {
    const std::optional<std::string> text = StoredText(section, row.key);
    if (!text)
        return fallback;
    Result<int32_t> value = WholeNumber(row.key, *text);
    if (!value)
        return value;
    if (Status checked = CheckNumber(row, value.Value()); !checked)
        return checked;
    return value;
}

Result<int32_t> ReadStoredChoice(const char* section, const char* key,
                                 const std::vector<int32_t>& ids, int32_t fallback) {
    const std::optional<std::string> text = StoredText(section, key);
    if (!text)
        return fallback;
    Result<int32_t> value = WholeNumber(key, *text);
    if (!value)
        return value;
    if (Status checked = CheckChoice(key, ids, value.Value()); !checked)
        return checked;
    return value;
}

std::string RefusedStoredText(const Status& refused, int32_t usedInstead) {
    return words::Filled(
        shown::translate("Messages", "The stored setting %1 is not used: %2. %3 is used instead."),
        {refused.Subject(), refused.ShownReason(), std::to_string(usedInstead)});
}
