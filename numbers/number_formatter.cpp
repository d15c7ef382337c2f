#include "numbers/number_formatter.h"

#include "engine/calculator_state.h"
#include "platform/platform.h"

namespace {

// Digits of the last format call, before grouping: the whole part least significant
// first (20 digits and one carried into a new place), the fraction most significant first.
struct NumberDigits {
    char whole[24];
    uint32_t whole_count;
    char fraction[max_decimals];
    uint32_t fraction_count;
};

NumberDigits digits;

void round_last_digit_up() {
    while (digits.fraction_count > 0) {
        char& last = digits.fraction[digits.fraction_count - 1];
        if (last != '9') {
            ++last;
            return;
        }
        --digits.fraction_count; // a digit that would become 10 is removed
    }
    for (uint32_t i = 0; i < digits.whole_count; ++i) {
        if (digits.whole[i] != '9') {
            ++digits.whole[i];
            return;
        }
        digits.whole[i] = '0';
    }
    digits.whole[digits.whole_count++] = '1'; // past the leftmost digit, or an empty whole
}

} // namespace

void format_mixed(uint32_t whole, uint32_t numerator, uint32_t denominator, uint32_t decimals) {
    format_mixed_wide(whole, numerator, denominator, decimals);
}

void format_mixed_wide(uint64_t whole, uint32_t numerator, uint32_t denominator,
                       uint32_t decimals) {
    digits.whole_count = 0;
    digits.fraction_count = 0;
    for (uint64_t rest = whole; rest != 0; rest /= 10) {
        digits.whole[digits.whole_count++] = static_cast<char>('0' + rest % 10);
    }
    // A numerator of 0 is a whole value; a denominator of 0 carries no fraction either.
    if (numerator == 0 || denominator == 0) {
        return;
    }
    if (decimals > max_decimals) {
        decimals = max_decimals; // saturate: the buffer holds no more
    }
    uint64_t rest = numerator;
    while (digits.fraction_count < decimals) {
        const uint64_t scaled = rest * 10;
        digits.fraction[digits.fraction_count++] = static_cast<char>('0' + scaled / denominator);
        rest = scaled % denominator;
        if (rest == 0) {
            return; // exact: no trailing zeros, no rounding
        }
    }
    // The rest after the last shown digit rounds it up when it exceeds a third of a unit.
    if (denominator / rest <= 2) {
        round_last_digit_up();
    }
}

uint32_t finish_number_text() {
    char* const buffer = calc.format_buffer;
    uint32_t end = comma_position;
    if (digits.fraction_count > 0) {
        buffer[comma_position] = ',';
        for (uint32_t i = 0; i < digits.fraction_count; ++i) {
            buffer[comma_position + 1 + i] = digits.fraction[i];
        }
        end = comma_position + 1 + digits.fraction_count;
    }
    buffer[end] = '\0';

    uint32_t start = comma_position;
    if (digits.whole_count == 0) {
        buffer[--start] = '0';
    }
    for (uint32_t i = 0; i < digits.whole_count; ++i) {
        if (i > 0 && i % 3 == 0) {
            buffer[--start] = ' ';
        }
        buffer[--start] = digits.whole[i];
    }
    return start;
}

const char* format_number(uint64_t whole, uint32_t numerator, uint32_t denominator,
                          uint32_t decimals) {
    format_mixed_wide(whole, numerator, denominator, decimals);
    return calc.format_buffer + finish_number_text();
}

void show_length_frames() {
    platform_set_field_text(field_length, format_number(calc.length_frames, 0, 1, 0));
}

void show_length_time() {
    char* const text = calc.format_buffer;
    const uint32_t s = calc.length_seconds;
    uint32_t n = 0;
    if (s >= 3600000) {
        for (; n < 11; ++n) {
            text[n] = '#';
        }
    } else {
        const uint32_t hours = s / 3600;
        const uint32_t minutes = s / 60 % 60;
        const uint32_t seconds = s % 60;
        if (hours >= 100) {
            text[n++] = static_cast<char>('0' + hours / 100);
        }
        if (hours >= 10) {
            text[n++] = static_cast<char>('0' + hours / 10 % 10);
        }
        text[n++] = static_cast<char>('0' + hours % 10);
        const uint32_t parts[2] = {minutes, seconds};
        for (uint32_t part : parts) {
            text[n++] = ' ';
            text[n++] = ':';
            text[n++] = ' ';
            text[n++] = static_cast<char>('0' + part / 10);
            text[n++] = static_cast<char>('0' + part % 10);
        }
    }
    text[n] = '\0';
    platform_set_field_text(field_length, text);
}
