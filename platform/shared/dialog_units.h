// Dialog units to pixels, as the dialog manager converts a dialog template's positions
// and sizes: horizontal units are quarters, vertical units eighths of the base units of
// the dialog's font. Every front end builds the calculator dialog with the same base
// units, so the same texts fit the same fields everywhere.
#ifndef VIDOMAT_PLATFORM_SHARED_DIALOG_UNITS_H
#define VIDOMAT_PLATFORM_SHARED_DIALOG_UNITS_H

#include <cstdint>

// Measured under Wine 8 on the real dialog: its font ("MS Sans Serif", 8 points at 96
// dots per inch) gives base units of 6 x 13 pixels (MapDialogRect of 4 x 8 units).
constexpr int32_t dialog_base_unit_x = 6;
constexpr int32_t dialog_base_unit_y = 13;

// MulDiv(units, base, 4) and MulDiv(units, base, 8): rounded to the nearest pixel,
// halves away from zero.
int32_t dialog_x_to_pixels(int32_t units);
int32_t dialog_y_to_pixels(int32_t units);

#endif
