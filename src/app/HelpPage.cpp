#include "app/HelpPage.h"

#include <vector>

#include "options/OptionTables.h"
#include "photolist/PhotoGathering.h"

namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

// "a, b, c and d" (or "or").
std::string Listed(const std::vector<std::string>& items, const char* last) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? std::string(" ") + last + " " : ", ";
        text += items[i];
    }
    return text;
}

std::string Row(const std::string& name, const std::string& note) {
    return "  <tr><td><b>" + Escaped(name) + "</b></td><td>" + Escaped(note) + "</td></tr>\n";
}

void Replace(std::string& page, const std::string& marker, const std::string& value) {
    for (std::size_t at = page.find(marker); at != std::string::npos;
         at = page.find(marker, at + value.size()))
        page.replace(at, marker.size(), value);
}

std::string WithoutLastNewline(std::string text) {
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

std::string ChoiceRows(const std::vector<NamedChoice>& set) {
    std::string rows;
    for (const NamedChoice& row : set)
        rows += Row(row.text + std::string(" (") + row.cliName + ")", row.helpNote);
    return WithoutLastNewline(rows);
}

}  // namespace

std::string FillHelpPage(const std::string& page, const std::string& usageText) {
    std::vector<std::string> formats;
    std::string formatRows;
    for (const OutputFormatRow& row : OutputFormats()) {
        formats.push_back(row.listText);
        std::string note = row.helpNote;
        if (row.maxSide > 0)
            note += " At most " + std::to_string(row.maxSide) + " pixels a side.";
        formatRows += Row(row.listText, note);
    }
    std::string sizeRows;
    for (const SizeRuleRow& row : SizeRules())
        sizeRows += Row(row.helpName, row.helpNote);
    std::vector<std::string> extensions(PhotoExtensions(), PhotoExtensions() + kPhotoExtensionCount);

    std::string filled = page;
    Replace(filled, "@OUTPUT_FORMAT_LIST@", Escaped(Listed(formats, "or")));
    Replace(filled, "@OUTPUT_FORMAT_ROWS@", WithoutLastNewline(formatRows));
    Replace(filled, "@SIZE_RULE_ROWS@", WithoutLastNewline(sizeRows));
    Replace(filled, "@PHOTO_EXTENSIONS@", Escaped(Listed(extensions, "and")));
    Replace(filled, "@METADATA_ROWS@", ChoiceRows(MetadataChoices()));
    Replace(filled, "@NAMING_DATE_ROWS@", ChoiceRows(NamingDateChoices()));
    Replace(filled, "@COMMAND_LINE_USAGE@", Escaped(WithoutLastNewline(usageText)));
    return filled;
}
