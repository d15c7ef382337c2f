// The calculator as a scenario script drives it: the start of the program, the user's
// actions, what the user sees, and what a script prepares. The script reading and the
// snapshot are the same for every driver; this part is per platform: the headless
// driver drives the in-memory dialog (driven_memory.cpp), the Windows driver the real
// dialog with real mouse and keyboard input (driven_win32.cpp).
//
// Texts are Windows-1252. An action on a control first clicks into the dialog; an action
// on a disabled control does nothing at all. Every action returns when the program has
// handled all of it, message boxes and the About box answered.
#ifndef VIDOMAT_TOOLS_VIDOMAT_SCRIPT_DRIVEN_DIALOG_H
#define VIDOMAT_TOOLS_VIDOMAT_SCRIPT_DRIVEN_DIALOG_H

#include <cstdint>
#include <string>

constexpr uint32_t driven_no_focus = 0;

struct DrivenMessageBox {
    std::string caption;
    std::string text;
    uint32_t style;
};

// --- The program ----------------------------------------------------------------------
// Starts the program as a new process would: every quantity at its initial value, the
// settings file read anew. Only while it is not running.
void driven_start();
// Started, and its quit message not yet seen.
bool driven_running();
// The exit code of the program that ended last; 0 before any has ended.
uint32_t driven_exit_code();

// --- Preparation ----------------------------------------------------------------------
// How the next Yes/No message box is answered; after that box it is "no" again.
void driven_answer_next_yes_no(bool yes);
// The next such operation on the settings file fails, whenever it comes.
void driven_fail_next_open();
void driven_fail_next_read();
void driven_fail_next_write();

// --- What the user does ---------------------------------------------------------------
// Clicks into the edit part of a combo box.
void driven_focus(uint32_t id);
// Clicks into the edit part, puts the caret at the end and types the text.
void driven_type(uint32_t id, const std::string& text);
// As driven_type, then presses Backspace `count` times.
void driven_backspace(uint32_t id, uint32_t count);
// Clicks into the edit part, selects the whole text and types the text over it (an
// empty text: presses Delete).
void driven_replace(uint32_t id, const std::string& text);
// Clicks into the edit part, selects the whole text and pastes the text in one go.
void driven_paste(uint32_t id, const std::string& text);
// Opens the drop-down list with the mouse and clicks the first item whose text is
// `text`. False when the list holds no such item; nothing has happened then.
bool driven_choose(uint32_t id, const std::string& text);
// Opens the drop-down list and closes it again without a choice.
void driven_dropdown(uint32_t id);
// Clicks a button.
void driven_click(uint32_t id);
// Chooses a menu item with the mouse.
void driven_menu(uint32_t command);
// Keys, wherever the focus is: Enter, Escape, Alt+"/" (or Alt+"?", the same command).
void driven_key_enter();
void driven_key_escape();
void driven_key_about(char key);
// Clicks the close box of the title bar.
void driven_close_box();

// --- What the user sees ---------------------------------------------------------------
// While the program runs, the controls as they are; after it ended, as they were last.
std::string driven_field_text(uint32_t id);
uint32_t driven_list_count(uint32_t id);
std::string driven_list_item(uint32_t id, uint32_t index);
int32_t driven_selection(uint32_t id);
bool driven_checked(uint32_t id);
bool driven_menu_checked(uint32_t command);
// The control with the keyboard focus (a combo box for its edit part), or driven_no_focus.
uint32_t driven_focus_owner();
// Every message box since the driver began, in order; how often the About box opened.
uint32_t driven_message_count();
DrivenMessageBox driven_message(uint32_t index);
uint32_t driven_about_count();

#endif
