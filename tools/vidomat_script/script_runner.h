// Plays a scenario script on the in-memory dialog, one line at a time.
#ifndef VIDOMAT_TOOLS_VIDOMAT_SCRIPT_SCRIPT_RUNNER_H
#define VIDOMAT_TOOLS_VIDOMAT_SCRIPT_SCRIPT_RUNNER_H

#include <istream>
#include <ostream>

// Runs every line of `script`, printing a snapshot line to `snapshots` for each `dump`.
// Returns 0, or 2 after writing "line N: reason" to `errors` at the first script error.
int run_script(std::istream& script, std::ostream& snapshots, std::ostream& errors);

#endif
