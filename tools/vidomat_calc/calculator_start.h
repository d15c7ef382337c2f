// Starts the calculator on the in-memory dialog as a new process would. Without a
// settings file nothing is read or written; with one, the start reads it as its
// "Vidomat.ini" and nothing ever writes it.
#ifndef VIDOMAT_TOOLS_VIDOMAT_CALC_CALCULATOR_START_H
#define VIDOMAT_TOOLS_VIDOMAT_CALC_CALCULATOR_START_H

#include "tools/vidomat_calc/calc_status.h"

#include <optional>
#include <string>

// Errors have status_bad_settings: the file cannot be read, is empty, or the start
// reported it (the dialog's message then stands in the error).
CalcError start_with_settings(const std::optional<std::string>& settings_path);

#endif
