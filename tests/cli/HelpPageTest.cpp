// The help page lists exactly what the program's tables hold.

#include <gtest/gtest.h>

#include <QTranslator>

#include <regex>

#include "texts/DesktopEntry.h"
#include "texts/HelpPage.h"
#include "CliOptions.h"
#include "model/OptionTables.h"
#include "gather/PhotoGathering.h"
#include "support/TestSupport.h"

namespace {

// A file under src/res, where the templates are kept.
std::string Resource(const std::string& name) {
    return testsupport::ReadAll(testsupport::TestSourceDir() + "/../src/res/" + name);
}

TEST(HelpPageTest, EveryChoiceAndOptionIsListedAndNoMarkerIsLeft) {
    const std::string page = FillHelpPage(Resource("Introduction.html.in"), UsageText());
    ASSERT_GT(page.size(), 5000u);
    EXPECT_FALSE(std::regex_search(page, std::regex("@[A-Z_]+@"))) << "a marker nothing fills";
    for (const OutputFormatRow& row : OutputFormats())
        EXPECT_NE(page.find("<tr><td><b>" + std::string(row.listText) + "</b></td><td>"),
                  std::string::npos)
            << row.listText;
    for (const SizeRuleRow& row : SizeRules())
        EXPECT_NE(page.find(row.helpName), std::string::npos) << row.cliName;
    for (const auto* set : {&MetadataChoices(), &NamingDateChoices()})
        for (const NamedChoice& row : *set)
            EXPECT_NE(page.find("<tr><td><b>" + std::string(row.text) + " (" + row.cliName + ")</b></td><td>"),
                      std::string::npos)
                << row.cliName;
    // Exactly the folder search's extensions, in its order.
    std::smatch listed;
    ASSERT_TRUE(std::regex_search(page, listed, std::regex("extensions ([^<]*) are")));
    const std::string expected = std::regex_replace(listed.str(1), std::regex(",? and |, |\\s+"), "|");
    std::string table;
    for (int i = 0; i < kPhotoExtensionCount; ++i)
        table += (i ? "|" : "") + std::string(PhotoExtensions()[i]);
    EXPECT_EQ(expected, table);
    const std::string usage = UsageText();
    std::smatch option;
    for (auto at = usage.cbegin();
         std::regex_search(at, usage.cend(), option, std::regex("--[a-z][a-z-]+")); at = option[0].second)
        EXPECT_NE(page.find(option.str()), std::string::npos) << option.str();
}

// The page of each language is made whole and speaks it where the tables
// fill it: a format's note, the usage text's first line, the list's "or".
TEST(HelpPageTest, EachLanguagesPageIsFilledInItsLanguage) {
    const std::string folder = QUILLMERE_BUILD_DATA_DIR;
    const struct {
        const char* language;
        const char* htmlLang;
    } pages[] = {{"de", "de"}, {"fr", "fr"}, {"es", "es"},       {"it", "it"},
                 {"pt_BR", "pt-BR"}, {"pl", "pl"}, {"ja", "ja"}, {"zh_CN", "zh-CN"}};
    const std::string usage = UsageText();
    for (const auto& p : pages) {
        const std::string page =
            testsupport::ReadAll(folder + "/Introduction." + p.language + ".html");
        ASSERT_GT(page.size(), 5000u) << p.language;
        QTranslator translator;
        ASSERT_TRUE(translator.load(QString::fromStdString(folder + "/translations/quillmere_" +
                                                           p.language + ".qm")));
        const auto shown = [&](const char* context, const std::string& text) {
            return translator.translate(context, text.c_str()).toStdString();
        };
        EXPECT_NE(page.find(std::string("<html lang=\"") + p.htmlLang + "\">"), std::string::npos)
            << p.language;
        EXPECT_FALSE(std::regex_search(page, std::regex("@[A-Z_]+@"))) << p.language;
        const std::string note = shown("OptionTables", FindOutputFormat(kFormatPng)->helpNote);
        ASSERT_FALSE(note.empty()) << p.language << ": the PNG note is not translated";
        EXPECT_NE(page.find("<td><b>PNG</b></td><td>" + note + "</td>"), std::string::npos)
            << p.language << ": " << note;
        const std::string usageShown = shown("CommandLine", usage.substr(0, usage.find("\n\n") + 1));
        EXPECT_NE(page.find(usageShown.substr(0, usageShown.find('\n'))), std::string::npos)
            << p.language << ": the usage text";
        const std::string lastFormat = " " + shown("CommandLine", "or") + " " +
                                       shown("OptionTables", OutputFormats().back().listText);
        EXPECT_NE(page.find(lastFormat), std::string::npos) << p.language << ": " << lastFormat;
    }
}

// A file manager offers the program for every photo it reads, and hands the
// files over as arguments.
TEST(DesktopEntryTest, OffersEveryReadFormat) {
    const std::string entry = FillDesktopEntry(Resource("quillmere.desktop.in"));
    EXPECT_NE(entry.find("\nExec=quillmere %F\n"), std::string::npos);
    std::smatch line;
    ASSERT_TRUE(std::regex_search(entry, line, std::regex("\nMimeType=([^\n]*);\n")));
    const std::string types = ";" + line.str(1) + ";";
    for (const char* type : {"image/jpeg", "image/png", "image/tiff", "image/bmp", "image/gif",
                             "image/webp", "image/heic", "image/heif", "image/avif", "image/jxl"})
        EXPECT_NE(types.find(std::string(";") + type + ";"), std::string::npos) << type;
    EXPECT_EQ(types.find("octet-stream"), std::string::npos);
}

}  // namespace
