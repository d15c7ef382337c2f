#include "dialog/media_presets.h"

#include "engine/calculator_state.h"
#include "engine/live_recalculation.h"
#include "platform/platform.h"

#include <cstring>

namespace {

struct Medium {
    const char* name; // its first four bytes are the key a text is matched by
    uint64_t capacity_bits;
};

// Indexed by media_index. The capacities follow the names only roughly, so they are
// table values, never computed from the names.
const Medium media_table[] = {
    {"4,7 GB", 37624000000u},          {"8,5 GB", 68320000000u},
    {"700 MB / 80 Min.", 5600000000u}, {"650 MB / 74 Min.", 5200000000u},
    {"1,4 GB", 11200000000u},          {"2,6 GB", 20800000000u},
    {"9,4 GB", 75200000000u},          {"17 GB", 136640000000u},
    {"740 MB / 84 Min.", 5920000000u}, {"800 MB / 90 Min.", 6400000000u},
    {"870 MB / 99 Min.", 6960000000u}, {"13 GB", 105920000000u},
};
constexpr uint32_t media_count = sizeof media_table / sizeof media_table[0];
constexpr uint32_t key_length = 4;

// The lists offered, in list order, by media_index.
const uint32_t dvd_media[] = {4, 5, 0, 1, 6, 11, 7};
const uint32_t cd_media[] = {3, 2, 8, 9, 10};

const uint32_t format_radios[4] = {radio_dvd, radio_vcd, radio_svcd, radio_free};

template <size_t count> void add_media(const uint32_t (&indices)[count]) {
    for (uint32_t index : indices) {
        platform_list_add(field_medium, media_table[index].name);
    }
}

} // namespace

uint32_t format_radio(uint32_t format) {
    return format_radios[format & output_format_mask];
}

uint32_t apply_media_text() {
    const char* const text = calc.field_text;
    for (uint32_t index = 0; index < media_count; ++index) {
        // A text shorter than the key never matches: its terminator differs.
        if (std::memcmp(text, media_table[index].name, key_length) == 0) {
            calc.max_size_bits = media_table[index].capacity_bits;
            set_media_index(index);
            // The slot holds 49 characters; a longer text keeps its first 49.
            char* const slot = calc.media_choice[output_format()];
            std::strncpy(slot, text, media_choice_size - 1);
            slot[media_choice_size - 1] = '\0';
            recompute_all();
            return 0;
        }
    }
    platform_set_field_text(field_medium, "");
    return 1;
}

void fill_media_list(uint32_t format) {
    platform_list_reset(field_medium);
    if (format == format_vcd || format == format_svcd) {
        add_media(cd_media);
    } else {
        add_media(dvd_media);
        if (format == format_free) {
            add_media(cd_media);
            set_media_index(media_index_none);
        }
    }
    platform_set_field_text(field_medium, calc.media_choice[format]);
    std::strcpy(calc.field_text, calc.media_choice[format]);
    apply_media_text();
}

void select_output_format(uint32_t format) {
    set_output_format(format);
    platform_check_radio_button(radio_dvd, radio_free, format_radio(format));
    fill_media_list(format);
    recompute_all();
}

void restore_media_by_index() {
    const uint32_t index = media_index();
    if (index < media_count) {
        calc.max_size_bits = media_table[index].capacity_bits;
        platform_set_field_text(field_medium, media_table[index].name);
    }
}
