#include "dialog/encoder_preset.h"

#include "dialog/dialog_initialisation.h"
#include "engine/calculator_state.h"

#include <cstring>

void apply_encoder_preset() {
    if (std::memcmp(calc.field_text, "CCE / If", 8) != 0) {
        return;
    }
    calc.video_factor_num = 9991;
    calc.video_factor_den = 10000;
    calc.mode_flags &= ~preset_unit_mask;
    calc.edit_state = optimise_list_filled;
    initialise_dialog();
}
