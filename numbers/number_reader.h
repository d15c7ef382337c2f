// Reading German number text: a decimal reader for amounts, rates, margin and chapters,
// and a frame-count and an hours : minutes : seconds reader for the length. Each scans
// the text once from its last character to its first; bad text gives a defined value.
#ifndef VIDOMAT_NUMBERS_NUMBER_READER_H
#define VIDOMAT_NUMBERS_NUMBER_READER_H

#include "numbers/mixed_number.h"

#include <cstdint>

constexpr uint32_t decimal_digit_limit = 20;
constexpr uint32_t frames_digit_limit = 11;
constexpr uint32_t time_digit_limit = 20;

// The readers on plain text.
MixedNumber read_decimal_text(const char* text);
// True and *frames set for a good frame count; false for bad or empty text.
bool read_frames_text(const char* text, uint64_t* frames);
// True and *seconds set (modulo 2^64) for a good time text; colon k from the right has
// the place value factors[k - 1], and 0 past the table's `count` entries.
bool read_time_text(const char* text, const uint32_t* factors, uint32_t count, uint64_t* seconds);

// The readers on a dialog field: the text is fetched into calc.field_text first.
MixedNumber parse_decimal_field(uint32_t id);
// Field 169 as a frame count: sets length_frames and returns the whole seconds; bad
// text returns 0 and keeps length_frames.
uint32_t parse_frames_field();
// Field 169 as hours : minutes : seconds: sets length_frames to 25 times the seconds
// and returns the seconds modulo 2^32; bad text returns 0 and keeps length_frames.
uint32_t parse_time_field();

#endif
