#include "tools/vidomat_script/script_runner.h"

#include "platform/shared/text_encoding.h"
#include "settings/settings_file.h"
#include "shell/control_ids.h"
#include "tools/vidomat_script/driven_dialog.h"
#include "tools/vidomat_script/snapshot.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// A script error's reason; empty when the line was fine.
using Outcome = std::string;
const Outcome fine;

struct Player {
    std::ostream& snapshots;
    bool started;
};

// A script line: its command word and the rest after the first space.
struct Line {
    std::string command;
    std::string rest;
    bool has_rest;
};

Line split(const std::string& text) {
    const size_t space = text.find(' ');
    if (space == std::string::npos) {
        return Line{text, "", false};
    }
    return Line{text.substr(0, space), text.substr(space + 1), true};
}

bool parse_number(const std::string& text, uint32_t& value) {
    if (text.empty() || text.size() > 10 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const uint64_t wide = std::stoull(text);
    value = static_cast<uint32_t>(wide);
    return wide <= UINT32_MAX;
}

bool parse_hex(const std::string& text, std::string& bytes) {
    if (text.size() % 2 != 0 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return false;
    }
    for (size_t i = 0; i < text.size(); i += 2) {
        bytes += static_cast<char>(std::stoul(text.substr(i, 2), nullptr, 16));
    }
    return true;
}

// --- Lines that prepare a start -----------------------------------------------------

Outcome prepare_file(const Player& player, const Line& line) {
    if (player.started && driven_running()) {
        return "file: only while the program is not running";
    }
    if (line.rest == "delete") {
        std::remove(settings_file_name);
        return fine;
    }
    if (line.rest != "hex" && line.rest.compare(0, 4, "hex ") != 0) {
        return "file: expected 'delete' or 'hex HEX'";
    }
    std::string bytes;
    if (!parse_hex(line.rest.size() > 4 ? line.rest.substr(4) : "", bytes)) {
        return "file hex: expected an even number of hex digits";
    }
    std::ofstream file(settings_file_name, std::ios::binary | std::ios::trunc);
    if (!(file << bytes) || !file.flush()) {
        return std::string("file hex: cannot write ") + settings_file_name;
    }
    return fine;
}

Outcome prepare_failure(const Line& line) {
    if (line.rest == "open") {
        driven_fail_next_open();
    } else if (line.rest == "read") {
        driven_fail_next_read();
    } else if (line.rest == "write") {
        driven_fail_next_write();
    } else {
        return "fail: expected 'open', 'read' or 'write'";
    }
    return fine;
}

Outcome prepare_answer(const Line& line) {
    if (line.rest != "yes" && line.rest != "no") {
        return "answer: expected 'yes' or 'no'";
    }
    driven_answer_next_yes_no(line.rest == "yes");
    return fine;
}

// --- The user's actions -------------------------------------------------------------

enum Argument : uint32_t {
    argument_none,
    argument_id,       // ID
    argument_id_text,  // ID TEXT
    argument_id_count, // ID N
    argument_key,      // a key name
};

struct Action {
    const char* name;
    Argument argument;
    const uint32_t* ids; // the control ids it takes
    size_t id_count;
    const char* id_kind; // what those controls are, for the error message
    // Plays the action; `text` is in Windows-1252. False only when a list holds no item
    // of that text.
    bool (*play)(uint32_t id, const std::string& text, uint32_t count);
};

const Action actions[] = {
    {"focus", argument_id, all_combo_boxes, std::size(all_combo_boxes), "combo box",
     [](uint32_t id, const std::string&, uint32_t) {
         driven_focus(id);
         return true;
     }},
    {"type", argument_id_text, all_combo_boxes, std::size(all_combo_boxes), "combo box",
     [](uint32_t id, const std::string& text, uint32_t) {
         driven_type(id, text);
         return true;
     }},
    {"backspace", argument_id_count, all_combo_boxes, std::size(all_combo_boxes), "combo box",
     [](uint32_t id, const std::string&, uint32_t count) {
         driven_backspace(id, count);
         return true;
     }},
    {"replace", argument_id_text, all_combo_boxes, std::size(all_combo_boxes), "combo box",
     [](uint32_t id, const std::string& text, uint32_t) {
         driven_replace(id, text);
         return true;
     }},
    {"paste", argument_id_text, all_combo_boxes, std::size(all_combo_boxes), "combo box",
     [](uint32_t id, const std::string& text, uint32_t) {
         driven_paste(id, text);
         return true;
     }},
    {"choose", argument_id_text, drop_down_combo_boxes, std::size(drop_down_combo_boxes),
     "drop-down list",
     [](uint32_t id, const std::string& text, uint32_t) { return driven_choose(id, text); }},
    {"dropdown", argument_id, drop_down_combo_boxes, std::size(drop_down_combo_boxes),
     "drop-down list",
     [](uint32_t id, const std::string&, uint32_t) {
         driven_dropdown(id);
         return true;
     }},
    {"click", argument_id, checkable_buttons, std::size(checkable_buttons), "button",
     [](uint32_t id, const std::string&, uint32_t) {
         driven_click(id);
         return true;
     }},
    {"menu", argument_id, menu_commands, std::size(menu_commands), "menu item",
     [](uint32_t id, const std::string&, uint32_t) {
         driven_menu(id);
         return true;
     }},
    {"key", argument_key, nullptr, 0, "",
     [](uint32_t, const std::string& key, uint32_t) {
         if (key == "enter") {
             driven_key_enter();
         } else if (key == "escape") {
             driven_key_escape();
         } else {
             driven_key_about(key.back());
         }
         return true;
     }},
    {"close", argument_none, nullptr, 0, "",
     [](uint32_t, const std::string&, uint32_t) {
         driven_close_box();
         return true;
     }},
};

// Reads the action's arguments from the line: a key name, or a control id followed by
// TEXT or N after exactly one space.
Outcome parse_arguments(const Action& action, const Line& line, uint32_t& id, std::string& text,
                        uint32_t& count) {
    const std::string name = action.name;
    if (action.argument == argument_none) {
        return line.has_rest ? name + ": takes no argument" : fine;
    }
    if (action.argument == argument_key) {
        text = line.rest;
        const bool known =
            text == "enter" || text == "escape" || text == "alt+/" || text == "alt+?";
        return known ? fine : name + ": unknown key '" + text + "'";
    }
    const size_t space = line.rest.find(' ');
    const std::string word = line.rest.substr(0, space);
    const bool more = space != std::string::npos;
    text = more ? line.rest.substr(space + 1) : "";
    if (word.empty()) {
        return name + ": control id missing";
    }
    if (!parse_number(word, id)) {
        return name + ": bad control id '" + word + "'";
    }
    if (std::find(action.ids, action.ids + action.id_count, id) == action.ids + action.id_count) {
        return name + ": " + word + " is not a " + action.id_kind;
    }
    if (action.argument == argument_id && more) {
        return name + ": unexpected text after the control id";
    }
    if (action.argument == argument_id_count && !parse_number(text, count)) {
        return name + ": bad count '" + text + "'";
    }
    return fine;
}

// The program starts as a new process would.
void start(Player& player) {
    driven_start();
    player.started = true;
}

// `start`, `dump` and the user's actions; the first of them starts the program.
Outcome act(Player& player, const Line& line) {
    const bool running = player.started && driven_running();
    if (line.command == "start" || line.command == "dump") {
        if (line.has_rest) {
            return line.command + ": takes no argument";
        }
        if (line.command == "start" && running) {
            return "start: the program is still running";
        }
        if (line.command == "start" || !player.started) {
            start(player);
        }
        if (line.command == "dump") {
            player.snapshots << snapshot_json() << '\n' << std::flush;
        }
        return fine;
    }
    for (const Action& action : actions) {
        if (line.command != action.name) {
            continue;
        }
        uint32_t id = 0;
        uint32_t count = 0;
        std::string text;
        const Outcome outcome = parse_arguments(action, line, id, text, count);
        if (!outcome.empty()) {
            return outcome;
        }
        if (!player.started) {
            start(player);
        } else if (!running) {
            return line.command + ": the program is not running";
        }
        if (!action.play(id, utf8_to_windows1252(text), count)) {
            return line.command + ": the list of " + std::to_string(id) + " holds no item '" +
                   text + "'";
        }
        return fine;
    }
    if (line.command.empty()) {
        return "a line must not begin with a space";
    }
    return "unknown command '" + line.command + "'";
}

Outcome play(Player& player, const Line& line) {
    if (line.command == "file") {
        return prepare_file(player, line);
    }
    if (line.command == "fail") {
        return prepare_failure(line);
    }
    if (line.command == "answer") {
        return prepare_answer(line);
    }
    return act(player, line);
}

bool is_blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

int run_script(std::istream& script, std::ostream& snapshots, std::ostream& errors) {
    Player player{snapshots, false};
    std::string text;
    for (uint32_t number = 1; std::getline(script, text); ++number) {
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        if (is_blank(text) || text[0] == '#') {
            continue;
        }
        const Outcome outcome = play(player, split(text));
        if (!outcome.empty()) {
            snapshots << std::flush;
            errors << "line " << number << ": " << outcome << '\n';
            return 2;
        }
    }
    return 0;
}
