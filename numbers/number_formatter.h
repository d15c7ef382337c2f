// Writing numbers as German text: digits grouped in threes by a space, a decimal comma,
// a fixed number of decimals with the last one rounded up when the rest exceeds a third
// of a unit, and no trailing zeros when the value is exact. The text is assembled in
// calc.format_buffer with the comma always at position 50.
#ifndef VIDOMAT_NUMBERS_NUMBER_FORMATTER_H
#define VIDOMAT_NUMBERS_NUMBER_FORMATTER_H

#include <cstdint>

constexpr uint32_t comma_position = 50;
// The most decimals the buffer holds; no field shows more than 9.
constexpr uint32_t max_decimals = 20;

// Build the digits of whole + numerator / denominator with `decimals` fraction digits.
void format_mixed(uint32_t whole, uint32_t numerator, uint32_t denominator, uint32_t decimals);
void format_mixed_wide(uint64_t whole, uint32_t numerator, uint32_t denominator, uint32_t decimals);
// Groups the digits of the last format call into calc.format_buffer and returns the
// offset of the text's first character.
uint32_t finish_number_text();
// format_mixed_wide and finish_number_text in one: returns the finished text.
const char* format_number(uint64_t whole, uint32_t numerator, uint32_t denominator,
                          uint32_t decimals);

// The length field 169: length_frames as a frame count, or length_seconds as
// hours : minutes : seconds ("###########" from 1000 hours on).
void show_length_frames();
void show_length_time();

#endif
