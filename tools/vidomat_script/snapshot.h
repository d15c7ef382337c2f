// A snapshot: everything a user and the settings file show at one moment, and the
// calculator's state, as one line of JSON.
#ifndef VIDOMAT_TOOLS_VIDOMAT_SCRIPT_SNAPSHOT_H
#define VIDOMAT_TOOLS_VIDOMAT_SCRIPT_SNAPSHOT_H

#include <cstdint>
#include <string>

// The controls a snapshot shows, in its order; the script commands take the same ones.
constexpr uint32_t snapshot_combo_boxes[] = {168, 169, 170, 171, 172, 174, 175, 176,
                                             177, 178, 179, 180, 181, 182, 183};
constexpr uint32_t snapshot_drop_downs[] = {172, 174, 175, 176, 178, 179, 180, 181};
constexpr uint32_t snapshot_buttons[] = {2,    1189, 1190, 1192, 1193, 1198, 1199, 1201, 1202,
                                         1203, 1204, 1205, 1206, 1208, 1212, 1214, 1215, 1216};
constexpr uint32_t snapshot_menu_items[] = {32771, 32772};

// The snapshot line, without its line break.
std::string snapshot_json();
// Its "fields" and "state" values, which vidomat-calc --json prints as well.
std::string snapshot_fields();
std::string snapshot_state();
// A Windows-1252 text as a JSON string.
std::string json_string(const std::string& text);

#endif
