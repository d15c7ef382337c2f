// The safety margin in percent (field 182), kept as the share left for video: the
// factor video_factor_num / video_factor_den = (100 - margin) / 100. And the number of
// chapters (field 183), which is only shown and stored.
#ifndef VIDOMAT_ENGINE_SAFETY_MARGIN_H
#define VIDOMAT_ENGINE_SAFETY_MARGIN_H

// Reads field 182; a percentage below 100 replaces the factor.
void parse_margin_field();
// margin_display from the factor.
void margin_from_factor();
// Writes margin_display into field 182 with 6 decimals.
void show_margin();
// Reads field 183 into chapter_count (a whole number below 2^32) and marks it pending.
void parse_chapter_field();
// Writes chapter_count into field 183 as a whole number.
void show_chapter_count();

#endif
