#include "texts/TableProse.h"

#include <algorithm>

#include "texts/FillText.h"

namespace {

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

std::vector<std::string> FormatNamesWith(unsigned setting, bool want) {
    std::vector<std::string> names;
    for (const OutputFormatRow& row : OutputFormats())
        if (!(row.settings & kFollowsSource) && ((row.settings & setting) != 0) == want)
            names.push_back(row.listText);
    return names;
}

std::string KeptSourceFormats() {
    std::vector<std::string> names;
    for (const OutputFormatRow* row : FormatsInProseOrder())
        if (row->sourceFormat)
            names.push_back(row->sourceName);
    return Listed(names, "and");
}

std::string SourceFallbackFormat() {
    for (const OutputFormatRow& row : OutputFormats())
        if (row.settings & kFollowsSource)
            return OutputFormatFor(row.id, std::string())->listText;
    return {};
}

std::string CameraDataByFormat() {
    // Groups of formats that keep the same, in the order their first one
    // comes.
    std::vector<std::pair<std::string, std::vector<std::string>>> groups;
    for (const OutputFormatRow* row : FormatsInProseOrder()) {
        const std::string kept = row->cameraData ? row->cameraData : "none";
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& g) { return g.first == kept; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {kept, {}});
        group->second.push_back(row->listText);
    }
    std::string text;
    for (const auto& [kept, names] : groups)
        text += (text.empty() ? "" : "; ") + Listed(names, "and") +
                (names.size() == 1 ? " keeps " : " keep ") + kept;
    return text.empty() ? text : text + ".";
}

std::string ChoicesInProse(const std::vector<NamedChoice>& set, const char* last) {
    std::vector<std::string> entries;
    for (const NamedChoice& row : set)
        entries.push_back(std::string(row.text) +
                          (row.helpNote ? std::string(" (") + row.helpNote + ")" : ""));
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
            names.push_back(row.proseName);
    return Listed(names, last);
}
