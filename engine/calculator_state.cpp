#include "engine/calculator_state.h"

#include <cstring>

CalculatorState calc;

namespace {

const char* const initial_media_choice[media_format_count] = {"4,7 GB", "700 MB / 80 Min.",
                                                              "700 MB / 80 Min.", "4,7 GB"};

const uint32_t prefix_multipliers[4] = {1, 1024, 1048576, 1073741824};
const uint32_t size_decimal_places[4] = {0, 1, 4, 7};
const uint32_t rate_decimal_places[4] = {0, 3, 6, 9};

} // namespace

void reset_calculator_state() {
    std::memset(&calc, 0, sizeof calc);
    calc.mode_flags = initial_mode_flags;
    calc.edit_state = 0;
    calc.max_size_bits = 37020000000u;
    calc.reserve_bits = 0;
    calc.payload_bits = 0;
    calc.overhead_per_frame_bits = 776;
    calc.frames_overhead_bits = 69840000;
    calc.fixed_overhead_bits = 580000000;
    calc.length_seconds = 3600;
    calc.length_frames = 90000;
    calc.audio_rate = 224000;
    calc.audio_rate_shown = 224000;
    calc.video_rate = 0;
    calc.video_rate_shown = 0;
    calc.result_size_bits = 0;
    calc.video_factor_num = preset_factor_num;
    calc.video_factor_den = preset_factor_den;
    calc.chapter_count = 0;
    for (uint32_t format = 0; format < media_format_count; ++format) {
        std::strcpy(calc.media_choice[format], initial_media_choice[format]);
    }
}

uint32_t prefix_multiplier(uint32_t prefix) {
    return prefix_multipliers[prefix & prefix_mask];
}

uint32_t size_decimals(uint32_t prefix) {
    return size_decimal_places[prefix & prefix_mask];
}

uint32_t rate_decimals(uint32_t prefix) {
    return rate_decimal_places[prefix & prefix_mask];
}

void set_pending_edit(uint32_t kind) {
    calc.edit_state = (calc.edit_state & ~pending_edit_mask) | (kind & pending_edit_mask);
}

uint32_t output_format() {
    return calc.mode_flags & output_format_mask;
}

void set_output_format(uint32_t format) {
    calc.mode_flags = (calc.mode_flags & ~output_format_mask) | (format & output_format_mask);
}

uint32_t media_index() {
    return (calc.mode_flags & media_index_mask) >> media_index_shift;
}

void set_media_index(uint32_t index) {
    calc.mode_flags =
        (calc.mode_flags & ~media_index_mask) | ((index << media_index_shift) & media_index_mask);
}

uint32_t prefix_at(uint32_t shift) {
    return (calc.mode_flags >> shift) & prefix_mask;
}
