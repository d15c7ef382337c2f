// How vidomat-calc ends: its exit statuses, and an error's status with its message.
#ifndef VIDOMAT_TOOLS_VIDOMAT_CALC_CALC_STATUS_H
#define VIDOMAT_TOOLS_VIDOMAT_CALC_CALC_STATUS_H

#include <string>

enum CalcStatus : int {
    status_fits = 0,
    status_does_not_fit = 1,
    status_usage = 64,        // the command line itself is wrong
    status_bad_value = 65,    // a value the dialog would not take as given
    status_bad_settings = 66, // the settings file cannot be read or holds no record
    status_output_failed = 74 // standard output could not be written
};

// An error: its status and the German message for standard error (UTF-8, without the
// program's name and the line break). No error: status_fits and an empty message.
struct CalcError {
    CalcStatus status;
    std::string message;
};

inline CalcError no_error() {
    return CalcError{status_fits, ""};
}

inline bool failed(const CalcError& error) {
    return !error.message.empty();
}

#endif
