#include "tools/vidomat_calc/value_text.h"

#include <iterator>

namespace {

const char* const unit_names[2][4] = {{"B", "KB", "MB", "GB"}, {"b", "Kb", "Mb", "Gb"}};

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Digits in groups separated by single spaces, from `at` up to `end`; true when that
// is all there is and there is at least one digit.
bool is_grouped_digits(const std::string& text, size_t at, size_t end) {
    if (at >= end || !is_digit(text[at]) || !is_digit(text[end - 1])) {
        return false;
    }
    for (size_t i = at; i < end; ++i) {
        if (text[i] == ' ' ? text[i - 1] == ' ' : !is_digit(text[i])) {
            return false;
        }
    }
    return true;
}

bool is_plain_digits(const std::string& text, size_t at, size_t end) {
    if (at >= end) {
        return false;
    }
    for (size_t i = at; i < end; ++i) {
        if (!is_digit(text[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

bool parse_unit(const std::string& text, Unit& unit) {
    for (uint32_t bits = 0; bits < 2; ++bits) {
        for (uint32_t prefix = 0; prefix < std::size(unit_names[bits]); ++prefix) {
            if (text == unit_names[bits][prefix]) {
                unit = Unit{bits == 1, prefix};
                return true;
            }
        }
    }
    return false;
}

const char* unit_name(Unit unit) {
    return unit_names[unit.in_bits ? 1 : 0][unit.prefix & 3];
}

ValueSyntax split_value(const std::string& text, ValueText& value) {
    size_t letters = text.size();
    while (letters > 0 && is_letter(text[letters - 1])) {
        --letters;
    }
    value.has_unit = letters < text.size();
    value.unit = Unit{false, 0};
    size_t end = letters;
    if (value.has_unit && end > 0 && text[end - 1] == ' ') {
        --end; // one space between number and unit
    }
    value.number = text.substr(0, end);
    if (!is_number_text(value.number, true)) {
        return value_not_a_number;
    }
    if (value.has_unit && !parse_unit(text.substr(letters), value.unit)) {
        return value_unknown_unit;
    }
    return value_ok;
}

bool is_number_text(const std::string& text, bool fraction) {
    const size_t separator = fraction ? text.find_first_of(",.") : std::string::npos;
    if (separator == std::string::npos) {
        return is_grouped_digits(text, 0, text.size());
    }
    return is_grouped_digits(text, 0, separator) &&
           is_plain_digits(text, separator + 1, text.size());
}

bool is_time_text(const std::string& text) {
    uint32_t colons = 0;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ':') {
            if (!is_plain_digits(text, start, i)) {
                return false;
            }
            colons += i < text.size() ? 1 : 0;
            start = i + 1;
        }
    }
    return colons <= 2;
}

std::string field_text_of(const std::string& number) {
    std::string text = number;
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    return text;
}
