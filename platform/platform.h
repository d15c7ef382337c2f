// The one interface through which the calculator touches the window system; the settings
// file has an interface of its own (platform/file_system.h). Every operation names a
// dialog control by its identifier; the dialog itself is the one calculator dialog that
// platform_create_dialog made.
//
// Implementations are chosen at link time: platform/win32 (user32) and platform/memory
// (an in-memory dialog that behaves like the real controls). No file of the calculator's
// core includes a window-system header.
#ifndef VIDOMAT_PLATFORM_PLATFORM_H
#define VIDOMAT_PLATFORM_PLATFORM_H

#include <cstdint>

// Messages and command codes the calculator dialog handles; the values are those of
// the window system, so a front end can pass its messages through unchanged.
constexpr uint32_t message_init_dialog = 0x0110; // WM_INITDIALOG
constexpr uint32_t message_command = 0x0111;     // WM_COMMAND

constexpr uint32_t notify_clicked = 0; // BN_CLICKED
// A command from a menu item, or from an accelerator key.
constexpr uint32_t notify_menu = 0;
constexpr uint32_t notify_accelerator = 1;
constexpr uint32_t notify_sel_change = 1;      // CBN_SELCHANGE
constexpr uint32_t notify_set_focus = 3;       // CBN_SETFOCUS
constexpr uint32_t notify_kill_focus = 4;      // CBN_KILLFOCUS
constexpr uint32_t notify_edit_change = 5;     // CBN_EDITCHANGE
constexpr uint32_t notify_edit_update = 6;     // CBN_EDITUPDATE
constexpr uint32_t notify_drop_down = 7;       // CBN_DROPDOWN
constexpr uint32_t notify_close_up = 8;        // CBN_CLOSEUP
constexpr uint32_t notify_sel_end_ok = 9;      // CBN_SELENDOK
constexpr uint32_t notify_sel_end_cancel = 10; // CBN_SELENDCANCEL

// Message box styles and answers.
constexpr uint32_t box_ok = 0x0000;              // MB_OK
constexpr uint32_t box_yes_no = 0x0004;          // MB_YESNO
constexpr uint32_t box_icon_question = 0x0020;   // MB_ICONQUESTION
constexpr uint32_t box_default_button2 = 0x0100; // MB_DEFBUTTON2
constexpr uint32_t box_task_modal = 0x2000;      // MB_TASKMODAL
constexpr uint32_t answer_ok = 1;                // IDOK
constexpr uint32_t answer_yes = 6;               // IDYES
constexpr uint32_t answer_no = 7;                // IDNO

// Menu check states (MF_CHECKED, MF_UNCHECKED).
constexpr uint32_t menu_checked = 8;
constexpr uint32_t menu_unchecked = 0;

// A window, menu or file as the platform knows it; 0 is "none".
using PlatformHandle = uintptr_t;
constexpr PlatformHandle no_handle = 0;

// The calculator dialog's message handler: window, message, word and long parameter.
using DialogProcedure = intptr_t (*)(PlatformHandle, uint32_t, uintptr_t, intptr_t);

// --- Dialog lifetime ------------------------------------------------------------------
// Creates the calculator dialog (hidden), sends it the initialisation message through
// `procedure` and returns its handle, or no_handle when it cannot be created.
PlatformHandle platform_create_dialog(DialogProcedure procedure);
void platform_show_dialog();
void platform_end_dialog(uint32_t result);
void platform_destroy_frame_window();
void platform_post_quit(uint32_t exit_code);
// Runs the About box modally, owned by the frame window.
void platform_run_about_box();

// --- Fields and lists (combo boxes) ---------------------------------------------------
// Copies at most size - 1 characters of the field's text and a terminating zero into
// buffer; returns the number of characters copied. size is at least 1.
uint32_t platform_get_field_text(uint32_t id, char* buffer, uint32_t size);
// Sets a field's text. A text written by the program raises no notification.
void platform_set_field_text(uint32_t id, const char* text);
void platform_list_reset(uint32_t id);
void platform_list_add(uint32_t id, const char* text);
// The selected item's index, or -1 when none is selected.
int32_t platform_list_selection(uint32_t id);
// Copies item `index` (zero-terminated) into a buffer of 256 bytes; an item text longer
// than 255 characters is cut. Returns false when there is no such item.
bool platform_list_item_text(uint32_t id, int32_t index, char* buffer);

// --- Buttons and menu -----------------------------------------------------------------
bool platform_is_button_checked(uint32_t id);
void platform_check_button(uint32_t id, bool checked);
void platform_check_radio_button(uint32_t first, uint32_t last, uint32_t id);
PlatformHandle platform_get_menu();
void platform_check_menu_item(PlatformHandle menu, uint32_t id, uint32_t check);

// --- Message boxes --------------------------------------------------------------------
// Shows a message box without an owner window and returns the answer.
uint32_t platform_message_box(const char* text, const char* caption, uint32_t style);

#endif
