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

bool is(const RandomAction& action, const char* command) {
    return std::strcmp(action.command, command) == 0;
}

} // namespace

RandomAction random_action(FuzzInput& input) {
    RandomAction action{"", 0, "", 0};
    // The lists and the typing into their fields come more often than the rest: that is
    // where the controls keep the most state.
    switch (input.byte() % 16) {
    case 0:
        action = RandomAction{"focus", pick(input, all_combo_boxes), "", 0};
        break;
    case 1:
    case 2:
        action = RandomAction{"type", pick(input, all_combo_boxes), "", 0};
        typed_text(input, action.text, 32);
        break;
    case 3:
        action = RandomAction{"backspace", pick(input, all_combo_boxes), "", 0};
        action.count = input.byte() % 16;
        break;
    case 4:
        action = RandomAction{"replace", pick(input, all_combo_boxes), "", 0};
        typed_text(input, action.text, 32);
        break;
    case 5:
        action = RandomAction{"paste", pick(input, all_combo_boxes), "", 0};
        typed_text(input, action.text, sizeof action.text);
        break;
    case 6:
    case 7:
    case 8: {
        // One of the items the list holds now; nothing when it holds none.
        action = RandomAction{"choose", pick(input, drop_down_combo_boxes), "", 0};
        const uint32_t count = memory_list_count(action.id);
        const uint8_t index = input.byte();
        if (count == 0) {
            action = RandomAction{"dump", 0, "", 0};
        } else {
            std::strcpy(action.text, memory_list_item(action.id, index % count));
        }
        break;
    }
    case 9:
    case 10:
        action = RandomAction{"dropdown", pick(input, drop_down_combo_boxes), "", 0};
        break;
    case 11:
    case 12:
        action = RandomAction{"click", pick(input, checkable_buttons), "", 0};
        break;
    case 13:
        action = RandomAction{"menu", pick(input, menu_commands), "", 0};
        break;
    case 14:
        action = RandomAction{"key", 0, "", 0};
        std::strcpy(action.text, keys[input.byte() % std::size(keys)]);
        break;
    default:
        action = RandomAction{"close", 0, "", 0};
        break;
    }
    return action;
}

bool perform_random_action(const RandomAction& action) {
    if (is(action, "focus")) {
        memory_focus(action.id);
    } else if (is(action, "type")) {
        memory_type(action.id, action.text);
    } else if (is(action, "backspace")) {
        memory_backspace(action.id, action.count);
    } else if (is(action, "replace")) {
        memory_replace(action.id, action.text);
    } else if (is(action, "paste")) {
        memory_paste(action.id, action.text);
    } else if (is(action, "choose")) {
        return memory_choose(action.id, action.text);
    } else if (is(action, "dropdown")) {
        memory_dropdown(action.id);
    } else if (is(action, "click")) {
        memory_click(action.id);
    } else if (is(action, "menu")) {
        memory_menu(action.id);
    } else if (is(action, "key")) {
        if (std::strcmp(action.text, "enter") == 0) {
            memory_key_enter();
        } else if (std::strcmp(action.text, "escape") == 0) {
            memory_key_escape();
        } else {
            memory_key_about();
        }
    } else if (is(action, "close")) {
        memory_close_box();
    }
    return true;
}

std::string random_action_line(const RandomAction& action) {
    std::string line = action.command;
    if (action.id != 0) {
        line += " " + std::to_string(action.id);
    }
    if (is(action, "backspace")) {
        line += " " + std::to_string(action.count);
    } else if (action.text[0] != '\0' || is(action, "replace") || is(action, "type") ||
               is(action, "paste")) {
        line += " ";
        line += action.text;
    }
    return line;
}
