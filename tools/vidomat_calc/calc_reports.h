// What vidomat-calc prints after the actions: the fields as the dialog shows them, the
// JSON object, or the calculation step by step. All UTF-8.
#ifndef VIDOMAT_TOOLS_VIDOMAT_CALC_CALC_REPORTS_H
#define VIDOMAT_TOOLS_VIDOMAT_CALC_CALC_REPORTS_H

#include <string>

// Whether it fits: with an entered video rate, the resulting data amount is at most the
// max. data amount; otherwise some video rate is left after audio and overheads.
bool calculation_fits(bool video_entered);

// One line per field: its label, its text and its unit.
std::string fields_report();
// The summary in base units, then "fields" and "state" as the scenario snapshot has them.
std::string json_report(bool fits);

#endif
