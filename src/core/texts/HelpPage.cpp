#include "texts/HelpPage.h"

#include <vector>

#include "model/NumberSettings.h"
#include "model/OptionTables.h"
#include "model/RawDevelop.h"
#include "model/PhotoExtensions.h"
#include "platform/Words.h"
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
        rows += Row(TableWords(row.text, row.textNote) + " (" + row.cliName + ")",
                    TableWords(row.helpNote));
    return WithoutLastNewline(rows);
}

}  // namespace

std::string FillHelpPage(const std::string& page, const std::string& usageText) {
    // The tables' texts as the window shows them, in the loaded language.
    const std::string orWord = shown::translate("CommandLine", "or");
    const std::string andWord = shown::translate("CommandLine", "and");
    std::vector<std::string> formats;
    std::string formatRows;
    for (const OutputFormatRow& row : OutputFormats()) {
        formats.push_back(TableWords(row.listText));
        std::string note = TableWords(row.helpNote);
        if (row.maxSide > 0)
            note +=
                " " + words::Filled(shown::translate("OptionTables", "At most %1 pixels a side."),
                                    {std::to_string(row.maxSide)});
        formatRows += Row(TableWords(row.listText), note);
    }
    std::string sizeRows;
    for (const SizeRuleRow& row : SizeRules())
        sizeRows += Row(TableWords(row.helpName), TableWords(row.helpNote));
    std::vector<std::string> extensions(PhotoExtensions(),
                                        PhotoExtensions() + kPhotoExtensionCount);

    const OutputFormatRow* builtInFormat = FindOutputFormat(OutputPhotoFormat{}.nOuptputFormat);
    const NumberSetting& quality = numbers::kQuality;

    std::string filled = page;
    ReplaceAll(filled, "@OUTPUT_FORMAT_LIST@", Escaped(Listed(formats, orWord.c_str())));
    ReplaceAll(filled, "@OUTPUT_FORMAT_ROWS@", WithoutLastNewline(formatRows));
    ReplaceAll(filled, "@SIZE_RULE_ROWS@", WithoutLastNewline(sizeRows));
    ReplaceAll(filled, "@PHOTO_EXTENSIONS@", Escaped(Listed(extensions, andWord.c_str())));
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
        {"@PIXEL_FORMAT_FORMATS@", Listed(FormatNamesWith(kUsesPixelFormat), andWord.c_str())},
        {"@FORMATS_WITHOUT_CAMERA_DATA@",
         Listed(FormatNamesWith(kUsesMetadata, false), orWord.c_str())},
        {"@NO_ENLARGE_RULES@", SizeRulesInProse(kUsesNoEnlarge, andWord.c_str())},
        {"@ROTATION_CHOICES@", ChoiceNamesInProse(RotationChoices(), orWord.c_str())},
        {"@FLIP_CHOICES@", ChoicesInProse(FlipChoices(), orWord.c_str())},
        {"@BUILT_IN_FORMAT@", builtInFormat ? TableWords(builtInFormat->listText) : ""},
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
