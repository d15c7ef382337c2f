// The unit selectors of the five quantities (prefix none, K, M, G), their Bytes / Bits
// radio pairs, the optimisation label in field 181, and the preset audio rates.
#ifndef VIDOMAT_DIALOG_UNIT_SELECTORS_H
#define VIDOMAT_DIALOG_UNIT_SELECTORS_H

#include "engine/field_conversion.h"

#include <cstdint>

// A selector's list closed: the chosen item's first letter sets the prefix. When the
// unit changed (mode_flags differs from `entry_flags`) the field is shown anew.
void select_unit(Quantity quantity, uint32_t entry_flags);
// A click on either button of the quantity's radio pair.
void switch_bytes_bits(Quantity quantity, uint32_t notification, uint32_t entry_flags);
// Fills a selector with the bit or byte unit names and shows the name of `prefix`.
void fill_unit_list(uint32_t selector, bool in_bits, uint32_t prefix);
// Writes "CCE / IfoEdit" into field 181 when the units are those of the encoder preset,
// the empty text otherwise.
void show_optimise_label();
// Fills field 175's list with the preset audio rates in the audio field's unit.
void fill_audio_presets();
// Shows the quantity in its field anew (after its unit changed).
void show_quantity(Quantity quantity);
// Checks the button of the quantity's radio pair that its unit says and fills its selector.
void show_unit_choice(Quantity quantity);

#endif
