// The translations as a desktop user starts the programs: LANG=C with
// LANGUAGE naming the language, and the command line asking for texts
// before it has an application.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDate>
#include <QTranslator>

#include <cstdlib>
#include <memory>

#include "model/OptionTables.h"
#include "platform/Words.h"
#include "platform/DisplayLocale.h"
#include "texts/Translations.h"

namespace {

TEST(Translations, FrenchDatesAndNumbersWhenOnlyLanguageNamesIt) {
    EXPECT_EQ(DisplayLocale().language(), QLocale::French) << DisplayLocale().name().toStdString();
    // The language's own forms, not the plain C ones LANG gives.
    EXPECT_EQ(DisplayLocale().toString(QDate(2026, 12, 8), QLocale::ShortFormat), "08/12/2026");
    EXPECT_EQ(DisplayLocale().toString(1.5), "1,5");
}

TEST(Translations, SameTextBeforeAndAfterTheApplication) {
    constexpr const char* kText = "no photos to convert";
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    LoadTranslations();
    const QString before = Translate("CommandLine", kText);
    int argc = 1;
    char name[] = "translations-test";
    char* argv[] = {name, nullptr};
    const auto app = std::make_unique<QCoreApplication>(argc, argv);
    LoadTranslations();
    EXPECT_EQ(Translate("CommandLine", kText), before);
    EXPECT_EQ(QCoreApplication::translate("CommandLine", kText), before);
    if (before == QLatin1String(kText))
        GTEST_SKIP() << "no French translation of \"" << kText << "\" yet";
}

TEST(Words, FilledOnceWithWhatPathsSay) {
    // A value's own "%2" (a folder named so) is never filled again.
    EXPECT_EQ(words::Filled("preset '%1' saved in %2", {"web", "/home/a/%2/presets"}),
              "preset 'web' saved in /home/a/%2/presets");
    EXPECT_EQ(words::Filled("%2 before %1", {"one", "two"}), "two before one");
    EXPECT_EQ(words::Filled("50% of %1, %3 unknown", {"x"}), "50% of x, %3 unknown");
    const Words said =
        words::translate("CommandLine", "stopped: %n photos not started", nullptr, 3);
    EXPECT_EQ(said.english, "stopped: 3 photos not started");
}

// One %n text each: English reads its own singular, whatever language shows.
TEST(Words, EnglishFormsOfOnePluralText) {
    LoadTranslations();
    const struct {
        int n;
        const char* english;
    } rows[] = {{1, "stopped: 1 photo not started"}, {2, "stopped: 2 photos not started"}};
    for (const auto& row : rows)
        EXPECT_EQ(words::translate("CommandLine", "stopped: %n photos not started", nullptr, row.n)
                      .english,
                  row.english);
}

// The same English word for different things reads right in each: Italian
// camera data "Nessuno", sharpening "Nessuna".
TEST(Translations, TableTextsWithOneEnglishWordReadApart) {
    LoadTranslations();
    QTranslator italian;
    ASSERT_TRUE(italian.load(TranslationsFolder() + QStringLiteral("/quillmere_it.qm")));
    const auto shown = [&](const NamedChoice& row) {
        return italian.translate("OptionTables", row.text, row.textNote);
    };
    EXPECT_EQ(shown(MetadataChoices().front()), "Nessuno");
    EXPECT_EQ(shown(SharpenChoices().front()), "Nessuna");
}

}  // namespace

int main(int argc, char** argv) {
    // As a desktop session without a locale of its own but a language asked for.
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", "C", 1);
    setenv("LANGUAGE", "fr", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
