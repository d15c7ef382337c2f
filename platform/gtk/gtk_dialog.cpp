// platform/platform.h on GTK 3: the calculator dialog as a GTK window, built from the
// layout table in pixels of the dialog's base units, with its menu and accelerators.
//
// The combo boxes are made of a GtkEntry, an arrow button and a popup list, and keep
// their state in the shared combo box rules (platform/shared/combo_box.h), so that the
// dialog procedure sees what the Win32 controls send, in the same order:
// - The focus is the dialog's own (platform/shared/dialog_focus.h): a mouse press into a
//   control moves it, before GTK moves its own; GTK's focus events raise nothing.
// - GtkEntry makes the user's edits itself and reports each one, a replaced selection or
//   a paste included, with one "changed"; that becomes 6 and 5. Its "changed" on the
//   program's own writes never reaches the dialog: the handlers are blocked.
// - The width rule of the fields that do not scroll cuts the insertion in "insert-text",
//   before the entry takes it.
// - Opening, choosing from and closing the list are the front end's own, with the list
//   holding the pointer and keyboard while it is open, so that a click elsewhere only
//   closes it (10, 8) as on Win32, and Enter and Escape still reach the dialog.
#include "platform/gtk/gtk_platform.h"

#include "platform/gtk/gtk_boxes.h"
#include "platform/gtk/gtk_icons.h"
#include "platform/platform.h"
#include "platform/shared/combo_box.h"
#include "platform/shared/dialog_focus.h"
#include "platform/shared/dialog_units.h"
#include "platform/shared/edit_width.h"
#include "platform/shared/radio_groups.h"
#include "platform/shared/text_encoding.h"
#include "shell/control_ids.h"
#include "shell/dialog_layout.h"

#include <cstring>
#include <string>

namespace {

constexpr uint32_t max_controls = 48;
constexpr uint32_t max_menu_items = 8;
constexpr PlatformHandle dialog_handle = resource_calculator_dialog;
constexpr PlatformHandle menu_handle = resource_menu;
// The height of a drop-down combo box's closed part, and the width of its arrow button,
// in pixels: those of the Win32 combo box in the dialog's font.
constexpr int drop_down_height = 21;
constexpr int arrow_width = 17;
// The height of a line of the drop-down list.
constexpr int list_line_height = 13;

enum ControlKind : uint32_t {
    kind_inert, // group boxes and texts
    kind_auto_radio,
    kind_auto_check_box,
    kind_simple_combo,
    kind_drop_down_combo,
};

struct Control {
    const ControlLayout* layout;
    uint32_t id; // 0 for the texts without one
    ControlKind kind;
    bool enabled;
    bool tab_stop;
    GtkWidget* widget;
    GtkWidget* entry;
    GtkWidget* arrow;
    GtkListStore* store;
    ComboBox box;
    // The entry's deletion of this change came first; its "changed" will follow.
    bool deleted_in_change;
    // The width rule cut the insertion of this change.
    bool cut_in_change;
    // GtkEntry reports typing over a selection as two changes, the deletion and then the
    // insertion; the real field reports one. A change that began with a deletion is
    // reported once GTK has finished the edit, with what the edit cut.
    bool report_pending;
    bool pending_cut;
};

struct MenuItem {
    uint32_t command;
    GtkWidget* title;
    GtkWidget* item;
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
    uint32_t menu_count;
    MenuItem menu[max_menu_items];
    GtkWidget* window;
    GtkWidget* popup;
    GtkWidget* popup_scroller;
    GtkWidget* popup_list;
    int popup_line_height;
    Control* popup_owner;
    // Set while the program itself changes a widget: its signals are the program's.
    bool program_writes;
};

Dialog dialog;
GtkWatcher watcher;

// --- Texts ------------------------------------------------------------------------------

std::string to_utf8(const char* text) {
    return windows1252_to_utf8(text);
}

std::string from_utf8(const char* text) {
    return utf8_to_windows1252(text != nullptr ? text : "");
}

// "&Datei" becomes "_Datei": the same mnemonic in GTK's notation.
std::string mnemonic(const char* caption) {
    std::string out;
    for (const char* c = caption; *c != '\0'; ++c) {
        if (*c == '&' && c[1] == '&') {
            out += '&';
            ++c;
        } else if (*c == '&') {
            out += '_';
        } else if (*c == '_') {
            out += "__";
        } else {
            out += *c;
        }
    }
    return to_utf8(out.c_str());
}

// --- Controls ---------------------------------------------------------------------------

Control* find(uint32_t id) {
    if (id == 0) {
        return nullptr;
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

bool user_can_act() {
    return dialog_alive() && dialog.shown && !dialog.ended && !dialog.quit_posted;
}

// The entry shows the combo box's text; the change is the program's, not the user's.
void show_text(Control& control) {
    if (control.entry == nullptr) {
        return;
    }
    const std::string text = to_utf8(control.box.text);
    if (std::strcmp(gtk_entry_get_text(GTK_ENTRY(control.entry)), text.c_str()) == 0) {
        return;
    }
    const bool writes = dialog.program_writes;
    dialog.program_writes = true;
    gtk_entry_set_text(GTK_ENTRY(control.entry), text.c_str());
    dialog.program_writes = writes;
}

void show_items(Control& control) {
    if (control.store == nullptr) {
        return;
    }
    gtk_list_store_clear(control.store);
    for (uint32_t i = 0; i < control.box.item_count; ++i) {
        gtk_list_store_insert_with_values(control.store, nullptr, -1, 0,
                                          to_utf8(control.box.items[i]).c_str(), -1);
    }
}

// GTK follows the focus the dialog keeps, so that keys go where the dialog says.
void give_gtk_focus(uint32_t id) {
    Control* const control = find(id);
    if (control == nullptr || dialog.window == nullptr) {
        return;
    }
    GtkWidget* const target = control->entry != nullptr ? control->entry : control->widget;
    if (target != nullptr && !gtk_widget_has_focus(target)) {
        gtk_widget_grab_focus(target);
    }
}

void move_focus(uint32_t id) {
    focus_move(dialog.focus, id, focus_hooks);
}

void click_into_dialog() {
    const uint32_t before = dialog.focus.focus;
    focus_click_into_dialog(dialog.focus, focus_hooks);
    if (dialog.focus.focus != before) {
        give_gtk_focus(dialog.focus.focus);
    }
}

// A message box or the About box takes the focus: GTK's too, so that no key reaches a
// control until the focus comes back.
void lend_focus() {
    focus_lend(dialog.focus, focus_hooks);
    if (dialog.window != nullptr) {
        gtk_window_set_focus(GTK_WINDOW(dialog.window), nullptr);
    }
}

void click_into(Control& control) {
    click_into_dialog();
    move_focus(control.id);
    if (dialog.focus.focus == control.id) {
        give_gtk_focus(control.id);
    }
}

// --- The drop-down list -----------------------------------------------------------------

bool list_open(const Control& control) {
    return dialog.popup_owner == &control;
}

void hide_list() {
    if (dialog.popup == nullptr || dialog.popup_owner == nullptr) {
        return;
    }
    dialog.popup_owner = nullptr;
    gtk_grab_remove(dialog.popup);
    GdkDisplay* const display = gtk_widget_get_display(dialog.popup);
    gdk_seat_ungrab(gdk_display_get_default_seat(display));
    gtk_widget_hide(dialog.popup);
}

void close_list_unchosen(bool with_mouse) {
    Control* const control = dialog.popup_owner;
    hide_list();
    if (control != nullptr) {
        combo_close_unchosen(control->box, with_mouse, notify);
        show_text(*control);
    }
}

void choose_item(Control& control, int32_t index) {
    hide_list();
    combo_choose(control.box, index, notify);
    show_text(control);
    if (control.entry != nullptr) {
        gtk_editable_select_region(GTK_EDITABLE(control.entry), 0, -1);
    }
}

// The list marks the selected item and scrolls it into view.
void show_list_selection(const Control& control) {
    GtkTreeSelection* const selection =
        gtk_tree_view_get_selection(GTK_TREE_VIEW(dialog.popup_list));
    gtk_tree_selection_unselect_all(selection);
    if (control.box.selection >= 0) {
        GtkTreePath* const path = gtk_tree_path_new_from_indices(control.box.selection, -1);
        gtk_tree_selection_select_path(selection, path);
        gtk_tree_view_scroll_to_cell(GTK_TREE_VIEW(dialog.popup_list), path, nullptr, FALSE, 0, 0);
        gtk_tree_path_free(path);
    }
}

int list_height(const Control& control, int line) {
    const int room = dialog_y_to_pixels(control.layout->height) - drop_down_height;
    const int lines = control.box.item_count > 0 ? static_cast<int>(control.box.item_count) : 1;
    return lines * line + 2 < room ? lines * line + 2 : room;
}

void set_list_size(int width, int height) {
    GtkScrolledWindow* const scroller = GTK_SCROLLED_WINDOW(dialog.popup_scroller);
    gtk_scrolled_window_set_min_content_height(scroller, -1);
    gtk_scrolled_window_set_max_content_height(scroller, height - 2);
    gtk_scrolled_window_set_min_content_height(scroller, height - 2);
    gtk_widget_set_size_request(dialog.popup, width, height);
    gtk_window_resize(GTK_WINDOW(dialog.popup), width, height);
}

// The first time a list shows, the height of its lines becomes known: the list takes
// the height its lines need.
gboolean fit_list(gpointer) {
    Control* const control = dialog.popup_owner;
    if (control == nullptr || control->box.item_count == 0) {
        return G_SOURCE_REMOVE;
    }
    GtkTreePath* const path = gtk_tree_path_new_first();
    GdkRectangle area;
    gtk_tree_view_get_background_area(GTK_TREE_VIEW(dialog.popup_list), path, nullptr, &area);
    gtk_tree_path_free(path);
    if (area.height > 0 && area.height != dialog.popup_line_height) {
        dialog.popup_line_height = area.height;
        GtkAllocation allocation;
        gtk_widget_get_allocation(control->widget, &allocation);
        set_list_size(allocation.width, list_height(*control, area.height));
    }
    return G_SOURCE_REMOVE;
}

void show_list(Control& control) {
    GtkAllocation allocation;
    gtk_widget_get_allocation(control.widget, &allocation);
    gint left = 0;
    gint top = 0;
    gdk_window_get_origin(gtk_widget_get_window(control.widget), &left, &top);
    // As high as its lines, up to the room the layout gives it; the height of a line is
    // known once the list has laid out its first line (fit_list).
    gtk_tree_view_set_model(GTK_TREE_VIEW(dialog.popup_list), GTK_TREE_MODEL(control.store));
    const int height = list_height(control, dialog.popup_line_height);
    set_list_size(allocation.width, height);
    gtk_window_move(GTK_WINDOW(dialog.popup), left + allocation.x,
                    top + allocation.y + allocation.height);
    gtk_widget_show_all(dialog.popup);
    show_list_selection(control);
    // The open list's edit text is selected, so that typing replaces it.
    gtk_editable_select_region(GTK_EDITABLE(control.entry), 0, -1);
    dialog.popup_owner = &control;
    if (dialog.popup_line_height == list_line_height) {
        g_idle_add(fit_list, nullptr);
    }
    gtk_grab_add(dialog.popup);
    GdkDisplay* const display = gtk_widget_get_display(dialog.popup);
    gdk_seat_grab(gdk_display_get_default_seat(display), gtk_widget_get_window(dialog.popup),
                  GDK_SEAT_CAPABILITY_ALL, TRUE, nullptr, nullptr, nullptr, nullptr);
}

void open_list(Control& control) {
    click_into(control);
    combo_open_list(control.box, notify);
    show_text(control);
    if (user_can_act() && dialog.focus.focus == control.id) {
        show_list(control);
    }
}

// --- Keys -------------------------------------------------------------------------------

// The accelerators act wherever the focus is, even with a list open: Enter, Escape,
// Alt+"/" and Alt+"?". Returns true when the key was one of them.
bool accelerator(const GdkEventKey* event) {
    const guint modifiers = event->state & (GDK_SHIFT_MASK | GDK_CONTROL_MASK | GDK_MOD1_MASK);
    uint32_t command = 0;
    if ((event->keyval == GDK_KEY_Return || event->keyval == GDK_KEY_KP_Enter) && modifiers == 0) {
        command = cmd_apply;
    } else if (event->keyval == GDK_KEY_Escape && modifiers == 0) {
        command = cmd_close;
    } else if ((event->keyval == GDK_KEY_slash || event->keyval == GDK_KEY_question ||
                event->keyval == GDK_KEY_KP_Divide) &&
               (modifiers & GDK_MOD1_MASK) != 0 && (modifiers & GDK_CONTROL_MASK) == 0) {
        command = cmd_about;
    }
    if (command == 0) {
        return false;
    }
    if (user_can_act()) {
        notify(command, 1);
    }
    return true;
}

// Keys that would move GTK's focus between controls do nothing, as in a dialog whose
// loop does not use the dialog manager's keyboard handling.
bool focus_key(const GdkEventKey* event) {
    switch (event->keyval) {
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab:
    case GDK_KEY_KP_Tab:
    case GDK_KEY_Up:
    case GDK_KEY_Down:
    case GDK_KEY_KP_Up:
    case GDK_KEY_KP_Down:
    case GDK_KEY_Page_Up:
    case GDK_KEY_Page_Down:
        return true;
    default:
        return false;
    }
}

// The keys of a drop-down combo box's edit part: Down and Up step through the list, F4
// and Alt+Down or Alt+Up open and close it.
enum ListKey : uint32_t { list_key_none, list_key_down, list_key_up, list_key_flip };

ListKey list_key(const GdkEventKey* event) {
    const guint modifiers = event->state & (GDK_SHIFT_MASK | GDK_CONTROL_MASK | GDK_MOD1_MASK);
    const bool down = event->keyval == GDK_KEY_Down || event->keyval == GDK_KEY_KP_Down;
    const bool up = event->keyval == GDK_KEY_Up || event->keyval == GDK_KEY_KP_Up;
    if (event->keyval == GDK_KEY_F4 && modifiers == 0) {
        return list_key_flip;
    }
    if ((down || up) && modifiers == GDK_MOD1_MASK) {
        return list_key_flip;
    }
    if (modifiers == 0) {
        return down ? list_key_down : (up ? list_key_up : list_key_none);
    }
    return list_key_none;
}

// The drop-down combo box whose edit part has the focus, or nullptr.
Control* focused_drop_down() {
    Control* const control = find(dialog.focus.focus);
    return control != nullptr && control->kind == kind_drop_down_combo &&
                   gtk_widget_has_focus(control->entry)
               ? control
               : nullptr;
}

gboolean on_window_key(GtkWidget*, GdkEventKey* event, gpointer) {
    if (accelerator(event)) {
        return TRUE;
    }
    Control* const control = focused_drop_down();
    const ListKey key = list_key(event);
    if (control != nullptr && key != list_key_none && user_can_act()) {
        if (key == list_key_flip) {
            combo_open_list(control->box, notify);
            show_text(*control);
            if (user_can_act() && dialog.focus.focus == control->id) {
                show_list(*control);
            }
        } else {
            combo_key_step(control->box, key == list_key_down ? 1 : -1, false, notify);
            show_text(*control);
        }
        return TRUE;
    }
    return focus_key(event) ? TRUE : FALSE;
}

gboolean on_popup_key(GtkWidget*, GdkEventKey* event, gpointer) {
    if (accelerator(event)) {
        return TRUE; // the list stays open
    }
    Control* const control = dialog.popup_owner;
    if (control == nullptr || control->entry == nullptr) {
        return TRUE;
    }
    switch (list_key(event)) {
    case list_key_flip:
        close_list_unchosen(false);
        break;
    case list_key_down:
    case list_key_up:
        combo_key_step(control->box, list_key(event) == list_key_down ? 1 : -1, true, notify);
        show_text(*control);
        if (list_open(*control)) {
            show_list_selection(*control);
        }
        break;
    case list_key_none:
        // Typing while the list is open goes to the entry.
        if (!focus_key(event)) {
            gtk_widget_event(control->entry, reinterpret_cast<GdkEvent*>(event));
            if (list_open(*control)) {
                show_list_selection(*control);
            }
        }
        break;
    }
    return TRUE;
}

// --- Signals of the controls ------------------------------------------------------------

Control* control_of(gpointer data) {
    return static_cast<Control*>(data);
}

gboolean on_entry_press(GtkWidget*, GdkEventButton* event, gpointer data) {
    Control& control = *control_of(data);
    if (event->type == GDK_BUTTON_PRESS && event->button == 1 && user_can_act()) {
        click_into(control);
    }
    return FALSE;
}

gboolean on_arrow_press(GtkWidget*, GdkEventButton* event, gpointer data) {
    Control& control = *control_of(data);
    if (event->type == GDK_BUTTON_PRESS && event->button == 1 && user_can_act() &&
        !list_open(control)) {
        open_list(control);
    }
    return TRUE;
}

// The width rule: the inserted text loses its last characters until the text fits.
void on_entry_insert(GtkEditable* editable, gchar* text, gint length, gint* position,
                     gpointer data) {
    Control& control = *control_of(data);
    if (dialog.program_writes || control.box.width_limit == 0) {
        return;
    }
    const std::string before = from_utf8(gtk_entry_get_text(GTK_ENTRY(editable)));
    const std::string insert = from_utf8(std::string(text, static_cast<size_t>(length)).c_str());
    const uint32_t start = static_cast<uint32_t>(*position);
    const std::string after = before.substr(0, start) + insert + before.substr(start);
    const uint32_t count = static_cast<uint32_t>(insert.size());
    const uint32_t fitting =
        edit_fitting_count(after.c_str(), start, count, control.box.width_limit);
    if (fitting == count) {
        return;
    }
    g_signal_stop_emission_by_name(editable, "insert-text");
    control.cut_in_change = true;
    if (fitting > 0) {
        const std::string kept = to_utf8(insert.substr(0, fitting).c_str());
        g_signal_handlers_block_by_func(editable, reinterpret_cast<gpointer>(on_entry_insert),
                                        data);
        gtk_editable_insert_text(editable, kept.c_str(), static_cast<gint>(kept.size()), position);
        g_signal_handlers_unblock_by_func(editable, reinterpret_cast<gpointer>(on_entry_insert),
                                          data);
    } else if (control.report_pending) {
        control.pending_cut = true; // the pending report of this edit carries the refusal
    } else if (!control.deleted_in_change) {
        // Nothing changed, so the entry says nothing; the real field still reports the
        // refused change.
        control.cut_in_change = false;
        combo_report_edit(control.box, true, list_open(control), notify);
        show_text(control);
    }
}

void on_entry_delete(GtkEditable*, gint, gint, gpointer data) {
    if (!dialog.program_writes) {
        control_of(data)->deleted_in_change = true;
    }
}

gboolean report_pending_edit(gpointer data) {
    Control& control = *static_cast<Control*>(data);
    control.report_pending = false;
    if (user_can_act()) {
        combo_report_edit(control.box, control.pending_cut, list_open(control), notify);
    }
    show_text(control);
    return G_SOURCE_REMOVE;
}

void on_entry_changed(GtkEditable* editable, gpointer data) {
    Control& control = *control_of(data);
    const bool cut = control.cut_in_change;
    const bool deleted = control.deleted_in_change;
    control.cut_in_change = false;
    control.deleted_in_change = false;
    if (dialog.program_writes) {
        return;
    }
    combo_copy_text(control.box.text, from_utf8(gtk_entry_get_text(GTK_ENTRY(editable))).c_str());
    if (control.report_pending) {
        control.pending_cut = control.pending_cut || cut;
        return;
    }
    if (deleted) {
        // Before any further input: the idle runs ahead of the next event.
        control.report_pending = true;
        control.pending_cut = cut;
        g_idle_add_full(G_PRIORITY_HIGH, report_pending_edit, &control, nullptr);
        return;
    }
    if (user_can_act()) {
        combo_report_edit(control.box, cut, list_open(control), notify);
    }
    show_text(control);
}

gboolean on_button_press(GtkWidget*, GdkEventButton* event, gpointer data) {
    Control& control = *control_of(data);
    if (event->type == GDK_BUTTON_PRESS && event->button == 1 && user_can_act()) {
        click_into_dialog();
        move_focus(control.id); // on the mouse press
    }
    return FALSE;
}

void set_checked(Control& control, bool checked) {
    if (control.widget == nullptr || control.kind == kind_inert || is_combo(&control)) {
        return;
    }
    const bool writes = dialog.program_writes;
    dialog.program_writes = true;
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(control.widget), checked ? TRUE : FALSE);
    dialog.program_writes = writes;
}

void uncheck_radio(uint32_t id) {
    Control* const other = find(id);
    if (other != nullptr && other->kind == kind_auto_radio) {
        set_checked(*other, false);
    }
}

// GTK has toggled the button already; an auto radio button stays checked and unchecks
// the others of its group. The dialog hears of it on the release.
void on_button_clicked(GtkButton*, gpointer data) {
    Control& control = *control_of(data);
    if (dialog.program_writes) {
        return;
    }
    if (control.kind == kind_auto_radio) {
        radio_group_walk(control.id, uncheck_radio);
        set_checked(control, true);
    }
    if (user_can_act()) {
        notify(control.id, notify_clicked);
    }
}

gboolean on_popup_press(GtkWidget* popup, GdkEventButton* event, gpointer) {
    if (event->type != GDK_BUTTON_PRESS) {
        return TRUE;
    }
    GtkAllocation allocation;
    gtk_widget_get_allocation(popup, &allocation);
    gint left = 0;
    gint top = 0;
    gdk_window_get_origin(gtk_widget_get_window(popup), &left, &top);
    const bool inside = event->x_root >= left && event->x_root < left + allocation.width &&
                        event->y_root >= top && event->y_root < top + allocation.height;
    if (inside) {
        return FALSE;
    }
    close_list_unchosen(true); // the click itself is swallowed
    return TRUE;
}

gboolean on_list_press(GtkWidget* list, GdkEventButton* event, gpointer) {
    Control* const control = dialog.popup_owner;
    if (event->type != GDK_BUTTON_PRESS || event->button != 1 || control == nullptr ||
        event->window != gtk_tree_view_get_bin_window(GTK_TREE_VIEW(list))) {
        return TRUE;
    }
    GtkTreePath* path = nullptr;
    if (gtk_tree_view_get_path_at_pos(GTK_TREE_VIEW(list), static_cast<gint>(event->x),
                                      static_cast<gint>(event->y), &path, nullptr, nullptr,
                                      nullptr)) {
        const int32_t index = gtk_tree_path_get_indices(path)[0];
        gtk_tree_path_free(path);
        choose_item(*control, index);
    }
    return TRUE;
}

gboolean on_menu_bar_press(GtkWidget*, GdkEventButton*, gpointer) {
    if (user_can_act()) {
        click_into_dialog();
    }
    return FALSE;
}

// A menu choice is code 0. A check mark is the program's to set: GTK's own toggling of
// the item is undone first.
void on_menu_activate(GtkMenuItem* item, gpointer data) {
    if (dialog.program_writes) {
        return;
    }
    const uint32_t command = static_cast<uint32_t>(GPOINTER_TO_UINT(data));
    if (GTK_IS_CHECK_MENU_ITEM(item)) {
        dialog.program_writes = true;
        GtkCheckMenuItem* const check = GTK_CHECK_MENU_ITEM(item);
        gtk_check_menu_item_set_active(check, !gtk_check_menu_item_get_active(check));
        dialog.program_writes = false;
    }
    if (user_can_act()) {
        click_into_dialog();
        notify(command, 0);
    }
}

// The close box: the default handling of the close request posts command 2.
gboolean on_delete(GtkWidget*, GdkEvent*, gpointer) {
    if (user_can_act()) {
        click_into_dialog();
        notify(id_close, 0);
    }
    return TRUE;
}

gboolean on_dialog_press(GtkWidget*, GdkEventButton* event, gpointer) {
    if (event->type == GDK_BUTTON_PRESS && user_can_act()) {
        click_into_dialog();
    }
    return FALSE;
}

// --- Building the window ----------------------------------------------------------------

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

GtkWidget* make_entry(Control& control) {
    GtkWidget* const entry = gtk_entry_new();
    gtk_entry_set_max_length(GTK_ENTRY(entry), static_cast<gint>(combo_text_capacity - 1));
    gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
    gtk_entry_set_has_frame(GTK_ENTRY(entry), TRUE);
    g_signal_connect(entry, "button-press-event", G_CALLBACK(on_entry_press), &control);
    g_signal_connect(entry, "insert-text", G_CALLBACK(on_entry_insert), &control);
    g_signal_connect(entry, "delete-text", G_CALLBACK(on_entry_delete), &control);
    g_signal_connect(entry, "changed", G_CALLBACK(on_entry_changed), &control);
    return entry;
}

GtkWidget* make_widget(Control& control) {
    const ControlLayout& layout = *control.layout;
    const std::string caption = to_utf8(layout.caption);
    int width = dialog_x_to_pixels(layout.width);
    int height = dialog_y_to_pixels(layout.height);
    GtkWidget* widget = nullptr;
    switch (control.kind) {
    case kind_simple_combo:
        control.entry = make_entry(control);
        widget = control.entry;
        break;
    case kind_drop_down_combo: {
        height = drop_down_height;
        widget = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
        gtk_style_context_add_class(gtk_widget_get_style_context(widget), "combo");
        control.entry = make_entry(control);
        gtk_widget_set_hexpand(control.entry, TRUE);
        control.arrow = gtk_button_new_from_icon_name("pan-down-symbolic", GTK_ICON_SIZE_MENU);
        gtk_widget_set_size_request(control.arrow, arrow_width, -1);
        gtk_widget_set_can_focus(control.arrow, FALSE);
        g_signal_connect(control.arrow, "button-press-event", G_CALLBACK(on_arrow_press), &control);
        gtk_box_pack_start(GTK_BOX(widget), control.entry, TRUE, TRUE, 0);
        gtk_box_pack_start(GTK_BOX(widget), control.arrow, FALSE, FALSE, 0);
        control.store = gtk_list_store_new(1, G_TYPE_STRING);
        break;
    }
    case kind_auto_radio:
        widget = gtk_check_button_new_with_label(caption.c_str());
        gtk_style_context_add_class(gtk_widget_get_style_context(widget), "radio-look");
        break;
    case kind_auto_check_box:
        widget = gtk_toggle_button_new_with_label(caption.c_str());
        break;
    case kind_inert:
        if (layout.control_class == class_static) {
            widget = gtk_label_new(caption.c_str());
            gtk_label_set_xalign(GTK_LABEL(widget), 0.0F);
            gtk_label_set_yalign(GTK_LABEL(widget), 0.5F);
        } else {
            widget = gtk_frame_new(caption.c_str());
            gtk_frame_set_label_align(GTK_FRAME(widget), 0.0F, 0.5F);
        }
        break;
    }
    // A text keeps to its control's size, as on Win32, where a longer one is cut.
    if (GTK_IS_LABEL(widget)) {
        gtk_label_set_ellipsize(GTK_LABEL(widget), PANGO_ELLIPSIZE_END);
    }
    if (control.kind == kind_auto_radio || control.kind == kind_auto_check_box) {
        g_signal_connect(widget, "button-press-event", G_CALLBACK(on_button_press), &control);
        g_signal_connect(widget, "clicked", G_CALLBACK(on_button_clicked), &control);
        gtk_widget_set_focus_on_click(widget, TRUE);
    }
    gtk_widget_set_size_request(widget, width, height);
    gtk_widget_set_sensitive(widget, control.enabled ? TRUE : FALSE);
    return widget;
}

GtkWidget* make_menu_bar() {
    GtkWidget* const bar = gtk_menu_bar_new();
    GtkWidget* menu = nullptr;
    GtkWidget* title = nullptr;
    const char* popup = nullptr;
    dialog.menu_count = 0;
    for (uint32_t i = 0; i < calculator_menu_count && i < max_menu_items; ++i) {
        const MenuItemLayout& layout = calculator_menu[i];
        if (popup == nullptr || std::strcmp(popup, layout.popup) != 0) {
            popup = layout.popup;
            title = gtk_menu_item_new_with_mnemonic(mnemonic(popup).c_str());
            menu = gtk_menu_new();
            gtk_menu_item_set_submenu(GTK_MENU_ITEM(title), menu);
            gtk_menu_shell_append(GTK_MENU_SHELL(bar), title);
        }
        bool checkable = false;
        for (const uint32_t command : checked_menu_commands) {
            checkable = checkable || command == layout.command;
        }
        GtkWidget* const item =
            checkable ? gtk_check_menu_item_new_with_mnemonic(mnemonic(layout.caption).c_str())
                      : gtk_menu_item_new_with_mnemonic(mnemonic(layout.caption).c_str());
        g_signal_connect(item, "activate", G_CALLBACK(on_menu_activate),
                         GUINT_TO_POINTER(layout.command));
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), item);
        dialog.menu[dialog.menu_count++] = MenuItem{layout.command, title, item};
    }
    g_signal_connect(bar, "button-press-event", G_CALLBACK(on_menu_bar_press), nullptr);
    return bar;
}

void make_popup() {
    dialog.popup = gtk_window_new(GTK_WINDOW_POPUP);
    gtk_window_set_type_hint(GTK_WINDOW(dialog.popup), GDK_WINDOW_TYPE_HINT_COMBO);
    gtk_window_set_transient_for(GTK_WINDOW(dialog.popup), GTK_WINDOW(dialog.window));
    gtk_style_context_add_class(gtk_widget_get_style_context(dialog.popup), "drop-down-list");
    GtkWidget* const scrolled = gtk_scrolled_window_new(nullptr, nullptr);
    dialog.popup_scroller = scrolled;
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scrolled), GTK_POLICY_NEVER,
                                   GTK_POLICY_AUTOMATIC);
    gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(scrolled), FALSE);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scrolled), GTK_SHADOW_IN);
    dialog.popup_list = gtk_tree_view_new();
    gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(dialog.popup_list), FALSE);
    gtk_tree_view_set_enable_search(GTK_TREE_VIEW(dialog.popup_list), FALSE);
    gtk_widget_set_can_focus(dialog.popup_list, FALSE);
    GtkCellRenderer* const renderer = gtk_cell_renderer_text_new();
    gtk_cell_renderer_set_padding(renderer, 2, 0);
    dialog.popup_line_height = list_line_height;
    gtk_tree_view_insert_column_with_attributes(GTK_TREE_VIEW(dialog.popup_list), -1, "", renderer,
                                                "text", 0, nullptr);
    gtk_container_add(GTK_CONTAINER(scrolled), dialog.popup_list);
    gtk_container_add(GTK_CONTAINER(dialog.popup), scrolled);
    g_signal_connect(dialog.popup_list, "button-press-event", G_CALLBACK(on_list_press), nullptr);
    g_signal_connect(dialog.popup, "button-press-event", G_CALLBACK(on_popup_press), nullptr);
    g_signal_connect(dialog.popup, "key-press-event", G_CALLBACK(on_popup_key), nullptr);
}

// A title bar of the window's own, with the dialog's title, the window icon as its
// system menu and a minimise and a close box: the same on every desktop and on a bare
// X display.
GtkWidget* make_title_bar(const char* title) {
    GtkWidget* const bar = gtk_header_bar_new();
    gtk_header_bar_set_title(GTK_HEADER_BAR(bar), to_utf8(title).c_str());
    gtk_header_bar_set_show_close_button(GTK_HEADER_BAR(bar), TRUE);
    gtk_header_bar_set_decoration_layout(GTK_HEADER_BAR(bar), "icon:minimize,close");
    return bar;
}

// The title bar's close box is one of its internal children.
void look_for_close_box(GtkWidget* widget, gpointer data) {
    GtkWidget*& found = *static_cast<GtkWidget**>(data);
    if (found != nullptr) {
        return;
    }
    if (GTK_IS_BUTTON(widget) &&
        gtk_style_context_has_class(gtk_widget_get_style_context(widget), "close")) {
        found = widget;
    } else if (GTK_IS_CONTAINER(widget)) {
        gtk_container_forall(GTK_CONTAINER(widget), look_for_close_box, data);
    }
}

GtkWidget* find_close_box(GtkWidget* bar) {
    GtkWidget* found = nullptr;
    look_for_close_box(bar, &found);
    return found;
}

void build_window() {
    dialog.window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* const window = GTK_WINDOW(dialog.window);
    gtk_window_set_title(window, to_utf8(calculator_dialog.caption).c_str());
    gtk_window_set_resizable(window, FALSE);
    GList* icons = nullptr;
    icons = g_list_append(icons, gtk_icon_picture(true));
    icons = g_list_append(icons, gtk_icon_picture(false));
    gtk_window_set_icon_list(window, icons);
    g_list_free_full(icons, g_object_unref);
    GtkWidget* const title_bar = make_title_bar(calculator_dialog.caption);
    gtk_window_set_titlebar(window, title_bar);

    GtkWidget* const column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_box_pack_start(GTK_BOX(column), make_menu_bar(), FALSE, FALSE, 0);
    GtkWidget* const face = gtk_fixed_new();
    gtk_widget_set_size_request(face, dialog_x_to_pixels(calculator_dialog.width),
                                dialog_y_to_pixels(calculator_dialog.height));
    gtk_widget_add_events(face, GDK_BUTTON_PRESS_MASK);
    GtkWidget* const events = gtk_event_box_new();
    gtk_container_add(GTK_CONTAINER(events), face);
    g_signal_connect(events, "button-press-event", G_CALLBACK(on_dialog_press), nullptr);
    gtk_box_pack_start(GTK_BOX(column), events, FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(dialog.window), column);

    // Group boxes first, so that the controls inside them are drawn over them and get
    // the clicks.
    for (int pass = 0; pass < 2; ++pass) {
        for (uint32_t i = 0; i < dialog.control_count; ++i) {
            Control& control = dialog.controls[i];
            const bool group_box =
                control.layout->control_class == class_button && control.kind == kind_inert;
            if (group_box != (pass == 0)) {
                continue;
            }
            control.widget = make_widget(control);
            gtk_fixed_put(GTK_FIXED(face), control.widget, dialog_x_to_pixels(control.layout->x),
                          dialog_y_to_pixels(control.layout->y));
        }
    }
    g_signal_connect(dialog.window, "key-press-event", G_CALLBACK(on_window_key), nullptr);
    g_signal_connect(dialog.window, "delete-event", G_CALLBACK(on_delete), nullptr);
    gtk_widget_show_all(column);
    gtk_widget_show_all(title_bar);
    make_popup();
}

void build_controls() {
    dialog.control_count = 0;
    for (uint32_t i = 0; i < calculator_dialog.control_count && i < max_controls; ++i) {
        const ControlLayout& layout = calculator_dialog.controls[i];
        Control& control = dialog.controls[i];
        control = Control{};
        control.layout = &layout;
        control.id = layout.id > 0 ? static_cast<uint32_t>(layout.id) : 0;
        control.kind = kind_of(layout);
        control.enabled = (layout.style & style_disabled) == 0;
        control.tab_stop = (layout.style & style_tab_stop) != 0;
        combo_init(control.box, control.id,
                   control.kind >= kind_simple_combo && (layout.style & combo_sort) != 0,
                   edit_width_limit(control.id), layout.caption);
        dialog.control_count = i + 1;
    }
}

const char css[] = R"(
* { font-family: "Liberation Sans", Arimo, Arial, sans-serif; font-size: 10px; }
window, .background { background-color: #f0f0f0; }
entry { min-height: 0; min-width: 0; padding: 0 2px; border-radius: 0;
        border: 1px solid #7a7a7a; background-color: #ffffff; box-shadow: none; }
entry:disabled { background-color: #f0f0f0; }
button { min-height: 0; min-width: 0; padding: 0 2px; border-radius: 0;
         background-image: none; background-color: #e1e1e1; border: 1px solid #adadad;
         box-shadow: none; text-shadow: none; }
button:checked { background-color: #cce4f7; border-color: #005499; }
.combo entry { border-right-width: 0; }
.combo button { padding: 0; border-color: #7a7a7a; }
checkbutton { padding: 0; min-height: 0; }
checkbutton check { min-width: 11px; min-height: 11px; margin: 0 4px 0 0; padding: 0;
                    border-radius: 0; }
.radio-look check { border-radius: 50%; }
.radio-look check:checked { -gtk-icon-source: none;
  background-image: radial-gradient(circle, #202020 0%, #202020 30%, #ffffff 40%); }
frame > border { border: 1px solid #b0b0b0; border-radius: 0; }
frame > label { margin: 0 2px; }
menubar { padding: 0; min-height: 0; background-color: #ffffff; box-shadow: none;
          border-bottom: 1px solid #e0e0e0; }
menubar > menuitem { padding: 2px 6px; min-height: 0; }
menu menuitem { padding: 2px 8px; min-height: 0; }
headerbar { min-height: 22px; padding: 0 2px; border-radius: 0; background-image: none;
            background-color: #ffffff; box-shadow: none; border-bottom: 1px solid #e0e0e0; }
headerbar .title { font-size: 12px; font-weight: normal; }
headerbar button { padding: 2px 6px; border: none; background-color: transparent; }
headerbar button.titlebutton { min-height: 0; min-width: 0; }
.drop-down-list treeview { padding: 0; -GtkTreeView-vertical-separator: 0;
                           -GtkTreeView-horizontal-separator: 0; }
.drop-down-list scrollbar slider { min-width: 6px; }
.drop-down-list treeview.view.expander { min-width: 0; min-height: 0; }
.drop-down-list treeview:selected { background-color: #0078d7; color: #ffffff; }
)";

} // namespace

// --- The GTK side -----------------------------------------------------------------------

bool gtk_platform_open() {
    // The dialog draws nothing with OpenGL; without this GDK loads the OpenGL driver (a
    // software one on many machines) to choose the windows' visuals, which takes longer
    // than all the rest of the start.
    g_setenv("GDK_GL", "disable", FALSE);
    // Assistive technologies reach a program through the session's message bus. Without
    // one there is nobody to talk to, and the accessibility bridge would only spend the
    // start trying to launch a bus.
    const char* const runtime = g_getenv("XDG_RUNTIME_DIR");
    const std::string bus = runtime != nullptr ? std::string(runtime) + "/bus" : "";
    if (g_getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr &&
        (bus.empty() || !g_file_test(bus.c_str(), G_FILE_TEST_EXISTS))) {
        g_setenv("NO_AT_BRIDGE", "1", FALSE);
    }
    // The dialog places its window and its lists itself, which X11 allows (on a Wayland
    // desktop through its X server).
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) {
        return false;
    }
    GtkSettings* const settings = gtk_settings_get_default();
    g_object_set(settings, "gtk-entry-select-on-focus", FALSE, "gtk-enable-animations", FALSE,
                 "gtk-dialogs-use-header", FALSE, nullptr);
    GtkCssProvider* const provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(),
                                              GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
    return true;
}

bool gtk_platform_quit_posted() {
    return dialog.quit_posted;
}

uint32_t gtk_platform_exit_code() {
    return dialog.exit_code;
}

void gtk_platform_watch(const GtkWatcher& tool) {
    watcher = tool;
    gtk_boxes_watch(tool.message_box, tool.about_box);
}

GtkWidget* gtk_platform_window() {
    return dialog_alive() ? dialog.window : nullptr;
}

GtkWidget* gtk_platform_control(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr ? control->widget : nullptr;
}

GtkWidget* gtk_platform_entry(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr ? control->entry : nullptr;
}

GtkWidget* gtk_platform_arrow(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr ? control->arrow : nullptr;
}

GtkWidget* gtk_platform_open_list(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr && list_open(*control) ? dialog.popup_list : nullptr;
}

GtkListStore* gtk_platform_list_store(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr ? control->store : nullptr;
}

int32_t gtk_platform_selection(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr ? control->box.selection : combo_no_selection;
}

GtkWidget* gtk_platform_menu_title(uint32_t command) {
    for (uint32_t i = 0; i < dialog.menu_count; ++i) {
        if (dialog.menu[i].command == command) {
            return dialog.menu[i].title;
        }
    }
    return nullptr;
}

GtkWidget* gtk_platform_menu_item(uint32_t command) {
    for (uint32_t i = 0; i < dialog.menu_count; ++i) {
        if (dialog.menu[i].command == command) {
            return dialog.menu[i].item;
        }
    }
    return nullptr;
}

GtkWidget* gtk_platform_close_box() {
    // The title bar makes its buttons when it is shown.
    GtkWidget* const bar =
        dialog_alive() ? gtk_window_get_titlebar(GTK_WINDOW(dialog.window)) : nullptr;
    return bar != nullptr ? find_close_box(bar) : nullptr;
}

GtkWidget* gtk_platform_open_box() {
    return gtk_boxes_open_box();
}

uint32_t gtk_platform_focus_owner() {
    return dialog.focus.focus;
}

// --- Dialog lifetime --------------------------------------------------------------------

PlatformHandle platform_create_dialog(DialogProcedure procedure) {
    if (procedure == nullptr) {
        return no_handle;
    }
    dialog = Dialog{};
    build_controls();
    build_window();
    dialog.procedure = procedure;
    dialog.created = true;
    gtk_boxes_attach(dialog.window, lend_focus);
    procedure(dialog_handle, message_init_dialog, 0, 0);
    return dialog_handle;
}

void platform_show_dialog() {
    if (dialog.shown || dialog.ended || !dialog_alive()) {
        return;
    }
    dialog.shown = true;
    gtk_window_move(GTK_WINDOW(dialog.window), 0, 0);
    gtk_widget_show(dialog.window);
    gtk_window_present(GTK_WINDOW(dialog.window));
    // Activation puts the focus on the first control with a tab stop; for a button that
    // raises no notification.
    for (uint32_t i = 0; i < dialog.control_count; ++i) {
        const Control& control = dialog.controls[i];
        if (control.tab_stop && control.enabled && control.id != 0) {
            move_focus(control.id);
            give_gtk_focus(control.id);
            return;
        }
    }
}

void platform_end_dialog(uint32_t) {
    hide_list();
    move_focus(focus_none);
    dialog.ended = true;
    dialog.shown = false;
    if (dialog.window != nullptr) {
        gtk_widget_hide(dialog.window);
    }
}

void platform_destroy_frame_window() {
    // The frame window's destruction posts the quit message with 0 and takes the dialog
    // it owns with it.
    platform_post_quit(0);
    if (dialog.frame_destroyed) {
        return;
    }
    if (watcher.before_destroy != nullptr) {
        watcher.before_destroy();
    }
    dialog.frame_destroyed = true;
    hide_list();
    gtk_boxes_attach(nullptr, nullptr);
    if (dialog.popup != nullptr) {
        gtk_widget_destroy(dialog.popup);
    }
    if (dialog.window != nullptr) {
        gtk_widget_destroy(dialog.window);
    }
    for (uint32_t i = 0; i < dialog.control_count; ++i) {
        Control& control = dialog.controls[i];
        if (control.store != nullptr) {
            g_object_unref(control.store);
        }
        control.widget = control.entry = control.arrow = nullptr;
        control.store = nullptr;
    }
    dialog.popup = dialog.popup_scroller = dialog.popup_list = dialog.window = nullptr;
}

void platform_post_quit(uint32_t exit_code) {
    if (!dialog.quit_posted) {
        dialog.quit_posted = true; // the loop ends at the first quit message
        dialog.exit_code = exit_code;
    }
}

void platform_run_about_box() {
    gtk_boxes_run_about_box();
}

// --- Fields and lists -------------------------------------------------------------------

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
        show_text(*control);
    }
}

void platform_list_reset(uint32_t id) {
    Control* const control = find(id);
    if (is_combo(control)) {
        combo_reset(control->box);
        show_items(*control);
        show_text(*control);
    }
}

void platform_list_add(uint32_t id, const char* text) {
    Control* const control = find(id);
    if (!is_combo(control)) {
        return;
    }
    const int32_t index = combo_add(control->box, text);
    if (index >= 0 && control->store != nullptr) {
        gtk_list_store_insert_with_values(control->store, nullptr, index, 0, to_utf8(text).c_str(),
                                          -1);
    }
}

int32_t platform_list_selection(uint32_t id) {
    return gtk_platform_selection(id);
}

bool platform_list_item_text(uint32_t id, int32_t index, char* buffer) {
    const Control* const control = find(id);
    if (control == nullptr || index < 0 ||
        static_cast<uint32_t>(index) >= control->box.item_count) {
        return false;
    }
    combo_copy_text(buffer, control->box.items[index]);
    return true;
}

// --- Buttons and menu -------------------------------------------------------------------

bool platform_is_button_checked(uint32_t id) {
    const Control* const control = find(id);
    return control != nullptr && control->widget != nullptr &&
           GTK_IS_TOGGLE_BUTTON(control->widget) &&
           gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(control->widget));
}

void platform_check_button(uint32_t id, bool checked) {
    Control* const control = find(id);
    if (control != nullptr) {
        set_checked(*control, checked);
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
    GtkWidget* const item = gtk_platform_menu_item(id);
    if (menu != menu_handle || item == nullptr || !GTK_IS_CHECK_MENU_ITEM(item)) {
        return;
    }
    const bool writes = dialog.program_writes;
    dialog.program_writes = true;
    gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(item), (check & menu_checked) != 0);
    dialog.program_writes = writes;
}

// --- Message boxes ----------------------------------------------------------------------

uint32_t platform_message_box(const char* text, const char* caption, uint32_t style) {
    return gtk_boxes_message_box(text, caption, style);
}
