// The whole of vidomat-calc: the command line read, the options played on the started
// calculator, and the report or the error printed to the given streams.
#ifndef VIDOMAT_TOOLS_VIDOMAT_CALC_CALC_RUN_H
#define VIDOMAT_TOOLS_VIDOMAT_CALC_CALC_RUN_H

#include <cstdio>

// `argv` as main() gets it, the program's name first. Returns the exit status (a
// CalcStatus); the report goes to `out`, an error's message to `err`.
int run_calc(int argc, const char* const* argv, std::FILE* out, std::FILE* err);

#endif
