// vidomat-calc run as a script runs it: command lines with the outcomes worked out by
// hand from the calculation (payload = max. data amount - reserve - 776 bit per frame -
// 580 000 000 bit; video rate = (payload / seconds - audio) * 9991 / 10000; result =
// seconds * (shown video * 10000 / 9991 + shown audio) + both overheads + reserve).
#include "calculator_fixture.h"
#include "program_run.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <string>
#include <vector>

namespace {

struct CommandLine {
    const char* what;
    std::vector<std::string> arguments;
    int status;
    // Lines that standard output must hold (status 0 and 1), or what the message on
    // standard error must hold (the other statuses, which print nothing on stdout).
    std::vector<std::string> expected;
};

const CommandLine command_lines[] = {
    // 4,7 GB = 37 624 000 000 bit, 90 000 frames, 3 600 s, 224 000 b/s:
    // (36 974 160 000 / 3 600 - 224 000) * 0,9991 = 10 037 558; back: 37 623 996 400 bit.
    {"start-up state",
     {},
     0,
     {"Ausgabeformat: DVD", "Medium: 4,7 GB", "max. Datenmenge: 4 703 000 000 B",
      "Länge: 90 000 Frames", "Audio-Datenrate: 224 000 b/s", "reservieren: 0 B",
      "Sicherheitsreserve (%): 0,09", "Video-Datenrate: 10 037 558 b/s",
      "resultierende Datenmenge: 4 702 999 550 B"}},
    // 5 400 s, 135 000 frames: 36 939 240 000 / 5 400 = 6 840 600; - 224 000 = 6 616 600;
    // * 0,9991 = 6 610 645. Back: 6 616 599 + 224 000 = 6 840 599; * 5 400 + 104 760 000
    // + 580 000 000 = 37 623 994 600 bit = 4 702 999 325 B.
    {"medium, time and audio",
     {"--medium", "4,7 GB", "--time", "1:30:00", "--audio", "224000"},
     0,
     {"Länge: 1 : 30 : 00 (Std : Min : Sek)", "Video-Datenrate: 6 610 645 b/s",
      "resultierende Datenmenge: 4 702 999 325 B"}},
    {"the way back gives the same data amount",
     {"--medium", "4,7 GB", "--time", "1:30:00", "--audio", "224000", "--video", "6610645"},
     0,
     {"Ausgabeformat: frei", "Video-Datenrate: 6 610 645 b/s",
      "resultierende Datenmenge: 4 702 999 325 B"}},
    // 12 000 000 * 10 000 / 9 991 = 12 010 809; + 224 000; * 3 600 + 649 840 000 =
    // 44 695 152 400 bit, above 37 624 000 000.
    {"a video rate too high for the medium",
     {"--video", "12 000 000"},
     1,
     {"Video-Datenrate: 12 000 000 b/s", "resultierende Datenmenge: 5 586 894 050 B"}},
    // 8 000 KB/s = 65 536 000 b/s: 237 598 366 000 bit = 28 323,932 4.. MB.
    {"a video rate in KB and the result in MB",
     {"--video", "8000 KB", "--result-unit", "MB"},
     1,
     {"Video-Datenrate: 8 000 KB/s", "resultierende Datenmenge: 28 323,9324 MB"}},
    // 224 000 + 192 * 1 024 = 420 608 b/s: (10 270 600 - 420 608) * 0,9991 = 9 841 127.
    {"two audio tracks, one in Kb",
     {"--audio", "224000", "--audio", "192 Kb"},
     0,
     {"Audio-Datenrate: 420 608 b/s", "Video-Datenrate: 9 841 127 b/s",
      "resultierende Datenmenge: 4 702 999 550 B"}},
    // 27,343 75 KB = 224 000 b/s exactly, + 64 000: (10 270 600 - 288 000) * 0,9991.
    {"two audio tracks, one in KB with decimals",
     {"--audio", "27,34375KB", "--audio", "64000b"},
     0,
     {"Audio-Datenrate: 288 000 b/s", "Video-Datenrate: 9 973 615 b/s"}},
    {"audio above what the medium holds per second",
     {"--audio", "10300000"},
     1,
     {"Video-Datenrate: 0 b/s"}},
    // 5 GB reserve = 42 949 672 960 bit: the payload is negative. Result: 3 600 * 224 000
    // + 649 840 000 + 42 949 672 960 = 44 405 912 960 bit.
    {"a reserve larger than the medium",
     {"--reserve", "5 GB"},
     1,
     {"reservieren: 5 GB", "Video-Datenrate: 0 b/s", "resultierende Datenmenge: 5 550 739 120 B"}},
    // 4,7 GB in bytes = 4,7 * 8 * 1 073 741 824 = 40 372 692 582 bit (rounded down).
    {"a max. data amount with a decimal point",
     {"--max-size", "4.7 GB"},
     0,
     {"Ausgabeformat: frei", "max. Datenmenge: 4,7 GB", "Video-Datenrate: 10 800 395 b/s",
      "resultierende Datenmenge: 5 046 585 800 B"}},
    // The shown video rate stays the one read back before the unit changed.
    {"the video rate shown in Mb",
     {"--video-unit", "Mb"},
     0,
     {"Video-Datenrate: 9,572561 Mb/s", "resultierende Datenmenge: 4 702 999 550 B"}},
    // 4 702 999 550 B / 1 073 741 824 = 4,380 009 7.. GB.
    {"the result shown in GB",
     {"--result-unit", "GB"},
     0,
     {"resultierende Datenmenge: 4,3800097 GB"}},
    {"a medium of the CD list typed in DVD format",
     {"--medium", "700 MB / 80 Min."},
     0,
     {"Ausgabeformat: DVD", "Medium: 700 MB / 80 Min.", "max. Datenmenge: 700 000 000 B"}},
    {"the free format", {"--format", "frei"}, 0, {"Ausgabeformat: frei", "Medium: 4,7 GB"}},
    {"a margin of 2,5 %", {"--margin", "2.5"}, 0, {"Sicherheitsreserve (%): 2,5"}},

    {"unknown option", {"--bogus"}, 64, {"„--bogus“"}},
    {"missing value", {"--medium"}, 64, {"--medium"}},
    {"an argument without option", {"4,7 GB"}, 64, {"„4,7 GB“"}},
    {"frames and time", {"--frames", "90000", "--time", "1:00:00"}, 64, {"--frames", "--time"}},
    {"json and explain", {"--json", "--explain"}, 64, {"--json", "--explain"}},
    {"an option twice", {"--medium", "4,7 GB", "--medium=13 GB"}, 64, {"--medium"}},

    {"a number with a letter", {"--audio", "12x"}, 65, {"--audio", "„12x“"}},
    {"two decimal points", {"--max-size", "4.7.1"}, 65, {"--max-size", "„4.7.1“"}},
    {"an unknown unit", {"--reserve", "1 TB"}, 65, {"--reserve", "Einheit"}},
    {"ten decimals", {"--max-size", "0,0000000001 GB"}, 65, {"--max-size"}},
    {"a video rate beyond 32 bits", {"--video", "4294967296"}, 65, {"--video", "4 294 967 295"}},
    {"an audio rate beyond 32 bits in its unit", {"--audio", "1 GB"}, 65, {"--audio"}},
    {"audio tracks adding up beyond 32 bits",
     {"--audio", "4000000000", "--audio", "300000000"},
     65,
     {"--audio", "Summe"}},
    {"a medium that names none",
     {"--medium", "4,8 GB"},
     65,
     {"--medium", "„4,8 GB“", "1,4 GB, 2,6 GB, 4,7 GB, 8,5 GB, 9,4 GB, 13 GB, 17 GB"}},
    {"a format the dialog does not offer", {"--format", "vcd"}, 65, {"--format", "„vcd“"}},
    {"a margin of 100 %", {"--margin", "100"}, 65, {"--margin", "100 %"}},
    {"frames with a comma", {"--frames", "1,5"}, 65, {"--frames"}},
    {"frames of less than a second", {"--frames", "11"}, 65, {"--frames", "12 Frames"}},
    {"four time parts", {"--time", "1:2:3:4"}, 65, {"--time"}},
    {"a unit name in lower case", {"--video-unit", "kb"}, 65, {"--video-unit", "„kb“"}},
};

class CommandLineTest : public TemporaryFolderTest,
                        public ::testing::WithParamInterface<CommandLine> {};

TEST_P(CommandLineTest, GivesTheWorkedOutOutcome) {
    const CommandLine& line = GetParam();
    const ProgramRun run = run_calc(line.arguments, folder_);
    EXPECT_EQ(run.status, line.status) << run.err;
    const bool printed = line.status == 0 || line.status == 1;
    const std::string& where = printed ? run.out : run.err;
    for (const std::string& expected : line.expected) {
        EXPECT_NE(where.find(printed ? expected + "\n" : expected), std::string::npos)
            << "expected \"" << expected << "\" in:\n"
            << where;
    }
    if (printed) {
        EXPECT_EQ(run.err, "");
    } else {
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("vidomat-calc: ", 0), 0u) << run.err;
    }
}

std::string case_name(const ::testing::TestParamInfo<CommandLine>& info) {
    std::string name;
    for (const char* c = info.param.what; *c != '\0'; ++c) {
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineTest, ::testing::ValuesIn(command_lines), case_name);

} // namespace
