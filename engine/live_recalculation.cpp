#include "engine/live_recalculation.h"

#include "engine/calculator_state.h"
#include "engine/data_rate.h"
#include "engine/field_conversion.h"
#include "platform/platform.h"

namespace {

// Typing a video rate or a max. data amount means no preset format applies any more.
void switch_to_free_format() {
    set_output_format(3);
    platform_check_radio_button(radio_dvd, radio_free, radio_free);
}

} // namespace

void show_result_size() {
    compute_result_size();
    show_result_text();
}

void recompute_video_rate() {
    if (calc.length_seconds == 0) {
        return; // no length: the video rate stays as it was
    }
    if ((calc.edit_state & audio_reread_done) == 0) {
        reread_audio_rate();
    }
    compute_payload();
    video_rate_from_payload();
}

void recompute_all() {
    show_max_size();
    show_audio_rate();
    recompute_video_rate();
    show_video_rate();
    show_result_size();
}

void apply_audio_entry() {
    set_pending_edit(pending_audio_rate);
    calc.edit_state |= audio_reread_done;
    const uint32_t rate = read_rate_quantity(quantity_audio);
    calc.audio_rate = rate;
    calc.audio_rate_shown = rate;
    if (calc.length_seconds != 0) {
        compute_payload();
        video_rate_from_payload();
    }
    show_video_rate();
    show_result_size();
}

void apply_video_entry() {
    set_pending_edit(pending_video_rate);
    calc.edit_state |= video_reread_done;
    const uint32_t rate = read_rate_quantity(quantity_video);
    calc.video_rate = rate;
    calc.video_rate_shown = rate;
    show_result_size();
    switch_to_free_format();
}

void apply_max_size_entry() {
    set_pending_edit(pending_max_size);
    calc.max_size_bits = read_size_quantity(quantity_max_size);
    recompute_video_rate();
    show_video_rate();
    show_result_size();
    switch_to_free_format();
}

void apply_reserve_entry() {
    set_pending_edit(pending_reserve);
    calc.reserve_bits = read_size_quantity(quantity_reserve);
    recompute_video_rate();
    show_video_rate();
    show_result_size();
}
