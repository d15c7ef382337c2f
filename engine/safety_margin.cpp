#include "engine/safety_margin.h"

#include "engine/calculator_state.h"
#include "numbers/number_formatter.h"
#include "numbers/number_reader.h"
#include "platform/platform.h"

namespace {

constexpr uint32_t margin_decimals = 6;

void set_factor(uint64_t numerator, uint64_t denominator) {
    if (numerator == 0) {
        // The share for video rounded away: no margin at all.
        calc.video_factor_num = 1;
        calc.video_factor_den = 1;
        return;
    }
    // Both fit: the branches below keep the numerator below the denominator < 2^32.
    calc.video_factor_num = static_cast<uint32_t>(numerator);
    calc.video_factor_den = static_cast<uint32_t>(denominator);
}

} // namespace

void parse_margin_field() {
    calc.margin_display = parse_decimal_field(field_margin);
    const MixedNumber& margin = calc.margin_display;
    if (margin.whole >= 100) {
        return; // 100 % or more (or beyond 32 bits): the factor stays
    }
    if (margin.denominator == 0) {
        set_factor(1, 1);
        return;
    }
    const uint64_t d = margin.denominator;
    const uint64_t scaled_margin = margin.whole * d + margin.numerator;
    const uint64_t video_share = 100 * d - scaled_margin; // at least 1
    if (video_share > 0xFFFFFFFFu || video_share > 100663296 || d > 429496729) {
        set_factor(video_share / 100, d);
    } else if (d > 42949664) {
        set_factor(video_share / 10, 10 * d);
    } else {
        set_factor(video_share, 100 * d);
    }
}

void margin_from_factor() {
    if (calc.video_factor_den == 0) {
        return;
    }
    const uint64_t x = static_cast<uint64_t>(calc.video_factor_den - calc.video_factor_num) * 100;
    calc.margin_display = mixed_divide_wide(x, calc.video_factor_den);
}

void show_margin() {
    const MixedNumber& margin = calc.margin_display;
    format_mixed(static_cast<uint32_t>(margin.whole), margin.numerator, margin.denominator,
                 margin_decimals);
    platform_set_field_text(field_margin, calc.format_buffer + finish_number_text());
}

void parse_chapter_field() {
    set_pending_edit(pending_chapters);
    const MixedNumber chapters = parse_decimal_field(field_chapters);
    if ((chapters.whole >> 32) == 0 && chapters.numerator == 0) {
        calc.chapter_count = static_cast<uint32_t>(chapters.whole);
    }
}

void show_chapter_count() {
    format_mixed(calc.chapter_count, 0, 1, 0);
    platform_set_field_text(field_chapters, calc.format_buffer + finish_number_text());
}
