#include "tools/vidomat_script/snapshot.h"

#include "engine/calculator_state.h"
#include "platform/shared/text_encoding.h"
#include "settings/settings_file.h"
#include "shell/control_ids.h"
#include "tools/vidomat_script/driven_dialog.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace {

// A Windows-1252 text as a JSON string.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : windows1252_to_utf8(text)) {
        const uint8_t byte = static_cast<uint8_t>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// One key of an object, with its separator: `"key": ` after a ", " unless it is first.
std::string key(const char* name, bool first = false) {
    return std::string(first ? "\"" : ", \"") + name + "\": ";
}

std::string key(uint32_t id, bool first) {
    return key(std::to_string(id).c_str(), first);
}

template <size_t count, typename Value>
std::string object_of(const uint32_t (&ids)[count], Value value) {
    std::string out = "{";
    for (size_t i = 0; i < count; ++i) {
        out += key(ids[i], i == 0) + value(ids[i]);
    }
    return out + "}";
}

std::string list_items(uint32_t id) {
    std::string out = "[";
    for (uint32_t i = 0; i < driven_list_count(id); ++i) {
        out += (i == 0 ? "" : ", ") + quoted(driven_list_item(id, i));
    }
    return out + "]";
}

std::string message_boxes() {
    std::string out = "[";
    for (uint32_t i = 0; i < driven_message_count(); ++i) {
        const DrivenMessageBox box = driven_message(i);
        out += (i == 0 ? "{" : ", {") + key("caption", true) + quoted(box.caption) + key("text") +
               quoted(box.text) + key("style") + std::to_string(box.style) + "}";
    }
    return out + "]";
}

// The settings file's bytes in lower-case hex, or null when there is no such file.
std::string settings_file() {
    struct stat status;
    std::ifstream file(settings_file_name, std::ios::binary);
    if (stat(settings_file_name, &status) != 0 || !S_ISREG(status.st_mode) || !file) {
        return "null";
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    std::string out = "\"";
    for (const char c : bytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", static_cast<uint8_t>(c));
        out += hex;
    }
    return out + "\"";
}

std::string number(uint64_t value) {
    return std::to_string(value);
}

} // namespace

std::string json_string(const std::string& text) {
    return quoted(text);
}

std::string snapshot_fields() {
    return object_of(all_combo_boxes, [](uint32_t id) { return quoted(driven_field_text(id)); });
}

std::string snapshot_state() {
    std::string out = "{" + key("mode_flags", true) + number(calc.mode_flags);
    out += key("edit_state") + number(calc.edit_state);
    out += key("max_size_bits") + number(calc.max_size_bits);
    out += key("reserve_bits") + number(calc.reserve_bits);
    out += key("payload_bits") + std::to_string(static_cast<int64_t>(calc.payload_bits));
    out += key("frames_overhead_bits") + number(calc.frames_overhead_bits);
    out += key("length_seconds") + number(calc.length_seconds);
    out += key("length_frames") + number(calc.length_frames);
    out += key("audio_rate") + number(calc.audio_rate);
    out += key("audio_rate_shown") + number(calc.audio_rate_shown);
    out += key("video_rate") + number(calc.video_rate);
    out += key("video_rate_shown") + number(calc.video_rate_shown);
    out += key("result_size_bits") + number(calc.result_size_bits);
    out += key("video_factor_num") + number(calc.video_factor_num);
    out += key("video_factor_den") + number(calc.video_factor_den);
    out += key("chapter_count") + number(calc.chapter_count);
    out += key("media_choice") + "[";
    for (uint32_t format = 0; format < media_format_count; ++format) {
        const char* const choice = calc.media_choice[format];
        size_t length = 0;
        while (length < media_choice_size && choice[length] != '\0') {
            ++length;
        }
        out += (format == 0 ? "" : ", ") + quoted(std::string(choice, length));
    }
    return out + "]}";
}

std::string snapshot_json() {
    const bool running = driven_running();
    const uint32_t focus = driven_focus_owner();
    std::string out = "{" + key("running", true) + (running ? "true" : "false");
    out += key("exit_code") + (running ? "null" : number(driven_exit_code()));
    out += key("focus") + (running && focus != driven_no_focus ? number(focus) : "null");
    out += key("fields") + snapshot_fields();
    out += key("lists") + object_of(all_combo_boxes, list_items);
    out += key("selection") + object_of(all_combo_boxes, [](uint32_t id) {
               return std::to_string(driven_selection(id));
           });
    out += key("checked") + object_of(checkable_buttons, [](uint32_t id) {
               return std::string(driven_checked(id) ? "1" : "0");
           });
    out += key("menu") + object_of(checked_menu_commands, [](uint32_t id) {
               return std::string(driven_menu_checked(id) ? "1" : "0");
           });
    out += key("messages") + message_boxes();
    out += key("about_shown") + number(driven_about_count());
    out += key("settings_file") + settings_file();
    out += key("state") + snapshot_state();
    return out + "}";
}
