// What a user writes on the command line for a data amount or a rate: a number, with an
// optional unit right after it or after one space. A number is digits, optionally grouped
// by single spaces, with an optional decimal part after a comma or a point.
#ifndef VIDOMAT_TOOLS_VIDOMAT_CALC_VALUE_TEXT_H
#define VIDOMAT_TOOLS_VIDOMAT_CALC_VALUE_TEXT_H

#include <cstdint>
#include <string>

// A unit as the unit selectors name it: bytes or bits, and the prefix (0 none, 1 K, 2 M,
// 3 G). For a rate it is per second.
struct Unit {
    bool in_bits;
    uint32_t prefix;
};

// "B" "KB" "MB" "GB" "b" "Kb" "Mb" "Gb": the selectors' item texts. False for any other.
bool parse_unit(const std::string& text, Unit& unit);
const char* unit_name(Unit unit);

struct ValueText {
    std::string number; // the number as written
    bool has_unit;
    Unit unit;
};

enum ValueSyntax : uint32_t {
    value_ok,
    value_not_a_number, // no number, or one written otherwise than above
    value_unknown_unit, // a number followed by letters that name no unit
};

// Splits "4,7 GB", "224000b" or "4 703 000 000" into number and unit.
ValueSyntax split_value(const std::string& text, ValueText& value);

// Digits grouped by single spaces; with `fraction`, optionally ',' or '.' and digits.
bool is_number_text(const std::string& text, bool fraction);
// Hours : minutes : seconds as H:M:S, M:S or S, each part digits only.
bool is_time_text(const std::string& text);

// The number as it is pasted into a field: a decimal point becomes the decimal comma.
std::string field_text_of(const std::string& number);

#endif
