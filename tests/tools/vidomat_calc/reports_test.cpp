// What vidomat-calc prints besides the fields: the JSON summary in base units and the
// calculation step by step, both worked out by hand; and output that cannot be written.
#include "calculator_fixture.h"
#include "program_run.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/wait.h>

namespace {

// The text with every run of blanks made one blank, so that columns do not matter.
std::string single_blanks(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ' || out.empty() || out.back() != ' ') {
            out += c;
        }
    }
    return out;
}

void expect_lines(const std::string& output, const std::vector<std::string>& lines) {
    const std::string text = single_blanks(output);
    for (const std::string& line : lines) {
        EXPECT_NE(text.find(line + "\n"), std::string::npos) << line << " in:\n" << output;
    }
}

using ReportsTest = TemporaryFolderTest;

TEST_F(ReportsTest, JsonSummaryHoldsTheStartUpValuesInBaseUnits) {
    const ProgramRun run = run_calc({"--json"}, folder_);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("{\"fits\": true, \"video_bits_per_second\": 10037558, "
                            "\"audio_bits_per_second\": 224000, \"result_size_bits\": "
                            "37623996400, \"max_size_bits\": 37624000000, \"reserve_bits\": 0, "
                            "\"length_seconds\": 3600, \"length_frames\": 90000, \"fields\": {",
                            0),
              0u)
        << run.out;
}

TEST_F(ReportsTest, ExplainShowsEveryStepOfTheStartUpCalculation) {
    const ProgramRun run = run_calc({"--explain"}, folder_);
    EXPECT_EQ(run.status, 0);
    expect_lines(run.out, {
                              " max. Datenmenge 37 624 000 000 bit",
                              "− reservieren 0 bit",
                              "− Overhead je Frame (90 000 Frames × 776 bit) 69 840 000 bit",
                              "− fester Overhead 580 000 000 bit",
                              "= für Audio und Video 36 974 160 000 bit",
                              "÷ Länge 3 600 s 10 270 600 b/s",
                              "− Audio-Datenrate 224 000 b/s",
                              "= für Video 10 046 600 b/s",
                              "× Sicherheitsfaktor 9 991 / 10 000 10 037 558 b/s = Video-Datenrate",
                              " Video-Datenrate wie angezeigt 10 037 558 b/s",
                              "÷ Sicherheitsfaktor 9 991 / 10 000 10 046 599 b/s",
                              "+ Audio-Datenrate wie angezeigt 224 000 b/s",
                              "= zusammen 10 270 599 b/s",
                              "× Länge 3 600 s 36 974 156 400 bit",
                              "= resultierende Datenmenge 37 623 996 400 bit",
                              " max. Datenmenge 37 624 000 000 bit passt",
                          });
}

// 5 GB = 42 949 672 960 bit: 37 624 000 000 - 42 949 672 960 - 69 840 000 - 580 000 000.
TEST_F(ReportsTest, ExplainShowsANegativeBudget) {
    const ProgramRun run = run_calc({"--explain", "--reserve", "5 GB"}, folder_);
    EXPECT_EQ(run.status, 1);
    expect_lines(run.out, {"= für Audio und Video −5 975 512 960 bit negativ: Video-Datenrate 0",
                           "= resultierende Datenmenge 44 405 912 960 bit",
                           " max. Datenmenge 37 624 000 000 bit passt nicht"});
}

TEST_F(ReportsTest, OutputThatCannotBeWrittenIsNoResult) {
    const int status = std::system(
        ("cd '" + folder_ + "' && '" VIDOMAT_CALC_PROGRAM "' --json >/dev/full 2>/dev/null")
            .c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 74);
}

} // namespace
