// The command line of vidomat-calc: which options were given, with their values as
// written. Only the form of the command line is checked here; the values are checked
// where they are entered.
#ifndef VIDOMAT_TOOLS_VIDOMAT_CALC_CALC_OPTIONS_H
#define VIDOMAT_TOOLS_VIDOMAT_CALC_CALC_OPTIONS_H

#include "tools/vidomat_calc/calc_status.h"

#include <optional>
#include <string>
#include <vector>

enum CalcOutput : uint32_t { output_fields, output_json, output_explain };

struct CalcOptions {
    std::optional<std::string> format;
    std::optional<std::string> medium;
    std::optional<std::string> max_size;
    std::optional<std::string> frames;
    std::optional<std::string> time;
    std::vector<std::string> audio; // one rate per audio track
    std::optional<std::string> reserve;
    std::optional<std::string> margin;
    std::optional<std::string> video;
    std::optional<std::string> video_unit;
    std::optional<std::string> result_unit;
    std::optional<std::string> settings;
    CalcOutput output = output_fields;
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program name. A value follows its option as the next
// argument or after "=". Errors have status_usage.
CalcError parse_options(int argc, const char* const* argv, CalcOptions& options);

#endif
