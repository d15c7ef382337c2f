// The German help text of vidomat-calc and its version line.
#ifndef VIDOMAT_TOOLS_VIDOMAT_CALC_HELP_TEXT_H
#define VIDOMAT_TOOLS_VIDOMAT_CALC_HELP_TEXT_H

extern const char* const calc_help_text;
extern const char* const calc_version_text;

#endif
