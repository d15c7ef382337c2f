#include "engine/field_conversion.h"

#include "engine/calculator_state.h"
#include "numbers/number_formatter.h"
#include "numbers/number_reader.h"
#include "platform/platform.h"

const QuantityUnit quantity_units[quantity_count] = {
    {field_max_size, selector_max_size, radio_max_size_bytes, radio_max_size_bits,
     max_size_prefix_shift, max_size_in_bits, false},
    {field_audio_rate, selector_audio, radio_audio_bits, radio_audio_bytes, audio_prefix_shift,
     audio_in_bytes, true},
    {field_result_size, selector_result, radio_result_bytes, radio_result_bits, result_prefix_shift,
     result_in_bits, false},
    {field_video_rate, selector_video, radio_video_bits, radio_video_bytes, video_prefix_shift,
     video_in_bytes, true},
    {field_reserve, selector_reserve, radio_reserve_bytes, radio_reserve_bits, reserve_prefix_shift,
     reserve_in_bits, false},
};

bool quantity_in_bits(Quantity quantity) {
    const QuantityUnit& unit = quantity_units[quantity];
    const bool flag_set = (calc.mode_flags & unit.flag) != 0;
    return unit.is_rate ? !flag_set : flag_set;
}

uint32_t quantity_prefix(Quantity quantity) {
    return prefix_at(quantity_units[quantity].prefix_shift);
}

uint32_t size_to_display(uint64_t bits, bool in_bits, uint32_t prefix, MixedNumber& display) {
    if (in_bits) {
        display.whole = bits;
        display.numerator = 0; // the denominator keeps whatever it had
    } else {
        display = mixed_divide_wide(bits, 8);
    }
    if (prefix == 0) {
        return 0;
    }
    // The fraction of the byte step is dropped, not carried.
    display = mixed_divide_wide(display.whole, prefix_multiplier(prefix));
    return size_decimals(prefix);
}

uint32_t rate_to_display(uint32_t rate, bool in_bytes, uint32_t prefix, MixedNumber& display) {
    if (in_bytes) {
        display = mixed_divide(rate, 8);
    } else {
        display.whole = rate;
        display.numerator = 0;
    }
    if (prefix == 0) {
        return 0;
    }
    display = mixed_divide(static_cast<uint32_t>(display.whole), prefix_multiplier(prefix));
    return rate_decimals(prefix);
}

uint64_t scale_size_display(bool in_bits, uint32_t prefix, MixedNumber& display) {
    if (!in_bits) {
        mixed_scale_wide(display, 8);
    }
    if (prefix != 0) {
        mixed_scale_wide(display, prefix_multiplier(prefix));
    }
    return display.whole; // the fraction left over is dropped: rounded down
}

uint32_t scale_rate_display(bool in_bytes, uint32_t prefix, MixedNumber& display) {
    if ((display.whole >> 32) != 0) {
        // Too large for a rate: reads as 0.
        display.whole = 0;
        display.numerator = 0;
    }
    if (in_bytes) {
        mixed_scale(display, 8);
    }
    if (prefix != 0) {
        mixed_scale(display, prefix_multiplier(prefix));
    }
    return static_cast<uint32_t>(display.whole);
}

uint64_t read_size_field(uint32_t id, bool in_bits, uint32_t prefix, MixedNumber& display) {
    display = parse_decimal_field(id);
    return scale_size_display(in_bits, prefix, display);
}

uint32_t read_rate_field(uint32_t id, bool in_bytes, uint32_t prefix, MixedNumber& display) {
    display = parse_decimal_field(id);
    return scale_rate_display(in_bytes, prefix, display);
}

namespace {

// Where each quantity's display value and decimals live in the state.
struct QuantityDisplay {
    MixedNumber& value;
    uint32_t& decimals;
};

QuantityDisplay display_of(Quantity quantity) {
    switch (quantity) {
    case quantity_max_size:
        return {calc.max_size_display, calc.max_size_decimals};
    case quantity_audio:
        return {calc.audio_display, calc.audio_decimals};
    case quantity_result:
        return {calc.result_display, calc.result_decimals};
    case quantity_video:
        return {calc.video_display, calc.video_decimals};
    default:
        return {calc.reserve_display, calc.reserve_decimals};
    }
}

void write_display(Quantity quantity) {
    const QuantityDisplay display = display_of(quantity);
    platform_set_field_text(quantity_units[quantity].value_field,
                            format_number(display.value.whole, display.value.numerator,
                                          display.value.denominator, display.decimals));
}

void show_size(Quantity quantity, uint64_t bits) {
    const QuantityDisplay display = display_of(quantity);
    display.decimals =
        size_to_display(bits, quantity_in_bits(quantity), quantity_prefix(quantity), display.value);
    write_display(quantity);
}

void show_rate(Quantity quantity, uint32_t rate) {
    const QuantityDisplay display = display_of(quantity);
    display.decimals = rate_to_display(rate, !quantity_in_bits(quantity), quantity_prefix(quantity),
                                       display.value);
    write_display(quantity);
}

} // namespace

uint32_t read_rate_quantity(Quantity quantity) {
    return read_rate_field(quantity_units[quantity].value_field, !quantity_in_bits(quantity),
                           quantity_prefix(quantity), display_of(quantity).value);
}

uint64_t read_size_quantity(Quantity quantity) {
    return read_size_field(quantity_units[quantity].value_field, quantity_in_bits(quantity),
                           quantity_prefix(quantity), display_of(quantity).value);
}

void show_max_size() {
    show_size(quantity_max_size, calc.max_size_bits);
}

void show_reserve() {
    show_size(quantity_reserve, calc.reserve_bits);
}

void show_result_text() {
    show_size(quantity_result, calc.result_size_bits);
}

void show_audio_text() {
    show_rate(quantity_audio, calc.audio_rate);
}

void show_video_text() {
    show_rate(quantity_video, calc.video_rate);
}

void show_audio_rate() {
    show_audio_text();
    if ((calc.edit_state & audio_reread_done) == 0) {
        reread_audio_rate();
    }
}

void show_video_rate() {
    show_video_text();
    if ((calc.edit_state & video_reread_done) == 0) {
        reread_video_rate();
    }
}

void reread_audio_rate() {
    calc.edit_state |= audio_reread_done;
    calc.audio_rate_shown = read_rate_quantity(quantity_audio);
}

void reread_video_rate() {
    calc.edit_state |= video_reread_done;
    calc.video_rate_shown = read_rate_quantity(quantity_video);
}
