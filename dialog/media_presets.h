// Output formats and medium presets: the medium field 174 offers the media of the
// output format; a medium text sets the max. data amount to that medium's capacity.
// Each output format remembers the medium text last applied with it.
#ifndef VIDOMAT_DIALOG_MEDIA_PRESETS_H
#define VIDOMAT_DIALOG_MEDIA_PRESETS_H

#include <cstdint>

constexpr uint32_t format_dvd = 0;
constexpr uint32_t format_vcd = 1;
constexpr uint32_t format_svcd = 2;
constexpr uint32_t format_free = 3;

// The radio button of an output format (0 to 3).
uint32_t format_radio(uint32_t format);

// Matches the first four bytes of calc.field_text against the media; returns 0 when a
// medium was applied and 1 when the text matched none (field 174 is then emptied).
uint32_t apply_media_text();
// Fills field 174 with the media of the format and applies its remembered text.
void fill_media_list(uint32_t format);
void select_output_format(uint32_t format);
// Shows the medium that media_index names and takes its capacity.
void restore_media_by_index();

#endif
