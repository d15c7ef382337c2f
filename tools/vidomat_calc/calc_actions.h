// The options as a user's actions on the running calculator, in a fixed order: output
// format, medium, max. data amount, length, audio, reserve, safety margin, video rate,
// units. Each value is checked before it is entered, in the unit in force then.
#ifndef VIDOMAT_TOOLS_VIDOMAT_CALC_CALC_ACTIONS_H
#define VIDOMAT_TOOLS_VIDOMAT_CALC_CALC_ACTIONS_H

#include "tools/vidomat_calc/calc_options.h"
#include "tools/vidomat_calc/calc_status.h"

// Plays the options on the started calculator. Errors have status_bad_value.
CalcError play_options(const CalcOptions& options);

#endif
