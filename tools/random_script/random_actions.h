// A user's random actions on the in-memory dialog, taken from a stream of bytes: the
// commands of a scenario script (focus, type, backspace, replace, paste, choose,
// dropdown, click, menu, key, close) with their controls and texts. The actions fuzz
// target takes the bytes from the fuzzer, the random scenario generator from its seed.
#ifndef VIDOMAT_TOOLS_RANDOM_SCRIPT_RANDOM_ACTIONS_H
#define VIDOMAT_TOOLS_RANDOM_SCRIPT_RANDOM_ACTIONS_H

#include "engine/calculator_state.h"
#include "fuzz/fuzz_input.h"

#include <cstdint>
#include <string>

// The scenario script commands that a random action is; a dump changes nothing.
enum RandomCommand : uint32_t {
    command_focus,
    command_type,
    command_backspace,
    command_replace,
    command_paste,
    command_choose,
    command_dropdown,
    command_click,
    command_menu,
    command_key,
    command_close,
    command_dump,
};

// One user action as a scenario script line names it. `text` is Windows-1252.
struct RandomAction {
    RandomCommand command;
    uint32_t id;
    char text[field_text_size];
    uint32_t count;
};

// The next action from the bytes. A choice names an item the in-memory list holds now;
// when the list holds none, the action is a "dump", which changes nothing.
RandomAction random_action(FuzzInput& input);

// Does what the action says on the in-memory dialog. False only when a choice found no
// item of its text in the list.
bool perform_random_action(const RandomAction& action);

// The scenario script line that does the same, without its line break; the text as it
// is, in Windows-1252.
std::string random_action_line(const RandomAction& action);

#endif
