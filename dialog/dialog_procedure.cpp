#include "dialog/dialog_procedure.h"

#include "dialog/dialog_initialisation.h"
#include "dialog/encoder_preset.h"
#include "dialog/media_presets.h"
#include "dialog/unit_selectors.h"
#include "engine/calculator_state.h"
#include "engine/data_rate.h"
#include "engine/field_conversion.h"
#include "engine/live_recalculation.h"
#include "engine/safety_margin.h"
#include "numbers/mixed_number.h"
#include "numbers/number_formatter.h"
#include "numbers/number_reader.h"
#include "platform/platform.h"
#include "settings/settings_file.h"

namespace {

// The medium field's typed text is read with room for 254 characters.
constexpr uint32_t medium_text_limit = 255;

// mode_flags as it was when the message arrived: the change tests compare with it.
uint32_t entry_flags;

void refresh_length(bool as_time) {
    if (as_time) {
        show_length_time();
    } else {
        show_length_frames();
    }
}

void enter_length(bool as_time) {
    if (as_time) {
        calc.mode_flags |= length_as_time;
        platform_check_radio_button(radio_frames, radio_time, radio_time);
        calc.length_seconds = parse_time_field();
    } else {
        calc.mode_flags &= ~length_as_time;
        platform_check_radio_button(radio_frames, radio_time, radio_frames);
        calc.length_seconds = parse_frames_field();
    }
    calc.frames_overhead_bits = wide_multiply(calc.length_frames, calc.overhead_per_frame_bits);
    recompute_all();
}

// The typed medium text, as on leaving field 174 or confirming it.
void apply_typed_medium() {
    platform_get_field_text(field_medium, calc.field_text, medium_text_limit);
    apply_media_text();
}

// Copies the chosen item of a list into field_text; false when no item is selected.
bool read_chosen_item(uint32_t id) {
    return platform_list_item_text(id, platform_list_selection(id), calc.field_text);
}

void toggle_remember(uint32_t bit, uint32_t command) {
    if ((entry_flags & bit) != 0) {
        platform_check_menu_item(calc.menu_handle, command, menu_unchecked);
        calc.mode_flags &= ~bit;
    } else {
        platform_check_menu_item(calc.menu_handle, command, menu_checked);
        calc.mode_flags |= bit;
    }
}

void close_calculator(uint32_t command) {
    platform_end_dialog(command);
    save_settings();
    platform_post_quit(0);
}

void handle_medium(uint32_t notification) {
    if (notification == notify_close_up) {
        if (read_chosen_item(field_medium)) {
            apply_media_text();
        } else {
            apply_typed_medium(); // closed without a choice: the text as it stands
        }
    } else if (notification == notify_kill_focus) {
        set_pending_edit(pending_none);
        apply_typed_medium();
    } else {
        set_pending_edit(pending_medium);
    }
}

void handle_audio(uint32_t notification) {
    if (notification == notify_edit_change) {
        apply_audio_entry();
    } else if (notification == notify_close_up) {
        if (read_chosen_item(field_audio_rate)) {
            platform_set_field_text(field_audio_rate, calc.field_text);
            apply_audio_entry();
        }
    } else if (notification == notify_kill_focus) {
        show_audio_rate();
    }
}

void handle_format_radio(uint32_t id, uint32_t format) {
    if (platform_is_button_checked(id) && output_format() != format) {
        select_output_format(format);
    }
}

void handle_unit_selector(Quantity quantity, uint32_t notification) {
    if (notification == notify_close_up) {
        select_unit(quantity, entry_flags);
    }
}

void handle_command(uint32_t id, uint32_t notification) {
    switch (id) {
    case field_video_rate:
        if (notification == notify_edit_change) {
            apply_video_entry();
        } else if (notification == notify_kill_focus) {
            show_video_rate();
        }
        break;
    case field_length:
        if (notification == notify_edit_change) {
            set_pending_edit(pending_length);
            enter_length((entry_flags & length_as_time) != 0);
        } else if (notification == notify_kill_focus) {
            set_pending_edit(pending_none);
            refresh_length((entry_flags & length_as_time) != 0);
        }
        break;
    case field_max_size:
        if (notification == notify_edit_change) {
            apply_max_size_entry();
        } else if (notification == notify_kill_focus) {
            show_max_size();
        }
        break;
    case field_reserve:
        if (notification == notify_edit_change) {
            apply_reserve_entry();
        } else if (notification == notify_kill_focus) {
            show_reserve();
        }
        break;
    case field_medium:
        handle_medium(notification);
        break;
    case field_audio_rate:
        handle_audio(notification);
        break;
    case selector_max_size:
        handle_unit_selector(quantity_max_size, notification);
        break;
    case selector_audio:
        handle_unit_selector(quantity_audio, notification);
        break;
    case selector_result:
        handle_unit_selector(quantity_result, notification);
        break;
    case selector_reserve:
        handle_unit_selector(quantity_reserve, notification);
        break;
    case selector_video:
        handle_unit_selector(quantity_video, notification);
        break;
    case field_optimise:
        if (notification == notify_close_up && read_chosen_item(field_optimise)) {
            apply_encoder_preset();
        }
        break;
    case field_margin:
        if (notification == notify_edit_change) {
            set_pending_edit(pending_margin);
            parse_margin_field();
            recompute_all();
        } else if (notification == notify_kill_focus) {
            margin_from_factor();
            show_margin();
        }
        break;
    case field_chapters:
        if (notification == notify_edit_change) {
            parse_chapter_field();
        } else if (notification == notify_kill_focus) {
            set_pending_edit(pending_none);
            show_chapter_count();
        }
        break;
    case radio_dvd:
        handle_format_radio(id, format_dvd);
        break;
    case radio_vcd:
        handle_format_radio(id, format_vcd);
        break;
    case radio_svcd:
        handle_format_radio(id, format_svcd);
        break;
    case radio_free:
        handle_format_radio(id, format_free);
        break;
    case radio_frames:
        if (platform_is_button_checked(id) && (calc.mode_flags & length_as_time) != 0) {
            show_length_frames();
            calc.mode_flags &= ~length_as_time;
        }
        break;
    case radio_time:
        if (platform_is_button_checked(id) && (calc.mode_flags & length_as_time) == 0) {
            show_length_time();
            calc.mode_flags |= length_as_time;
        }
        break;
    case radio_max_size_bytes:
    case radio_max_size_bits:
        switch_bytes_bits(quantity_max_size, notification, entry_flags);
        break;
    case radio_audio_bits:
    case radio_audio_bytes:
        switch_bytes_bits(quantity_audio, notification, entry_flags);
        break;
    case radio_result_bytes:
    case radio_result_bits:
        switch_bytes_bits(quantity_result, notification, entry_flags);
        break;
    case radio_video_bits:
    case radio_video_bytes:
        switch_bytes_bits(quantity_video, notification, entry_flags);
        break;
    case radio_reserve_bytes:
    case radio_reserve_bits:
        switch_bytes_bits(quantity_reserve, notification, entry_flags);
        break;
    case button_ok:
        platform_check_button(button_ok, false); // springs back
        apply_pending_edit();
        break;
    case id_ok_default:
    case cmd_apply:
        apply_pending_edit();
        break;
    case id_close:
    case cmd_exit:
    case cmd_close:
        close_calculator(id);
        break;
    case cmd_about:
        platform_run_about_box();
        break;
    case cmd_remember_settings:
        toggle_remember(remember_settings, cmd_remember_settings);
        break;
    case cmd_remember_values:
        toggle_remember(remember_values, cmd_remember_values);
        break;
    default:
        break; // field 171 and everything else: nothing
    }
}

} // namespace

void apply_pending_edit() {
    switch (calc.edit_state & pending_edit_mask) {
    case pending_length:
        refresh_length((calc.mode_flags & length_as_time) != 0);
        break;
    case pending_video_rate:
        show_video_rate();
        break;
    case pending_audio_rate:
        show_audio_rate();
        break;
    case pending_max_size:
        show_max_size();
        break;
    case pending_reserve:
        show_reserve();
        break;
    case pending_medium:
        apply_typed_medium();
        break;
    case pending_chapters:
        show_chapter_count();
        break;
    case pending_margin:
        margin_from_factor();
        show_margin();
        break;
    default:
        break;
    }
    set_pending_edit(pending_none);
}

intptr_t dialog_procedure(PlatformHandle window, uint32_t message, uintptr_t word_parameter,
                          intptr_t /*long_parameter*/) {
    calc.main_dialog = window;
    const uint32_t saved_entry_flags = entry_flags;
    entry_flags = calc.mode_flags;
    intptr_t result = 0;
    if (message == message_init_dialog) {
        calc.edit_state = 0;
        load_settings();
        initialise_dialog();
        result = 1;
    } else if (message == message_command) {
        const uint32_t id = static_cast<uint32_t>(word_parameter & 0xFFFF);
        const uint32_t notification = static_cast<uint32_t>((word_parameter >> 16) & 0xFFFF);
        handle_command(id, notification);
    }
    // A message can arrive inside another one's handling (a focus loss while a message
    // box is shown): the outer handler goes on with its own snapshot.
    entry_flags = saved_entry_flags;
    return result;
}

bool start_calculator() {
    reset_calculator_state();
    const uint32_t factors[time_factor_count] = {60, 3600};
    for (uint32_t i = 0; i < time_factor_count; ++i) {
        calc.time_factors[i] = factors[i];
    }
    calc.main_dialog = platform_create_dialog(dialog_procedure);
    return calc.main_dialog != no_handle;
}
