#include "dialog/encoder_preset.h"

#include "dialog/dialog_initialisation.h"
#include "engine/calculator_state.h"

#include <cstring>

void apply_encoder_preset() {
    if (std::memcmp(calc.field_text, "CCE / If", 8) != 0) {
        return;
    }
    calc.video_factor_num = preset_factor_num;
    calc.video_factor_den = preset_factor_den;
    calc.mode_flags &= ~preset_unit_mask;
    calc.edit_state = optimise_list_filled;
    initialise_dialog();
}
