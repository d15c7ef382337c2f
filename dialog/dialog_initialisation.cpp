#include "dialog/dialog_initialisation.h"

#include "dialog/media_presets.h"
#include "dialog/unit_selectors.h"
#include "engine/calculator_state.h"
#include "engine/data_rate.h"
#include "engine/field_conversion.h"
#include "engine/live_recalculation.h"
#include "engine/safety_margin.h"
#include "numbers/number_formatter.h"
#include "platform/platform.h"

void initialise_dialog() {
    calc.menu_handle = platform_get_menu();
    if ((calc.mode_flags & remember_settings) != 0) {
        platform_check_menu_item(calc.menu_handle, cmd_remember_settings, menu_checked);
    }
    if ((calc.mode_flags & remember_values) != 0) {
        platform_check_menu_item(calc.menu_handle, cmd_remember_values, menu_checked);
    }

    if ((calc.edit_state & optimise_list_filled) == 0) {
        platform_list_reset(field_optimise);
        platform_list_add(field_optimise, "CCE / IfoEdit");
        platform_list_add(field_optimise, "...");
        show_optimise_label();
    }

    platform_check_button(format_radio(output_format()), true);
    fill_media_list(output_format());

    if ((calc.mode_flags & length_as_time) != 0) {
        platform_check_button(radio_time, true);
        show_length_time();
    } else {
        platform_check_button(radio_frames, true);
        show_length_frames();
    }
    calc.frames_overhead_bits = wide_multiply(calc.length_frames, calc.overhead_per_frame_bits);

    show_chapter_count();
    margin_from_factor();
    show_margin();

    show_unit_choice(quantity_reserve);
    show_reserve();

    show_unit_choice(quantity_audio);
    fill_audio_presets();
    show_audio_text();
    reread_audio_rate();

    recompute_video_rate();

    show_unit_choice(quantity_video);
    show_video_text();
    reread_video_rate();

    compute_result_size();
    show_unit_choice(quantity_result);
    show_result_text();

    restore_media_by_index();
    show_unit_choice(quantity_max_size);
    show_max_size();

    platform_show_dialog();
}
