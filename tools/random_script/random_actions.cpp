#include "tools/random_script/random_actions.h"

#include "platform/memory/memory_dialog.h"
#include "shell/control_ids.h"

#include <cstring>
#include <iterator>

namespace {

const char* const keys[] = {"enter", "escape", "alt+/", "alt+?"};

template <size_t count> uint32_t pick(FuzzInput& input, const uint32_t (&ids)[count]) {
    return ids[input.byte() % count];
}

// Typed text leans towards what number fields read: most bytes stand for a character of
// `common`; a byte from 0xF0 on lets the next byte through as it is (never a zero).
size_t typed_text(FuzzInput& input, char* buffer, size_t capacity) {
    static const char common[] = "01234567890123456789 ,.:GMKB/ ";
    const size_t wanted = input.byte() % capacity;
    size_t length = 0;
    for (size_t i = 0; i < wanted && !input.empty(); ++i) {
        const uint8_t code = input.byte();
        const char c =
            code < 0xF0 ? common[code % (sizeof common - 1)] : static_cast<char>(input.byte());
        if (c != '\0') {
            buffer[length++] = c;
        }
    }
    buffer[length] = '\0';
    return length;
}

// The commands' names in scenario scripts, in the order of RandomCommand.
const char* const command_names[] = {"focus",    "type",  "backspace", "replace", "paste", "choose",
                                     "dropdown", "click", "menu",      "key",     "close", "dump"};
static_assert(std::size(command_names) == command_dump + 1, "a name for every command");

} // namespace

RandomAction random_action(FuzzInput& input) {
    RandomAction action{command_dump, 0, "", 0};
    // The lists and the typing into their fields come more often than the rest: that is
    // where the controls keep the most state.
    switch (input.byte() % 16) {
    case 0:
        action = RandomAction{command_focus, pick(input, all_combo_boxes), "", 0};
        break;
    case 1:
    case 2:
        action = RandomAction{command_type, pick(input, all_combo_boxes), "", 0};
        typed_text(input, action.text, 32);
        break;
    case 3:
        action = RandomAction{command_backspace, pick(input, all_combo_boxes), "", 0};
        action.count = input.byte() % 16;
        break;
    case 4:
        action = RandomAction{command_replace, pick(input, all_combo_boxes), "", 0};
        typed_text(input, action.text, 32);
        break;
    case 5:
        action = RandomAction{command_paste, pick(input, all_combo_boxes), "", 0};
        typed_text(input, action.text, sizeof action.text);
        break;
    case 6:
    case 7:
    case 8: {
        // One of the items the list holds now; nothing when it holds none.
        action = RandomAction{command_choose, pick(input, drop_down_combo_boxes), "", 0};
        const uint32_t count = memory_list_count(action.id);
        const uint8_t index = input.byte();
        if (count == 0) {
            action = RandomAction{command_dump, 0, "", 0};
        } else {
            std::strcpy(action.text, memory_list_item(action.id, index % count));
        }
        break;
    }
    case 9:
    case 10:
        action = RandomAction{command_dropdown, pick(input, drop_down_combo_boxes), "", 0};
        break;
    case 11:
    case 12:
        action = RandomAction{command_click, pick(input, checkable_buttons), "", 0};
        break;
    case 13:
        action = RandomAction{command_menu, pick(input, menu_commands), "", 0};
        break;
    case 14:
        action = RandomAction{command_key, 0, "", 0};
        std::strcpy(action.text, keys[input.byte() % std::size(keys)]);
        break;
    default:
        action = RandomAction{command_close, 0, "", 0};
        break;
    }
    return action;
}

bool perform_random_action(const RandomAction& action) {
    switch (action.command) {
    case command_focus:
        memory_focus(action.id);
        break;
    case command_type:
        memory_type(action.id, action.text);
        break;
    case command_backspace:
        memory_backspace(action.id, action.count);
        break;
    case command_replace:
        memory_replace(action.id, action.text);
        break;
    case command_paste:
        memory_paste(action.id, action.text);
        break;
    case command_choose:
        return memory_choose(action.id, action.text);
    case command_dropdown:
        memory_dropdown(action.id);
        break;
    case command_click:
        memory_click(action.id);
        break;
    case command_menu:
        memory_menu(action.id);
        break;
    case command_key:
        if (std::strcmp(action.text, "enter") == 0) {
            memory_key_enter();
        } else if (std::strcmp(action.text, "escape") == 0) {
            memory_key_escape();
        } else {
            memory_key_about();
        }
        break;
    case command_close:
        memory_close_box();
        break;
    case command_dump:
        break;
    }
    return true;
}

std::string random_action_line(const RandomAction& action) {
    std::string line = command_names[action.command];
    if (action.id != 0) {
        line += " " + std::to_string(action.id);
    }
    if (action.command == command_backspace) {
        line += " " + std::to_string(action.count);
    } else if (action.text[0] != '\0' || action.command == command_replace ||
               action.command == command_type || action.command == command_paste) {
        line += " ";
        line += action.text;
    }
    return line;
}
