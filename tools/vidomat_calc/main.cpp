// vidomat-calc: the calculator for scripts. Plays the options as a user's actions on the
// in-memory calculator dialog and prints what the dialog shows.
#include "tools/vidomat_calc/calc_run.h"

int main(int argc, char** argv) {
    return run_calc(argc, argv, stdout, stderr);
}
