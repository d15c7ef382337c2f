// Fuzz target: a user's random actions on the in-memory dialog, the commands of a
// scenario script (focus, type, backspace, replace, paste, choose, dropdown, click,
// menu, key, close) with their controls and texts taken from the fuzzer's bytes as the
// random scenario generator takes them from its seed (random_actions.h). The
// first run may start from a settings record taken from the input; a program that has
// ended is started again (up to three times), reading the settings file it wrote. After
// every action the state's invariants hold, and every value field whose text the program
// wrote reads back to the value that text shows; after a restart, what the close
// remembered is back.
#include "dialog/dialog_procedure.h"
#include "engine/calculator_state.h"
#include "engine/field_conversion.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_session.h"
#include "platform/memory/memory_dialog.h"
#include "settings/settings_file.h"
#include "tools/random_script/random_actions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr uint32_t max_actions = 64;
// At most this many runs of the program per input: an input ends with the close that
// would start a fifth. Every start builds the dialog anew, and inputs of many closes
// spent most of their time starting; three restarts still play remembered settings on
// remembered settings.
constexpr uint32_t max_runs = 4;

// With VIDOMAT_FUZZ_TRACE set, each action is printed to standard error as the line of
// a scenario script that does the same, so a finding can be replayed by vidomat-script.
const bool tracing = std::getenv("VIDOMAT_FUZZ_TRACE") != nullptr;

void trace_line(const char* line) {
    if (tracing) {
        std::fprintf(stderr, "%s\n", line);
    }
}

void trace(const RandomAction& action) {
    if (tracing) {
        trace_line(random_action_line(action).c_str());
    }
}

bool is_list_item(uint32_t id, const char* text) {
    for (uint32_t i = 0; i < memory_list_count(id); ++i) {
        if (std::strcmp(memory_list_item(id, i), text) == 0) {
            return true;
        }
    }
    return false;
}

// The rate that the text of a rate field reads as in the field's present unit.
uint32_t rate_read_from_field(const QuantityUnit& unit, bool in_bits, uint32_t prefix) {
    char scratch[field_text_size]; // the reading goes through the shared text buffer
    std::memcpy(scratch, calc.field_text, sizeof scratch);
    MixedNumber read{};
    const uint32_t rate = read_rate_field(unit.value_field, !in_bits, prefix, read);
    std::memcpy(calc.field_text, scratch, sizeof scratch);
    return rate;
}

// What a field's check last found good by reading its text back: the text, and what the
// text was checked against. The same again reads back the same, so it is not read again;
// an action changes few fields, and reading each field back after every action took a
// sixth of the fuzzer's time.
struct Verified {
    char text[field_text_size];
    uint64_t value;
    uint64_t unit; // for a rate or amount the unit, for the margin the factor's denominator
};

Verified verified[quantity_count + 1];
constexpr uint32_t verified_margin = quantity_count;

void forget_verified() {
    for (Verified& entry : verified) {
        entry.text[0] = '\0';
        entry.value = 0;
        entry.unit = ~uint64_t{0}; // no unit, so the first check always reads
    }
}

bool verified_before(uint32_t slot, const char* text, uint64_t value, uint64_t unit) {
    const Verified& entry = verified[slot];
    return entry.value == value && entry.unit == unit && std::strcmp(entry.text, text) == 0;
}

void remember_verified(uint32_t slot, const char* text, uint64_t value, uint64_t unit) {
    Verified& entry = verified[slot];
    std::strncpy(entry.text, text, sizeof entry.text - 1);
    entry.text[sizeof entry.text - 1] = '\0';
    entry.value = value;
    entry.unit = unit;
}

// A value field the program wrote shows its quantity in the field's present unit. The
// audio field may also hold an item of its list, put there when the list closed: the
// rate is then what that text reads as.
void require_shown(Quantity quantity, uint64_t value) {
    const QuantityUnit& unit = quantity_units[quantity];
    const uint32_t id = unit.value_field;
    if (!memory_written_by_program(id)) {
        return; // the user's text, or the text of a list item the user chose
    }
    const bool in_bits = quantity_in_bits(quantity);
    const uint32_t prefix = quantity_prefix(quantity);
    const char* const text = memory_field_text(id);
    const uint64_t unit_key = uint64_t{prefix} << 1 | (in_bits ? 1 : 0);
    if (verified_before(quantity, text, value, unit_key)) {
        return;
    }
    MixedNumber display{};
    const uint32_t decimals =
        unit.is_rate ? rate_to_display(static_cast<uint32_t>(value), !in_bits, prefix, display)
                     : size_to_display(value, in_bits, prefix, display);
    if (reads_back(text, display, decimals)) {
        remember_verified(quantity, text, value, unit_key);
        return;
    }
    // Not remembered: whether the text is an item depends on the list too.
    require(unit.is_rate && is_list_item(id, text) &&
            rate_read_from_field(unit, in_bits, prefix) == value);
}

void require_fields_show_values() {
    require_shown(quantity_max_size, calc.max_size_bits);
    require_shown(quantity_reserve, calc.reserve_bits);
    require_shown(quantity_result, calc.result_size_bits);
    require_shown(quantity_audio, calc.audio_rate);
    require_shown(quantity_video, calc.video_rate);
    if (memory_written_by_program(field_margin)) {
        // The margin in percent that the video factor leaves, with 6 decimals.
        const char* const text = memory_field_text(field_margin);
        if (verified_before(verified_margin, text, calc.video_factor_num, calc.video_factor_den)) {
            return;
        }
        const uint64_t share = calc.video_factor_den - calc.video_factor_num;
        require_reads_back(text, mixed_divide_wide(share * 100, calc.video_factor_den), 6);
        remember_verified(verified_margin, text, calc.video_factor_num, calc.video_factor_den);
    }
}

// An odd first byte puts a settings record before the first start: the magic and the
// next 296 bytes of the input, so the actions also play on restored choices and values.
// Otherwise the program starts as on a first run, without a file.
void start_from_settings(FuzzInput& input) {
    memory_file_remove(settings_file_name);
    if ((input.byte() & 1) == 0) {
        return;
    }
    uint8_t record[settings_record_size] = {0x55, 0x44, 0x33, 0x22};
    for (uint32_t i = 4; i < settings_record_size; ++i) {
        record[i] = input.byte();
    }
    require(memory_file_put(settings_file_name, record, sizeof record));
    trace_line("file (a record from the input)");
}

void require_sound() {
    require_state_invariants();
    require_fields_show_values();
}

// What a close leaves in the settings file for the next start.
struct Remembered {
    bool written; // a remember option was on and the close reported no failure
    uint32_t mode_flags;
    uint32_t audio_rate;
    uint64_t reserve_bits;
    uint32_t length_seconds;
    uint64_t length_frames;
    uint32_t video_factor_num;
    uint32_t video_factor_den;
    uint32_t chapter_count;
    char media_choice[media_format_count][media_choice_size];
};

Remembered remembered_at_close(bool close_reported_nothing) {
    Remembered r{};
    r.written =
        close_reported_nothing && (calc.mode_flags & (remember_settings | remember_values)) != 0;
    r.mode_flags = calc.mode_flags;
    r.audio_rate = calc.audio_rate;
    r.reserve_bits = calc.reserve_bits;
    r.length_seconds = calc.length_seconds;
    r.length_frames = calc.length_frames;
    r.video_factor_num = calc.video_factor_num;
    r.video_factor_den = calc.video_factor_den;
    r.chapter_count = calc.chapter_count;
    std::memcpy(r.media_choice, calc.media_choice, sizeof r.media_choice);
    return r;
}

// The next start brings back what the close wrote: the choices (the medium index is
// derived anew from the medium text at the start) and the values (the video rate and
// the max. data amount are derived anew too).
void require_restored(const Remembered& r) {
    if (!r.written) {
        return;
    }
    if ((r.mode_flags & remember_settings) != 0) {
        require((calc.mode_flags & ~media_index_mask) == (r.mode_flags & ~media_index_mask));
    }
    if ((r.mode_flags & remember_values) != 0) {
        require(calc.audio_rate == r.audio_rate && calc.reserve_bits == r.reserve_bits);
        require(calc.length_seconds == r.length_seconds && calc.length_frames == r.length_frames);
        require(calc.video_factor_num == r.video_factor_num &&
                calc.video_factor_den == r.video_factor_den);
        require(calc.chapter_count == r.chapter_count);
        for (uint32_t format = 0; format < media_format_count; ++format) {
            require(std::strcmp(calc.media_choice[format], r.media_choice[format]) == 0);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    use_memory_files();
    memory_forget_messages();
    FuzzInput input(data, size);
    forget_verified();
    start_from_settings(input);
    require(start_calculator());
    require_sound();
    uint32_t runs = 1;
    for (uint32_t i = 0; i < max_actions && !input.empty(); ++i) {
        const RandomAction action = random_action(input);
        trace(action);
        const uint32_t messages_before = memory_message_count();
        require(perform_random_action(action));
        require_sound();
        if (!memory_running()) {
            require(memory_exit_code() == 0 && memory_dialog_ended());
            if (runs == max_runs) {
                break;
            }
            ++runs;
            const Remembered remembered =
                remembered_at_close(memory_message_count() == messages_before);
            trace_line("start");
            require(start_calculator());
            require_sound();
            require_restored(remembered);
        }
    }
    return 0;
}
