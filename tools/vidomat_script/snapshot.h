// A snapshot: everything a user and the settings file show at one moment, and the
// calculator's state, as one line of JSON.
#ifndef VIDOMAT_TOOLS_VIDOMAT_SCRIPT_SNAPSHOT_H
#define VIDOMAT_TOOLS_VIDOMAT_SCRIPT_SNAPSHOT_H

#include <cstdint>
#include <string>

// The snapshot line, without its line break.
std::string snapshot_json();
// Its "fields" and "state" values, which vidomat-calc --json prints as well.
std::string snapshot_fields();
std::string snapshot_state();
// A Windows-1252 text as a JSON string.
std::string json_string(const std::string& text);

#endif
