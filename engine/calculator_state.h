// The calculator's one state record: the user's choices (mode_flags), the transient
// bookkeeping (edit_state), every quantity in base units, and each value field's value
// in the unit it is shown in. There is exactly one instance, `calc`.
#ifndef VIDOMAT_ENGINE_CALCULATOR_STATE_H
#define VIDOMAT_ENGINE_CALCULATOR_STATE_H

#include "numbers/mixed_number.h"
#include "platform/platform.h"
#include "shell/control_ids.h"

#include <cstdint>

// --- mode_flags: the user's choices, stored whole in the settings file ---------------
constexpr uint32_t output_format_mask = 0x00000003; // 0 DVD, 1 VCD, 2 SVCD, 3 free
constexpr uint32_t reserve_prefix_shift = 2;
constexpr uint32_t length_as_time = 0x00000010;
constexpr uint32_t reserve_in_bits = 0x00000020;
constexpr uint32_t audio_prefix_shift = 8;
constexpr uint32_t video_prefix_shift = 10;
constexpr uint32_t result_prefix_shift = 12;
constexpr uint32_t max_size_prefix_shift = 14;
constexpr uint32_t audio_in_bytes = 0x00010000;
constexpr uint32_t video_in_bytes = 0x00020000;
constexpr uint32_t result_in_bits = 0x00040000;
constexpr uint32_t max_size_in_bits = 0x00080000;
constexpr uint32_t remember_settings = 0x00100000;
constexpr uint32_t remember_values = 0x00200000;
constexpr uint32_t media_index_shift = 24;
constexpr uint32_t media_index_mask = 0x0F000000;
// Bits 8 to 19: the units of audio, video, result and max. data amount. All clear is
// the unit configuration of the encoder preset.
constexpr uint32_t preset_unit_mask = 0x000FFF00;
constexpr uint32_t prefix_mask = 0x3; // a UnitPrefix code, before shifting
// Every bit that carries a choice; the others are always 0.
constexpr uint32_t mode_flags_used = 0x0F3FFF3F;
constexpr uint32_t initial_mode_flags = remember_settings | remember_values;
constexpr uint32_t media_index_none = 15;

// --- edit_state: transient bookkeeping, never stored ---------------------------------
constexpr uint32_t pending_edit_mask = 0x0000000F;
constexpr uint32_t video_reread_done = 0x00000010;
constexpr uint32_t audio_reread_done = 0x00000020;
constexpr uint32_t settings_loaded = 0x00000100;
constexpr uint32_t optimise_list_filled = 0x00001000;
constexpr uint32_t settings_write_error = 0x10000000;

// Kinds of pending_edit: the field typed in and not yet shown again.
enum PendingEdit : uint32_t {
    pending_none = 0,
    pending_length = 1,
    pending_video_rate = 2,
    pending_audio_rate = 3,
    pending_max_size = 4,
    pending_reserve = 5,
    pending_medium = 6,
    pending_chapters = 7,
    pending_margin = 8,
};

// The video safety factor of a 0,09 % margin: the initial factor, the encoder preset's,
// and the one that replaces a stored factor the calculator could never have written.
constexpr uint32_t preset_factor_num = 9991;
constexpr uint32_t preset_factor_den = 10000;

constexpr uint32_t field_text_size = 256;
constexpr uint32_t format_buffer_size = 128;
constexpr uint32_t time_factor_count = 20;
constexpr uint32_t media_format_count = 4;
constexpr uint32_t media_choice_size = 50; // 49 characters and the terminator
constexpr uint32_t settings_record_size = 300;

struct CalculatorState {
    uint32_t mode_flags;
    uint32_t edit_state;

    uint64_t max_size_bits;
    uint64_t reserve_bits;
    uint64_t payload_bits; // read as signed: negative when reserve and overheads exceed the max.
    uint32_t overhead_per_frame_bits;
    uint64_t frames_overhead_bits;
    uint64_t fixed_overhead_bits;
    uint32_t length_seconds;
    uint64_t length_frames;
    uint32_t audio_rate;
    uint32_t audio_rate_shown;
    uint32_t video_rate;
    uint32_t video_rate_shown;
    uint64_t result_size_bits;
    uint32_t video_factor_num;
    uint32_t video_factor_den;
    uint32_t chapter_count;

    // Each value field's value in its display unit, and its decimals.
    MixedNumber max_size_display;
    MixedNumber reserve_display;
    MixedNumber result_display;
    MixedNumber audio_display;
    MixedNumber video_display;
    MixedNumber margin_display;
    uint32_t max_size_decimals;
    uint32_t reserve_decimals;
    uint32_t result_decimals;
    uint32_t audio_decimals;
    uint32_t video_decimals;

    // The medium text last applied for each output format (DVD, VCD, SVCD, free).
    char media_choice[media_format_count][media_choice_size];

    // Shared scratch buffers: a text read or formatted is used before the next one.
    char field_text[field_text_size];
    char format_buffer[format_buffer_size];

    // Place values of the colons of an hours : minutes : seconds text.
    uint32_t time_factors[time_factor_count];

    // The settings file's content as last read or written; all zero at start.
    uint8_t settings_record[settings_record_size];

    PlatformHandle main_dialog;
    PlatformHandle menu_handle;
    PlatformHandle settings_handle;
};

extern CalculatorState calc;

// Puts every quantity back to its value at process start.
void reset_calculator_state();

// UnitPrefix codes: 0 none, 1 K, 2 M, 3 G.
uint32_t prefix_multiplier(uint32_t prefix);
uint32_t size_decimals(uint32_t prefix);
uint32_t rate_decimals(uint32_t prefix);

// Replaces pending_edit, keeping every other bit of edit_state.
void set_pending_edit(uint32_t kind);

uint32_t output_format();
void set_output_format(uint32_t format);
uint32_t media_index();
void set_media_index(uint32_t index);
// A prefix code kept in mode_flags at `shift`.
uint32_t prefix_at(uint32_t shift);

#endif
