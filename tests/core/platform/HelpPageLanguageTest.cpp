// Help opens the user guide in the language the program speaks, as the
// desktop's variables ask for it, and the English one for any other.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

TEST(HelpPageLanguage, FollowsTheDesktopsLanguage) {
    const struct {
        const char* name;
        std::vector<std::string> env;
        const char* page;
    } cases[] = {
        {"LANGUAGE names it", {"LANGUAGE=de", "LC_ALL=C", "LANG=C"}, "Introduction.de.html"},
        {"only LANG names it", {"LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "LANG=de_DE.UTF-8"},
         "Introduction.de.html"},
        {"a country's own page", {"LANGUAGE=pt_BR", "LC_ALL=C", "LANG=C"}, "Introduction.pt_BR.html"},
        {"the first of several", {"LANGUAGE=fr:de", "LC_ALL=C", "LANG=C"}, "Introduction.fr.html"},
        {"a language without a page", {"LANGUAGE=xx", "LC_ALL=C", "LANG=C"}, "Introduction.html"},
        {"no language", {"LANGUAGE=", "LC_ALL=C", "LANG=C"}, "Introduction.html"},
    };
    testsupport::TempDir dir;
    for (const auto& c : cases) {
        const testsupport::ProgramOutcome run =
            testsupport::FinishProgram(testsupport::StartProgram({QUILLMERE_PRINT_HELP_PAGE_BIN},
                                                                 dir.path(), {}, c.env),
                                       dir.path());
        ASSERT_EQ(run.exitCode, 0) << c.name << ": " << run.err;
        const std::filesystem::path page = run.LastOutLine();
        EXPECT_EQ(page.filename(), c.page) << c.name << ": " << page;
        EXPECT_TRUE(std::filesystem::is_regular_file(page)) << c.name << ": " << page;
    }
}

}  // namespace
