// For random option sets, vidomat-calc --json prints "fields" and "state" exactly as
// vidomat-script's snapshot prints them after the same actions written as a scenario
// script: format, medium, max. data amount, length, audio, reserve, margin, video rate,
// units, each unit set by clicking its Bytes/Bits button and choosing in its selector.
#include "calculator_fixture.h"
#include "program_run.h"
#include "remembered_record.h"
#include "shell/control_ids.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

const char* const dvd_media[] = {"1,4 GB", "2,6 GB", "4,7 GB", "8,5 GB",
                                 "9,4 GB", "13 GB",  "17 GB"};
const char* const cd_media[] = {"650 MB / 74 Min.", "700 MB / 80 Min.", "740 MB / 84 Min.",
                                "800 MB / 90 Min.", "870 MB / 99 Min."};
const char* const unit_names[] = {"B", "KB", "MB", "GB", "b", "Kb", "Mb", "Gb"};

struct Value {
    std::string text;       // as written on the command line
    std::string field_text; // as pasted: a decimal point becomes a comma
    int unit;               // index into unit_names, or -1
};

class Generator {
  public:
    explicit Generator(uint32_t seed) : random_(seed) {}

    uint64_t below(uint64_t bound) {
        return std::uniform_int_distribution<uint64_t>(0, bound - 1)(random_);
    }
    bool chance(uint32_t percent) {
        return below(100) < percent;
    }

    // A number below `whole_bound` with up to `max_decimals` decimals, in digits or in
    // groups of three, with a unit from `units` or none.
    Value number(uint64_t whole_bound, uint32_t max_decimals, const std::vector<int>& units) {
        const uint64_t whole = below(whole_bound);
        std::string digits = std::to_string(whole);
        if (chance(30)) {
            for (size_t at = digits.size() > 3 ? digits.size() - 3 : 0; at > 0;
                 at = at > 3 ? at - 3 : 0) {
                digits.insert(at, " ");
            }
        }
        Value value{digits, digits, -1};
        const uint32_t decimals = static_cast<uint32_t>(below(max_decimals + 1));
        if (decimals > 0) {
            std::string fraction;
            for (uint32_t i = 0; i < decimals; ++i) {
                fraction += static_cast<char>('0' + below(10));
            }
            const char point = chance(50) ? ',' : '.';
            value.text += point + fraction;
            value.field_text += "," + fraction;
        }
        if (!units.empty() && chance(70)) {
            value.unit = units[below(units.size())];
            value.text += std::string(chance(50) ? " " : "") + unit_names[value.unit];
        }
        return value;
    }

  private:
    std::mt19937 random_;
};

// The exact value in bits (per second) of a number in a unit, rounded down.
uint64_t bits_of(const Value& value) {
    const size_t comma = value.field_text.find(',');
    std::string digits;
    for (const char c : value.field_text) {
        digits += (c >= '0' && c <= '9') ? std::string(1, c) : "";
    }
    uint64_t scale = 1;
    for (size_t i = comma == std::string::npos ? 0 : value.field_text.size() - comma - 1; i > 0;
         --i) {
        scale *= 10;
    }
    const int unit = value.unit < 0 ? 4 : value.unit; // the audio field starts in "b"
    const uint64_t factor = (unit < 4 ? 8u : 1u) << (10 * (unit % 4));
    return std::stoull(digits) * factor / scale;
}

struct Scenario {
    std::vector<std::string> arguments;
    std::string script;
};

void set_unit(std::string& script, int unit, uint32_t bytes_radio, uint32_t bits_radio,
              uint32_t selector) {
    script += "click " + std::to_string(unit < 4 ? bytes_radio : bits_radio) + "\n";
    script += "choose " + std::to_string(selector) + " " + unit_names[unit] + "\n";
}

void add_quantity(Scenario& scenario, Generator& generate, const char* option, uint64_t bound,
                  const std::vector<int>& units, uint32_t field, uint32_t bytes_radio,
                  uint32_t bits_radio, uint32_t selector) {
    const Value value = generate.number(bound, 3, units);
    scenario.arguments.insert(scenario.arguments.end(), {option, value.text});
    if (value.unit >= 0) {
        set_unit(scenario.script, value.unit, bytes_radio, bits_radio, selector);
    }
    scenario.script += "paste " + std::to_string(field) + " " + value.field_text + "\nkey enter\n";
}

Scenario random_scenario(Generator& generate) {
    Scenario scenario;
    bool free_format = false;
    if (generate.chance(25)) {
        scenario.arguments.insert(scenario.arguments.end(), {"--settings", "mine.ini"});
        scenario.script += "file hex ";
        for (const char byte : remembered_record()) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02x", static_cast<uint8_t>(byte));
            scenario.script += hex;
        }
        scenario.script += "\n";
        free_format = true;
    }
    if (generate.chance(40)) {
        free_format = generate.chance(50);
        scenario.arguments.insert(scenario.arguments.end(),
                                  {"--format", free_format ? "frei" : "dvd"});
        scenario.script += free_format ? "click 1193\n" : "click 1189\n";
    }
    if (generate.chance(50)) {
        const bool cd = generate.chance(40);
        std::string medium = cd ? cd_media[generate.below(5)] : dvd_media[generate.below(7)];
        const bool typed = generate.chance(20);
        if (typed) {
            medium += " Rohling";
        }
        scenario.arguments.insert(scenario.arguments.end(), {"--medium", medium});
        const bool listed = !typed && (!cd || free_format);
        scenario.script +=
            listed ? "choose 174 " + medium + "\n" : "paste 174 " + medium + "\nkey enter\n";
    }
    if (generate.chance(40)) {
        add_quantity(scenario, generate, "--max-size", 20000, {0, 1, 2, 3, 4, 5, 6, 7},
                     field_max_size, radio_max_size_bytes, radio_max_size_bits, selector_max_size);
    }
    if (generate.chance(50)) {
        if (generate.chance(50)) {
            const std::string frames = std::to_string(12 + generate.below(300000));
            scenario.arguments.insert(scenario.arguments.end(), {"--frames", frames});
            scenario.script += "click 1198\npaste 169 " + frames + "\nkey enter\n";
        } else {
            const std::string time = std::to_string(generate.below(4)) + ":" +
                                     std::to_string(generate.below(60)) + ":" +
                                     std::to_string(1 + generate.below(59));
            scenario.arguments.insert(scenario.arguments.end(), {"--time", time});
            scenario.script += "click 1199\npaste 169 " + time + "\nkey enter\n";
        }
    }
    const uint64_t tracks = generate.chance(50) ? 0 : 1 + generate.below(3);
    uint64_t audio_sum = 0;
    for (uint64_t track = 0; track < tracks; ++track) {
        const int units = static_cast<int>(generate.below(2)) * 4 + 1; // KB or Kb
        Value value = generate.number(400, 3, {units, 4});
        scenario.arguments.insert(scenario.arguments.end(), {"--audio", value.text});
        audio_sum += bits_of(value);
        if (tracks == 1) {
            if (value.unit >= 0) {
                set_unit(scenario.script, value.unit, radio_audio_bytes, radio_audio_bits,
                         selector_audio);
            }
            scenario.script += "paste 175 " + value.field_text + "\nkey enter\n";
        }
    }
    if (tracks > 1) {
        scenario.script +=
            "click 1203\nchoose 176 b\npaste 175 " + std::to_string(audio_sum) + "\nkey enter\n";
    }
    if (generate.chance(30)) {
        add_quantity(scenario, generate, "--reserve", 300, {0, 1, 2, 3, 4, 5, 6, 7}, field_reserve,
                     radio_reserve_bytes, radio_reserve_bits, selector_reserve);
    }
    if (generate.chance(30)) {
        const Value margin = generate.number(100, 3, {});
        scenario.arguments.insert(scenario.arguments.end(), {"--margin", margin.text});
        scenario.script += "paste 182 " + margin.field_text + "\nkey enter\n";
    }
    if (generate.chance(30)) {
        // Units in which 4 000 stays below 2^32 bits per second.
        add_quantity(scenario, generate, "--video", 4000, {0, 1, 4, 5, 6}, field_video_rate,
                     radio_video_bytes, radio_video_bits, selector_video);
    }
    if (generate.chance(30)) {
        const int unit = static_cast<int>(generate.below(8));
        scenario.arguments.insert(scenario.arguments.end(), {"--video-unit", unit_names[unit]});
        set_unit(scenario.script, unit, radio_video_bytes, radio_video_bits, selector_video);
    }
    if (generate.chance(30)) {
        const int unit = static_cast<int>(generate.below(8));
        scenario.arguments.insert(scenario.arguments.end(), {"--result-unit", unit_names[unit]});
        set_unit(scenario.script, unit, radio_result_bytes, radio_result_bits, selector_result);
    }
    scenario.arguments.push_back("--json");
    scenario.script += "dump\n";
    return scenario;
}

// The value of a key that holds an object, up to its closing brace at `depth` 0.
std::string object_at(const std::string& json, const std::string& key) {
    const size_t start = json.find("\"" + key + "\": {");
    if (start == std::string::npos) {
        return "";
    }
    const size_t open = json.find('{', start);
    int depth = 0;
    bool in_string = false;
    for (size_t i = open; i < json.size(); ++i) {
        const char c = json[i];
        if (in_string) {
            i += c == '\\' ? 1 : 0;
            in_string = c != '"';
        } else if (c == '"') {
            in_string = true;
        } else if (c == '{' || c == '}') {
            depth += c == '{' ? 1 : -1;
            if (depth == 0) {
                return json.substr(open, i + 1 - open);
            }
        }
    }
    return "";
}

using JsonMatchesScenarioTest = TemporaryFolderTest;

TEST_F(JsonMatchesScenarioTest, FieldsAndStateEqualTheSnapshotAfterTheSameActions) {
    Generator generate(20261211);
    for (uint32_t round = 0; round < 40; ++round) {
        const Scenario scenario = random_scenario(generate);
        std::system(("rm -rf '" + folder_ + "'/*").c_str());
        std::ofstream("mine.ini", std::ios::binary) << remembered_record();
        const ProgramRun calc = run_calc(scenario.arguments, folder_);
        std::remove("mine.ini");
        std::ofstream("scenario.script", std::ios::binary) << scenario.script;
        const ProgramRun script =
            run_program(VIDOMAT_SCRIPT_PROGRAM, {folder_ + "/scenario.script"}, folder_);
        std::string command_line;
        for (const std::string& argument : scenario.arguments) {
            command_line += " '" + argument + "'";
        }
        SCOPED_TRACE("round " + std::to_string(round) + ":" + command_line + "\n" +
                     scenario.script);
        ASSERT_TRUE(calc.status == 0 || calc.status == 1) << calc.err;
        ASSERT_EQ(script.status, 0) << script.err;
        EXPECT_EQ(object_at(calc.out, "fields"), object_at(script.out, "fields"));
        EXPECT_EQ(object_at(calc.out, "state"), object_at(script.out, "state"));
        EXPECT_NE(object_at(calc.out, "state"), "");
    }
}

} // namespace
