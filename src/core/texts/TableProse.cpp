#include "texts/TableProse.h"

#include <algorithm>

#include "platform/Words.h"
#include "texts/FillText.h"

namespace {

std::string AndWord() {
    return shown::translate("CommandLine", "and");
}

// The formats of their own in the texts' order: those that keep camera data
// first, as the texts have always named them, the others after.
std::vector<const OutputFormatRow*> FormatsInProseOrder() {
    std::vector<const OutputFormatRow*> rows;
    for (const OutputFormatRow& row : OutputFormats())
        if (!(row.settings & kFollowsSource))
            rows.push_back(&row);
    std::stable_partition(rows.begin(), rows.end(),
                          [](const OutputFormatRow* row) { return row->cameraData != nullptr; });
    return rows;
}

}  // namespace

std::string TableWords(const char* text, const char* note) {
    if (!text)
        return {};
    return note ? shown::translate("OptionTables", text, note) : words::Shown("OptionTables", text);
}

std::vector<std::string> FormatNamesWith(unsigned setting, bool want) {
    std::vector<std::string> names;
    for (const OutputFormatRow& row : OutputFormats())
        if (!(row.settings & kFollowsSource) && ((row.settings & setting) != 0) == want)
            names.push_back(TableWords(row.listText));
    return names;
}

std::string KeptSourceFormats() {
    std::vector<std::string> names;
    for (const OutputFormatRow* row : FormatsInProseOrder())
        if (row->sourceFormat)
            names.push_back(TableWords(row->sourceName));
    return Listed(names, AndWord().c_str());
}

std::string SourceFallbackFormat() {
    for (const OutputFormatRow& row : OutputFormats())
        if (row.settings & kFollowsSource)
            return TableWords(OutputFormatFor(row.id, std::string())->listText);
    return {};
}

std::string CameraDataByFormat() {
    // Groups of formats that keep the same, in the order their first one
    // comes.
    std::vector<std::pair<std::string, std::vector<std::string>>> groups;
    for (const OutputFormatRow* row : FormatsInProseOrder()) {
        const std::string kept = row->cameraData ? TableWords(row->cameraData)
                                                 : shown::translate("OptionTables", "none");
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& g) { return g.first == kept; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {kept, {}});
        group->second.push_back(TableWords(row->listText));
    }
    std::string text;
    for (const auto& [kept, names] : groups) {
        const std::string keeps = names.size() == 1
                                      ? shown::translate("OptionTables", "%1 keeps %2")
                                      : shown::translate("OptionTables", "%1 keep %2");
        text += (text.empty() ? "" : "; ") +
                words::Filled(keeps, {Listed(names, AndWord().c_str()), kept});
    }
    return text.empty() ? text : text + ".";
}

std::string ChoicesInProse(const std::vector<NamedChoice>& set, const char* last) {
    std::vector<std::string> entries;
    for (const NamedChoice& row : set)
        entries.push_back(TableWords(row.text, row.textNote) +
                          (row.helpNote ? " (" + TableWords(row.helpNote) + ")" : ""));
    return Listed(entries, last);
}

std::string ChoiceNamesInProse(const std::vector<NamedChoice>& set, const char* last) {
    std::vector<std::string> names;
    for (const NamedChoice& row : set) names.push_back(row.cliName);
    return Listed(names, last);
}

std::string SizeRulesInProse(unsigned input, const char* last) {
    std::vector<std::string> names;
    for (const SizeRuleRow& row : SizeRules())
        if (row.inputs & input)
            names.push_back(TableWords(row.proseName));
    return Listed(names, last);
}
