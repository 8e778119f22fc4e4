#include "texts/HelpPage.h"

#include <vector>

#include "model/NumberSettings.h"
#include "model/OptionTables.h"
#include "model/RawDevelop.h"
#include "model/PhotoExtensions.h"
#include "texts/FillText.h"
#include "texts/TableProse.h"

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

std::string Row(const std::string& name, const std::string& note) {
    return "  <tr><td><b>" + Escaped(name) + "</b></td><td>" + Escaped(note) + "</td></tr>\n";
}

// "a, b, c", for a list in brackets.
std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
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
    for (const SizeRuleRow& row : SizeRules()) sizeRows += Row(row.helpName, row.helpNote);
    std::vector<std::string> extensions(PhotoExtensions(),
                                        PhotoExtensions() + kPhotoExtensionCount);

    const OutputFormatRow* builtInFormat = FindOutputFormat(OutputPhotoFormat{}.nOuptputFormat);
    const NumberSetting& quality = numbers::kQuality;

    std::string filled = page;
    ReplaceAll(filled, "@OUTPUT_FORMAT_LIST@", Escaped(Listed(formats, "or")));
    ReplaceAll(filled, "@OUTPUT_FORMAT_ROWS@", WithoutLastNewline(formatRows));
    ReplaceAll(filled, "@SIZE_RULE_ROWS@", WithoutLastNewline(sizeRows));
    ReplaceAll(filled, "@PHOTO_EXTENSIONS@", Escaped(Listed(extensions, "and")));
    ReplaceAll(filled, "@METADATA_ROWS@", ChoiceRows(MetadataChoices()));
    ReplaceAll(filled, "@NAMING_DATE_ROWS@", ChoiceRows(NamingDateChoices()));
    ReplaceAll(filled, "@RAW_DEVELOP_ROWS@", ChoiceRows(RawDevelopChoices()));
    // The lists inside sentences, of the template and of the rows above.
    const std::pair<const char*, std::string> lists[] = {
        {"@KEPT_SOURCE_FORMATS@", KeptSourceFormats()},
        {"@SOURCE_FALLBACK_FORMAT@", SourceFallbackFormat()},
        {"@CAMERA_DATA_BY_FORMAT@", CameraDataByFormat()},
        {"@QUALITY_FORMATS@", Joined(FormatNamesWith(kUsesQuality))},
        {"@LOSSLESS_FORMATS@", Joined(FormatNamesWith(kUsesLossless))},
        {"@PIXEL_FORMAT_FORMATS@", Listed(FormatNamesWith(kUsesPixelFormat), "and")},
        {"@FORMATS_WITHOUT_CAMERA_DATA@", Listed(FormatNamesWith(kUsesMetadata, false), "or")},
        {"@NO_ENLARGE_RULES@", SizeRulesInProse(kUsesNoEnlarge, "and")},
        {"@ROTATION_CHOICES@", ChoiceNamesInProse(RotationChoices(), "or")},
        {"@FLIP_CHOICES@", ChoicesInProse(FlipChoices(), "or")},
        {"@BUILT_IN_FORMAT@", builtInFormat ? builtInFormat->listText : ""},
        {"@BUILT_IN_WIDTH@", NumberText(numbers::kOutputWidth.builtIn)},
        {"@QUALITY_RANGE@", NumberText(quality.min) + "-" + NumberText(quality.max)},
        {"@QUALITY_MIN@", NumberText(quality.min)},
        {"@QUALITY_MAX@", NumberText(quality.max)},
        {"@QUALITY_BUILT_IN@", NumberText(quality.builtIn)},
    };
    for (const auto& [marker, text] : lists) ReplaceAll(filled, marker, Escaped(text));
    ReplaceAll(filled, "@COMMAND_LINE_USAGE@", Escaped(WithoutLastNewline(usageText)));
    return filled;
}
