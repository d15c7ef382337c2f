// The in-memory calculator dialog: the controls of the dialog layout, kept in memory and
// notifying the dialog procedure exactly as the real controls do, in the same order and
// with the same state visible at each notification. Besides the platform functions it
// offers what a user does (for the headless driver and the tests), what a user sees, and
// the preparation of message-box answers.
//
// Every notification is delivered synchronously through the dialog procedure given to
// platform_create_dialog. A user action is possible only while the dialog is shown and
// the program has not posted its quit message; otherwise it does nothing.
#ifndef VIDOMAT_PLATFORM_MEMORY_MEMORY_DIALOG_H
#define VIDOMAT_PLATFORM_MEMORY_MEMORY_DIALOG_H

#include <cstdint>
#include <string>

constexpr uint32_t memory_no_focus = 0;

struct MemoryMessageBox {
    std::string caption;
    std::string text;
    uint32_t style;
};

// --- What the user does ---------------------------------------------------------------
// Each action on a control first clicks into the dialog: a focus that a message box or
// the About box took away comes back to its control (3 for a combo box). An action on a
// disabled control does nothing at all.

// Clicks into the edit part of a combo box: the focus moves there.
void memory_focus(uint32_t id);
// Clicks into the edit part, caret at the end, and types the text one byte at a time.
// The fields of the unit selectors and of the medium (drop-down combo boxes without
// CBS_AUTOHSCROLL) take only what fits their width, in typing as in pasting.
void memory_type(uint32_t id, const char* text);
// Clicks into the edit part, caret at the end, and presses Backspace `count` times.
void memory_backspace(uint32_t id, uint32_t count);
// Clicks into the edit part, selects the whole text and types the text over it; an
// empty text presses Delete instead.
void memory_replace(uint32_t id, const char* text);
// Clicks into the edit part, selects the whole text and pastes the text in one go.
void memory_paste(uint32_t id, const char* text);
// Opens the drop-down list with the mouse and clicks the first item whose text is
// `text`. False when the control is no drop-down combo box or its list holds no such
// item; nothing has happened then.
bool memory_choose(uint32_t id, const char* text);
// Opens the drop-down list and closes it again without a choice.
void memory_dropdown(uint32_t id);
// Clicks a button with the mouse.
void memory_click(uint32_t id);
// Chooses a menu item with the mouse.
void memory_menu(uint32_t command);
// Keys, wherever the focus is: Enter, Escape, Alt+"/" or Alt+"?".
void memory_key_enter();
void memory_key_escape();
void memory_key_about();
// Clicks the close box of the title bar.
void memory_close_box();

// --- What the user sees ---------------------------------------------------------------
// A control's window text ("" for an unknown id).
const char* memory_field_text(uint32_t id);
uint32_t memory_list_count(uint32_t id);
// A list item's text, or nullptr when there is no such item.
const char* memory_list_item(uint32_t id, uint32_t index);
int32_t memory_selection(uint32_t id);
bool memory_checked(uint32_t id);
bool memory_enabled(uint32_t id);
bool memory_menu_checked(uint32_t command);
// The control with the keyboard focus, or memory_no_focus.
uint32_t memory_focus_owner();
// The control's text was last set by the program (written, or emptied with its list),
// not by the user's typing or by a choice from its list.
bool memory_written_by_program(uint32_t id);
// Every message box since the in-memory dialog began, in order.
uint32_t memory_message_count();
const MemoryMessageBox& memory_message(uint32_t index);
uint32_t memory_about_count();
// Created, and the quit message not yet posted.
bool memory_running();
// The exit code the quit message carries; 0 while none was posted.
uint32_t memory_exit_code();
bool memory_dialog_shown();
// platform_end_dialog was called (the dialog is hidden).
bool memory_dialog_ended();

// --- Preparation ----------------------------------------------------------------------
// How the next Yes/No message box is answered; after that box it is "no" again.
void memory_answer_next_yes_no(bool yes);
// Empties the message-box log, for a harness that runs the calculator many times over.
void memory_forget_messages();
// Back to the state before any dialog was created, as for a new process: the controls,
// the focus and the running state go, files left open are closed (creating the dialog
// closes them too). The message-box log, the About count, the prepared answer and
// pending file failures stay.
void memory_reset();

#endif
