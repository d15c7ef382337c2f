// The headless driver's side of driven_dialog.h: the in-memory dialog.
#include "tools/vidomat_script/driven_dialog.h"

#include "dialog/dialog_procedure.h"
#include "platform/memory/memory_dialog.h"

static_assert(driven_no_focus == memory_no_focus, "the same 'no control'");

void driven_start() {
    memory_reset();
    start_calculator();
}

bool driven_running() {
    return memory_running();
}

uint32_t driven_exit_code() {
    return memory_exit_code();
}

void driven_answer_next_yes_no(bool yes) {
    memory_answer_next_yes_no(yes);
}

void driven_focus(uint32_t id) {
    memory_focus(id);
}

void driven_type(uint32_t id, const std::string& text) {
    memory_type(id, text.c_str());
}

void driven_backspace(uint32_t id, uint32_t count) {
    memory_backspace(id, count);
}

void driven_replace(uint32_t id, const std::string& text) {
    memory_replace(id, text.c_str());
}

void driven_paste(uint32_t id, const std::string& text) {
    memory_paste(id, text.c_str());
}

bool driven_choose(uint32_t id, const std::string& text) {
    return memory_choose(id, text.c_str());
}

void driven_dropdown(uint32_t id) {
    memory_dropdown(id);
}

void driven_click(uint32_t id) {
    memory_click(id);
}

void driven_menu(uint32_t command) {
    memory_menu(command);
}

void driven_key_enter() {
    memory_key_enter();
}

void driven_key_escape() {
    memory_key_escape();
}

void driven_key_about(char) {
    memory_key_about();
}

void driven_close_box() {
    memory_close_box();
}

std::string driven_field_text(uint32_t id) {
    return memory_field_text(id);
}

uint32_t driven_list_count(uint32_t id) {
    return memory_list_count(id);
}

std::string driven_list_item(uint32_t id, uint32_t index) {
    const char* const item = memory_list_item(id, index);
    return item != nullptr ? item : "";
}

int32_t driven_selection(uint32_t id) {
    return memory_selection(id);
}

bool driven_checked(uint32_t id) {
    return memory_checked(id);
}

bool driven_menu_checked(uint32_t command) {
    return memory_menu_checked(command);
}

uint32_t driven_focus_owner() {
    return memory_focus_owner();
}

uint32_t driven_message_count() {
    return memory_message_count();
}

DrivenMessageBox driven_message(uint32_t index) {
    const MemoryMessageBox& box = memory_message(index);
    return DrivenMessageBox{box.caption, box.text, box.style};
}

uint32_t driven_about_count() {
    return memory_about_count();
}
