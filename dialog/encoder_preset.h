// The encoder preset "CCE / IfoEdit" of field 181: base units and the 0,09 % margin.
#ifndef VIDOMAT_DIALOG_ENCODER_PRESET_H
#define VIDOMAT_DIALOG_ENCODER_PRESET_H

// Applies the preset when calc.field_text begins with "CCE / If"; any other text
// ("...") changes nothing.
void apply_encoder_preset();

#endif
