#include "platform/memory/memory_dialog.h"

#include "platform/memory/memory_file.h"
#include "platform/platform.h"
#include "platform/shared/combo_box.h"
#include "platform/shared/dialog_focus.h"
#include "platform/shared/edit_width.h"
#include "platform/shared/radio_groups.h"
#include "shell/control_ids.h"
#include "shell/dialog_layout.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace {

static_assert(memory_no_focus == focus_none, "the same 'no control'");

constexpr uint32_t max_controls = 48;
constexpr uint32_t max_menu_items = 8;
constexpr int32_t no_selection = combo_no_selection;
constexpr PlatformHandle dialog_handle = resource_calculator_dialog;
constexpr PlatformHandle menu_handle = resource_menu;

enum ControlKind : uint32_t {
    kind_inert, // group boxes and texts
    kind_auto_radio,
    kind_auto_check_box,
    kind_simple_combo,
    kind_drop_down_combo,
};

struct Control {
    uint32_t id; // 0 for the texts without one
    ControlKind kind;
    bool enabled;
    bool tab_stop;
    bool checked;
    // A combo box's text, list and selection; for every other control its caption.
    ComboBox box;
};

struct Dialog {
    DialogProcedure procedure;
    bool created;
    bool shown;
    bool ended;
    bool frame_destroyed;
    bool quit_posted;
    uint32_t exit_code;
    DialogFocus focus;
    uint32_t control_count;
    Control controls[max_controls];
    bool menu_checks[max_menu_items];
};

Dialog dialog;

// Where each control id below max_indexed_id sits in dialog.controls, plus one (0: no
// control), made with the controls: the dialog looks a control up by its id at every
// notification, text access and inspection.
constexpr uint32_t max_indexed_id = 2048;
uint8_t slot_of_id[max_indexed_id];
static_assert(max_controls < 255, "a slot plus one fits a byte");

// What outlives a restart of the calculator.
std::vector<MemoryMessageBox> message_log;
uint32_t about_count = 0;
bool answer_yes_next = false;

ControlKind kind_of(const ControlLayout& layout) {
    if (layout.control_class == class_combo_box) {
        return (layout.style & combo_type_mask) == combo_simple ? kind_simple_combo
                                                                : kind_drop_down_combo;
    }
    if (layout.control_class == class_button) {
        switch (layout.style & button_type_mask) {
        case button_auto_radio:
            return kind_auto_radio;
        case button_auto_check_box:
            return kind_auto_check_box;
        default:
            break;
        }
    }
    return kind_inert;
}

void build_controls() {
    dialog.control_count = 0;
    std::memset(slot_of_id, 0, sizeof slot_of_id);
    for (uint32_t i = 0; i < calculator_dialog.control_count && i < max_controls; ++i) {
        const ControlLayout& layout = calculator_dialog.controls[i];
        Control& control = dialog.controls[i];
        control.id = layout.id > 0 ? static_cast<uint32_t>(layout.id) : 0;
        control.kind = kind_of(layout);
        control.enabled = (layout.style & style_disabled) == 0;
        control.tab_stop = (layout.style & style_tab_stop) != 0;
        control.checked = false;
        combo_init(control.box, control.id,
                   control.kind >= kind_simple_combo && (layout.style & combo_sort) != 0,
                   edit_width_limit(control.id), layout.caption);
        dialog.control_count = i + 1;
        if (control.id != 0 && control.id < max_indexed_id && slot_of_id[control.id] == 0) {
            slot_of_id[control.id] = static_cast<uint8_t>(i + 1);
        }
    }
}

Control* find(uint32_t id) {
    if (id == 0) {
        return nullptr;
    }
    if (id < max_indexed_id) {
        const uint8_t slot = slot_of_id[id];
        return slot != 0 ? &dialog.controls[slot - 1] : nullptr;
    }
    for (uint32_t i = 0; i < dialog.control_count; ++i) {
        if (dialog.controls[i].id == id) {
            return &dialog.controls[i];
        }
    }
    return nullptr;
}

bool is_combo(const Control* control) {
    return control != nullptr && control->kind >= kind_simple_combo;
}

bool is_combo(uint32_t id) {
    return is_combo(find(id));
}

bool dialog_alive() {
    return dialog.created && !dialog.frame_destroyed;
}

void notify(uint32_t id, uint32_t code) {
    if (dialog_alive() && dialog.procedure != nullptr) {
        dialog.procedure(dialog_handle, message_command, (uintptr_t{code} << 16) | id, 0);
    }
}

const FocusHooks focus_hooks = {is_combo, notify};

void move_focus(uint32_t id) {
    focus_move(dialog.focus, id, focus_hooks);
}

void lend_focus_to_other_window() {
    focus_lend(dialog.focus, focus_hooks);
}

bool user_can_act() {
    return dialog_alive() && dialog.shown && !dialog.ended && !dialog.quit_posted;
}

// A control the user can reach, or nullptr.
Control* reachable(uint32_t id) {
    Control* const control = user_can_act() ? find(id) : nullptr;
    return control != nullptr && control->enabled ? control : nullptr;
}

// A click anywhere into the dialog activates it again: a focus that another window took
// away comes back first.
void click_into_dialog() {
    focus_click_into_dialog(dialog.focus, focus_hooks);
}

void click_into(Control& control) {
    click_into_dialog();
    move_focus(control.id);
}

// The fields of the drop-down combo boxes without CBS_AUTOHSCROLL (172, 174, 176, 178,
// 179, 180) do not scroll: a user's edit keeps only what fits the field's width. As the
// real edit field does it (measured under Wine 8):
// - The change is made, then the text measured as the sum of its characters' advances;
//   it fits when that is at most the width (18 pixels for the unit selectors, 84 for the
//   medium field).
// - If it does not fit, the inserted text loses its last character, again and again,
//   until the text fits. A typed character that does not fit is thus refused whole, and
//   a narrower one typed after it may still fit ("4,7 GB Rohling vom" typed gives
//   "4,7 GB Rohling v " since the blank fits where "o" and "m" did not); a pasted text
//   keeps the longest beginning that fits.
// - Only inserted text is ever taken away. A text that is already wider than the field
//   (written by the program or chosen from the list, which keep any width) refuses every
//   insertion and gives up characters only to Backspace or Delete, as the documentation
//   of the window system describes it. (Wine's edit field differs here: it runs its
//   removal one step past the inserted text and takes the character before the change
//   too, and a deletion at the very start of such a text made it hang. The scenario
//   that types into such a text is therefore not compared with Wine.)
// - Whenever something was taken away, the combo box first reports CBN_ERRSPACE (0xFFFF)
//   with the text as it ends up, then 6 and 5 as for any change, even when the text is
//   the same as before (a refused character); the selection follows the same rules as
//   for any typed change.
// - Texts the program writes (SetDlgItemTextA, WM_SETTEXT) and an item chosen from the
//   list are shown whole however wide they are, without any notification.
// The documentation of the window system says the same of CBS_AUTOHSCROLL ("if this
// style is not set, only text that fits within the rectangular boundary is allowed")
// and of EN_MAXTEXT (sent when the characters to be inserted would exceed the width of
// a field without ES_AUTOHSCROLL; the insertion is truncated). That a combo box passes
// EN_MAXTEXT on as CBN_ERRSPACE was seen under Wine only.
//
// The user's edit of the text: the bytes from `start` to `end` (the selection, or the
// character before the caret for Backspace) give way to `count` bytes of `insert`, and
// the change is reported. The text never grows past 255 characters.
void edit_text(Control& control, uint32_t start, uint32_t end, const char* insert, uint32_t count) {
    combo_edit_text(control.box, start, end, insert, count, notify);
}

// Typing a byte at the end of the text; a field of 255 characters takes nothing and
// says nothing.
void type_byte(Control& control, char c) {
    const uint32_t length = static_cast<uint32_t>(std::strlen(control.box.text));
    if (length + 1 >= combo_text_capacity) {
        return;
    }
    edit_text(control, length, length, &c, 1);
}

// Replacing the selected whole text by one typed byte, or by nothing (Delete).
void replace_all(Control& control, const char* insert, uint32_t count) {
    edit_text(control, 0, static_cast<uint32_t>(std::strlen(control.box.text)), insert, count);
}

// The arrow was clicked: the list opens (combo_box.h).
void open_list(Control& control) {
    click_into(control);
    combo_open_list(control.box, notify);
}

void uncheck_radio(uint32_t id) {
    Control* const other = find(id);
    if (other != nullptr && other->kind == kind_auto_radio) {
        other->checked = false;
    }
}

// An auto radio button checks itself and unchecks the other auto radio buttons of its
// group.
void check_in_group(Control& radio) {
    radio_group_walk(radio.id, uncheck_radio);
    radio.checked = true;
}

int32_t menu_index(uint32_t command) {
    for (uint32_t i = 0; i < calculator_menu_count && i < max_menu_items; ++i) {
        if (calculator_menu[i].command == command) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

void type_text(Control& control, const char* text) {
    for (; *text != '\0' && dialog.focus.focus == control.id && user_can_act(); ++text) {
        type_byte(control, *text);
    }
}

} // namespace

// --- User actions ---------------------------------------------------------------------

void memory_focus(uint32_t id) {
    Control* const control = reachable(id);
    if (control != nullptr) {
        click_into(*control);
    }
}

void memory_type(uint32_t id, const char* text) {
    Control* const control = reachable(id);
    if (!is_combo(control)) {
        return;
    }
    click_into(*control);
    type_text(*control, text);
}

void memory_backspace(uint32_t id, uint32_t count) {
    Control* const control = reachable(id);
    if (!is_combo(control)) {
        return;
    }
    click_into(*control);
    for (; count > 0 && dialog.focus.focus == id && user_can_act(); --count) {
        const uint32_t length = static_cast<uint32_t>(std::strlen(control->box.text));
        if (length == 0) {
            return; // Backspace on an empty text changes nothing and says nothing
        }
        edit_text(*control, length - 1, length, "", 0);
    }
}

void memory_replace(uint32_t id, const char* text) {
    Control* const control = reachable(id);
    if (!is_combo(control)) {
        return;
    }
    click_into(*control);
    if (dialog.focus.focus != id) {
        return;
    }
    // Selecting says nothing; the first byte typed (or Delete) replaces the selection.
    if (*text == '\0') {
        if (control->box.text[0] != '\0') {
            replace_all(*control, "", 0);
        }
        return;
    }
    replace_all(*control, text, 1);
    type_text(*control, text + 1);
}

void memory_paste(uint32_t id, const char* text) {
    Control* const control = reachable(id);
    if (!is_combo(control)) {
        return;
    }
    click_into(*control);
    if (dialog.focus.focus != id || (*text == '\0' && control->box.text[0] == '\0')) {
        return;
    }
    replace_all(*control, text, static_cast<uint32_t>(std::strlen(text)));
}

bool memory_choose(uint32_t id, const char* text) {
    Control* const control = find(id);
    if (control == nullptr || control->kind != kind_drop_down_combo ||
        combo_find_item(control->box, text) == no_selection) {
        return false;
    }
    if (reachable(id) == nullptr) {
        return true;
    }
    open_list(*control);
    // The user clicks the item as the open list shows it.
    const int32_t index = combo_find_item(control->box, text);
    if (index == no_selection) {
        combo_close_unchosen(control->box, true, notify);
    } else {
        combo_choose(control->box, index, notify);
    }
    return true;
}

void memory_dropdown(uint32_t id) {
    Control* const control = reachable(id);
    if (control == nullptr || control->kind != kind_drop_down_combo) {
        return;
    }
    open_list(*control);
    combo_close_unchosen(control->box, true, notify);
}

void memory_click(uint32_t id) {
    Control* const control = reachable(id);
    if (control == nullptr ||
        (control->kind != kind_auto_radio && control->kind != kind_auto_check_box)) {
        return;
    }
    click_into_dialog();
    move_focus(id); // on the mouse press
    if (control->kind == kind_auto_radio) {
        check_in_group(*control);
    } else {
        control->checked = !control->checked;
    }
    notify(id, notify_clicked); // on the release
}

void memory_menu(uint32_t command) {
    if (!user_can_act() || menu_index(command) < 0) {
        return;
    }
    click_into_dialog();
    notify(command, notify_menu);
}

void memory_key_enter() {
    if (user_can_act()) {
        notify(cmd_apply, notify_accelerator);
    }
}

void memory_key_escape() {
    if (user_can_act()) {
        notify(cmd_close, notify_accelerator);
    }
}

void memory_key_about() {
    if (user_can_act()) {
        notify(cmd_about, notify_accelerator);
    }
}

void memory_close_box() {
    if (!user_can_act()) {
        return;
    }
    click_into_dialog();
    notify(id_close, notify_menu); // the default handling of the close request posts this command
}

// --- Inspection -----------------------------------------------------------------------

const char* memory_field_text(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr ? control->box.text : "";
}

uint32_t memory_list_count(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr ? control->box.item_count : 0;
}

const char* memory_list_item(uint32_t id, uint32_t index) {
    const Control* const control = find(id);
    return control != nullptr && index < control->box.item_count ? control->box.items[index]
                                                                 : nullptr;
}

int32_t memory_selection(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr ? control->box.selection : no_selection;
}

bool memory_checked(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr && control->checked;
}

bool memory_enabled(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr && control->enabled;
}

bool memory_menu_checked(uint32_t command) {
    const int32_t index = menu_index(command);
    return index >= 0 && dialog.menu_checks[index];
}

uint32_t memory_focus_owner() {
    return dialog.focus.focus;
}

bool memory_written_by_program(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr && control->box.text_by_program;
}

uint32_t memory_message_count() {
    return static_cast<uint32_t>(message_log.size());
}

const MemoryMessageBox& memory_message(uint32_t index) {
    return message_log.at(index);
}

uint32_t memory_about_count() {
    return about_count;
}

bool memory_running() {
    return dialog.created && !dialog.quit_posted;
}

uint32_t memory_exit_code() {
    return dialog.exit_code;
}

bool memory_dialog_shown() {
    return dialog.shown;
}

bool memory_dialog_ended() {
    return dialog.ended;
}

// --- Preparation ----------------------------------------------------------------------

void memory_answer_next_yes_no(bool yes) {
    answer_yes_next = yes;
}

void memory_forget_messages() {
    message_log.clear();
}

void memory_reset() {
    memory_close_files();
    std::memset(&dialog, 0, sizeof dialog);
}

// --- The platform ---------------------------------------------------------------------

PlatformHandle platform_create_dialog(DialogProcedure procedure) {
    if (procedure == nullptr) {
        return no_handle;
    }
    // A new calculator run: whatever an earlier run left open ends with it. The controls
    // are made anew by build_controls; their texts and lists (most of the dialog's 200 KB)
    // need no clearing, as nothing reads past a terminator or an item count.
    memory_close_files();
    std::memset(&dialog, 0, offsetof(Dialog, controls));
    std::memset(dialog.menu_checks, 0, sizeof dialog.menu_checks);
    build_controls();
    dialog.procedure = procedure;
    dialog.created = true;
    procedure(dialog_handle, message_init_dialog, 0, 0);
    return dialog_handle;
}

void platform_show_dialog() {
    if (dialog.shown || dialog.ended || !dialog_alive()) {
        return;
    }
    dialog.shown = true;
    // Activation puts the focus on the first control with a tab stop; for a button that
    // raises no notification.
    for (uint32_t i = 0; i < dialog.control_count; ++i) {
        const Control& control = dialog.controls[i];
        if (control.tab_stop && control.enabled && control.id != 0) {
            move_focus(control.id);
            return;
        }
    }
}

void platform_end_dialog(uint32_t) {
    move_focus(memory_no_focus);
    dialog.ended = true;
    dialog.shown = false;
}

void platform_destroy_frame_window() {
    // The frame window's destruction posts the quit message with 0 and takes the dialog
    // it owns with it.
    platform_post_quit(0);
    dialog.frame_destroyed = true;
}

void platform_post_quit(uint32_t exit_code) {
    if (!dialog.quit_posted) {
        dialog.quit_posted = true; // the message loop ends at the first quit message
        dialog.exit_code = exit_code;
    }
}

void platform_run_about_box() {
    ++about_count;
    lend_focus_to_other_window();
}

uint32_t platform_get_field_text(uint32_t id, char* buffer, uint32_t size) {
    const Control* const control = find(id);
    uint32_t length = 0;
    if (control != nullptr) {
        for (; length + 1 < size && control->box.text[length] != '\0'; ++length) {
            buffer[length] = control->box.text[length];
        }
    }
    buffer[length] = '\0';
    return length;
}

void platform_set_field_text(uint32_t id, const char* text) {
    Control* const control = find(id);
    if (control != nullptr) {
        combo_set_text(control->box, text);
    }
}

void platform_list_reset(uint32_t id) {
    Control* const control = find(id);
    if (is_combo(control)) {
        combo_reset(control->box);
    }
}

void platform_list_add(uint32_t id, const char* text) {
    Control* const control = find(id);
    if (is_combo(control)) {
        combo_add(control->box, text);
    }
}

int32_t platform_list_selection(uint32_t id) {
    return memory_selection(id);
}

bool platform_list_item_text(uint32_t id, int32_t index, char* buffer) {
    const char* const item =
        index >= 0 ? memory_list_item(id, static_cast<uint32_t>(index)) : nullptr;
    if (item == nullptr) {
        return false;
    }
    combo_copy_text(buffer, item);
    return true;
}

bool platform_is_button_checked(uint32_t id) {
    return memory_checked(id);
}

void platform_check_button(uint32_t id, bool checked) {
    Control* const control = find(id);
    if (control != nullptr && control->kind != kind_inert && !is_combo(control)) {
        control->checked = checked;
    }
}

void platform_check_radio_button(uint32_t first, uint32_t last, uint32_t id) {
    for (uint32_t i = 0; i < dialog.control_count; ++i) {
        const uint32_t other = dialog.controls[i].id;
        if (other >= first && other <= last) {
            platform_check_button(other, other == id);
        }
    }
}

PlatformHandle platform_get_menu() {
    return menu_handle;
}

void platform_check_menu_item(PlatformHandle menu, uint32_t id, uint32_t check) {
    const int32_t index = menu_index(id);
    if (menu == menu_handle && index >= 0) {
        dialog.menu_checks[index] = (check & menu_checked) != 0;
    }
}

uint32_t platform_message_box(const char* text, const char* caption, uint32_t style) {
    message_log.push_back(MemoryMessageBox{caption, text, style});
    lend_focus_to_other_window();
    if ((style & 0xF) != box_yes_no) {
        return answer_ok;
    }
    const bool yes = answer_yes_next;
    answer_yes_next = false;
    return yes ? answer_yes : answer_no;
}
