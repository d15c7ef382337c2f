#include "numbers/number_reader.h"

#include "engine/calculator_state.h"
#include "platform/platform.h"

#include <cstring>

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_group_separator(char c) {
    return c == ' ' || c == '.';
}

// Adds one digit at the current place value (both modulo 2^64).
void add_digit(uint64_t& value, uint64_t& place, char c) {
    value += static_cast<uint64_t>(c - '0') * place;
    place *= 10;
}

uint32_t power_of_ten(uint32_t k) {
    uint32_t power = 1;
    for (uint32_t i = 0; i < k; ++i) {
        power *= 10;
    }
    return power;
}

} // namespace

MixedNumber read_decimal_text(const char* text) {
    const size_t length = std::strlen(text);
    uint64_t value = 0;
    uint64_t place = 1;
    uint32_t digits = 0;
    uint32_t fraction_length = 0;
    for (size_t i = length; i > 0 && digits < decimal_digit_limit; --i) {
        const char c = text[i - 1];
        if (is_digit(c)) {
            add_digit(value, place, c);
            ++digits;
        } else if (c == ',') {
            fraction_length = digits; // the leftmost comma decides
        } else if (!is_group_separator(c)) {
            // Anything else ends the scan: the digits to its right form an integer.
            return MixedNumber{value, 0, no_comma_denominator};
        }
    }
    if (fraction_length == 0 || fraction_length >= 10) {
        // No comma, or more decimals than a 32-bit denominator holds.
        return MixedNumber{value, 0, no_comma_denominator};
    }
    const uint32_t denominator = power_of_ten(fraction_length);
    return mixed_divide_wide(value, denominator);
}

bool read_frames_text(const char* text, uint64_t* frames) {
    const size_t length = std::strlen(text);
    if (length == 0) {
        return false;
    }
    uint64_t value = 0;
    uint64_t place = 1;
    uint32_t digits = 0;
    for (size_t i = length; i > 0 && digits < frames_digit_limit; --i) {
        const char c = text[i - 1];
        if (is_digit(c)) {
            add_digit(value, place, c);
            ++digits;
        } else if (!is_group_separator(c)) {
            return false;
        }
    }
    *frames = value;
    return true;
}

bool read_time_text(const char* text, const uint32_t* factors, uint32_t count, uint64_t* seconds) {
    const size_t length = std::strlen(text);
    if (length == 0) {
        return false;
    }
    uint64_t value = 0;
    uint64_t place = 1;
    uint32_t digits = 0;
    uint32_t colons = 0;
    for (size_t i = length; i > 0; --i) {
        const char c = text[i - 1];
        if (is_digit(c)) {
            if (digits == time_digit_limit - 1 && i != 1) {
                return false; // a 20th digit that is not the first character
            }
            add_digit(value, place, c);
            ++digits;
        } else if (c == ':') {
            // Colons past the table have place value 0, like the table's tail.
            place = colons < count ? factors[colons] : 0;
            ++colons;
        } else if (!is_group_separator(c)) {
            return false;
        }
    }
    *seconds = value;
    return true;
}

MixedNumber parse_decimal_field(uint32_t id) {
    platform_get_field_text(id, calc.field_text, field_text_size);
    return read_decimal_text(calc.field_text);
}

uint32_t parse_frames_field() {
    platform_get_field_text(field_length, calc.field_text, field_text_size);
    uint64_t frames = 0;
    if (!read_frames_text(calc.field_text, &frames)) {
        return 0;
    }
    calc.length_frames = frames;
    // At most 11 digits, so the quotient is at most 4000000000 and fits in 32 bits.
    return static_cast<uint32_t>((frames + 13) / 25);
}

uint32_t parse_time_field() {
    platform_get_field_text(field_length, calc.field_text, field_text_size);
    uint64_t seconds = 0;
    if (!read_time_text(calc.field_text, calc.time_factors, time_factor_count, &seconds)) {
        return 0;
    }
    calc.length_frames = seconds * 25;     // modulo 2^64
    return static_cast<uint32_t>(seconds); // modulo 2^32
}
