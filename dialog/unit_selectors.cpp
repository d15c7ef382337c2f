#include "dialog/unit_selectors.h"

#include "engine/calculator_state.h"
#include "engine/field_conversion.h"
#include "engine/live_recalculation.h"
#include "platform/platform.h"

namespace {

const char* const byte_unit_names[4] = {"B", "KB", "MB", "GB"};
const char* const bit_unit_names[4] = {"b", "Kb", "Mb", "Gb"};

constexpr uint32_t audio_preset_count = 12;

// The preset audio rates as they are shown, by audio_in_bytes and audio_prefix; each
// list ends with a null entry. The texts are literal, not computed from the unit.
const char* const audio_preset_list[2][4][audio_preset_count + 1] = {
    {
        {"0", "64 000", "96 000", "112 000", "128 000", "160 000", "192 000", "224 000", "256 000",
         "320 000", "384 000", nullptr},
        {"0", "62,5", "93,75", "109,375", "125", "156,25", "187,5", "218,75", "250", "312,5", "375",
         nullptr},
        {"0", "0,061035156", "0,091552734", "0,106811523", "0,122070312", "0,15258789",
         "0,183105468", "0,213623046", "0,244140625", "0,305175781", "0,366210937", nullptr},
        {"0", "0,000208616", "0,000059605", "0,000089407", "0,000104308", "0,000119209",
         "0,000149012", "0,000178814", "0,000208616", "0,000238419", "0,000298023", "0,000357628",
         nullptr},
    },
    {
        {"0", "8 000", "12 000", "14 000", "16 000", "20 000", "24 000", "28 000", "32 000",
         "40 000", "48 000", nullptr},
        {"0", "7,8125", "11,71875", "13,671875", "15,625", "19,53125", "23,4375", "27,34375",
         "31,25", "39,0625", "46,875", nullptr},
        {"0", "0,007629394", "0,011444092", "0,013351440", "0,015258789", "0,019073486",
         "0,022888184", "0,026702881", "0,030517578", "0,038146973", "0,045776367", nullptr},
        {"0", "0,000007451", "0,000011176", "0,000013039", "0,000014901", "0,000018626",
         "0,000022352", "0,000026077", "0,000029802", "0,000037253", "0,000044703", nullptr},
    },
};

uint32_t prefix_from_letter(char letter) {
    switch (letter & 0xDF) { // upper case: "b" and "B" alike
    case 'K':
        return 1;
    case 'M':
        return 2;
    case 'B':
        return 0;
    default:
        return 3; // "G", and anything unexpected
    }
}

} // namespace

void show_quantity(Quantity quantity) {
    switch (quantity) {
    case quantity_max_size:
        show_max_size();
        break;
    case quantity_audio:
        show_audio_rate();
        break;
    case quantity_result:
        show_result_size();
        break;
    case quantity_video:
        show_video_rate();
        break;
    default:
        show_reserve();
        break;
    }
}

void select_unit(Quantity quantity, uint32_t entry_flags) {
    const QuantityUnit& unit = quantity_units[quantity];
    const int32_t index = platform_list_selection(unit.selector);
    if (!platform_list_item_text(unit.selector, index, calc.field_text)) {
        return; // the list closed with no item chosen
    }
    const uint32_t prefix = prefix_from_letter(calc.field_text[0]);
    calc.mode_flags =
        (calc.mode_flags & ~(prefix_mask << unit.prefix_shift)) | (prefix << unit.prefix_shift);
    if (calc.mode_flags == entry_flags) {
        return;
    }
    if (quantity == quantity_audio) {
        fill_audio_presets();
    }
    show_optimise_label();
    show_quantity(quantity);
}

void switch_bytes_bits(Quantity quantity, uint32_t notification, uint32_t entry_flags) {
    if (notification != notify_clicked) {
        return;
    }
    const QuantityUnit& unit = quantity_units[quantity];
    if (platform_is_button_checked(unit.first_radio)) {
        calc.mode_flags &= ~unit.flag;
    } else {
        calc.mode_flags |= unit.flag;
    }
    if (calc.mode_flags == entry_flags) {
        return;
    }
    fill_unit_list(unit.selector, quantity_in_bits(quantity), quantity_prefix(quantity));
    if (quantity == quantity_audio) {
        fill_audio_presets();
    }
    show_optimise_label();
    show_quantity(quantity);
}

void fill_unit_list(uint32_t selector, bool in_bits, uint32_t prefix) {
    const char* const* names = in_bits ? bit_unit_names : byte_unit_names;
    platform_list_reset(selector);
    for (uint32_t i = 0; i < 4; ++i) {
        platform_list_add(selector, names[i]);
    }
    platform_set_field_text(selector, names[prefix & prefix_mask]);
}

void show_optimise_label() {
    if ((calc.mode_flags & preset_unit_mask) == 0) {
        calc.edit_state = optimise_list_filled;
        platform_set_field_text(field_optimise, "CCE / IfoEdit");
    } else {
        platform_set_field_text(field_optimise, "");
    }
}

void fill_audio_presets() {
    const uint32_t in_bytes = (calc.mode_flags & audio_in_bytes) != 0 ? 1 : 0;
    const char* const* list = audio_preset_list[in_bytes][prefix_at(audio_prefix_shift)];
    platform_list_reset(field_audio_rate);
    for (uint32_t i = 0; list[i] != nullptr; ++i) {
        platform_list_add(field_audio_rate, list[i]);
    }
}

void show_unit_choice(Quantity quantity) {
    const QuantityUnit& unit = quantity_units[quantity];
    const bool second = (calc.mode_flags & unit.flag) != 0;
    platform_check_radio_button(unit.first_radio, unit.second_radio,
                                second ? unit.second_radio : unit.first_radio);
    fill_unit_list(unit.selector, quantity_in_bits(quantity), quantity_prefix(quantity));
}
