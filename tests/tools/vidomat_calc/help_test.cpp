// --help and the man page describe every option, and --version gives the project's
// version.
#include "calculator_fixture.h"
#include "program_run.h"

#include <gtest/gtest.h>

namespace {

// The option's name stands whole in the text: not only as the beginning of a longer one.
bool names_option(const std::string& text, const std::string& name) {
    for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        const char next = at + name.size() < text.size() ? text[at + name.size()] : '\n';
        if (next == ' ' || next == '\n' || next == '"') {
            return true;
        }
    }
    return false;
}

using HelpTest = TemporaryFolderTest;

TEST_F(HelpTest, HelpAndManPageNameEveryOption) {
    const ProgramRun help = run_calc({"--help"}, folder_);
    EXPECT_EQ(help.status, 0);
    const std::string man_page = read_whole_file(VIDOMAT_CALC_MAN_PAGE);
    for (const char* option :
         {"format", "medium", "max-size", "frames", "time", "audio", "reserve", "margin", "video",
          "video-unit", "result-unit", "settings", "json", "explain", "help", "version"}) {
        EXPECT_NE(help.out.find(std::string("--") + option + " "), std::string::npos) << option;
        std::string man_name = "\\-\\-";
        for (const char* c = option; *c != '\0'; ++c) {
            man_name += *c == '-' ? std::string("\\-") : std::string(1, *c);
        }
        EXPECT_TRUE(names_option(man_page, man_name)) << option;
    }
}

TEST_F(HelpTest, VersionIsTheProjectVersion) {
    const ProgramRun version = run_calc({"--version", "--json"}, folder_);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("vidomat-calc ") + VIDOMAT_VERSION + "\n");
}

} // namespace
