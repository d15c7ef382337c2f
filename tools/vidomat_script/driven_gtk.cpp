// The GTK driver's side of driven_dialog.h: the real Linux program (the same core and
// platform/gtk as vidomat) in this process, driven with real X input through the X test
// extension and read from the real widgets.
//
// An action is a list of steps. A low-priority timer runs them one per tick, and only
// when the X server has nothing more for the program (XSync, no event waiting) and GTK
// has handled everything before it, so each step finds the input of the one before
// handled. Ticks come inside the modal loops of the message boxes and the About box
// too, where those are answered with clicks on their buttons. The action is over at the
// first quiet tick of the driver's own loop with no step left and no box or menu open.
#include "tools/vidomat_script/driven_dialog.h"

#include "dialog/dialog_procedure.h"
#include "platform/fault/fault_file_system.h"
#include "platform/gtk/gtk_platform.h"
#include "platform/shared/text_encoding.h"
#include "shell/control_ids.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <iostream>
#include <map>
#include <vector>

namespace {

constexpr guint tick_milliseconds = 10;
constexpr gint64 action_time_limit = 20 * G_USEC_PER_SEC;
constexpr uint32_t patience = 50; // ticks before a click on a box is made again

bool opened;
bool running;
uint32_t last_exit_code;
bool next_answer_yes;
std::vector<DrivenMessageBox> messages;
uint32_t about_count;

// What the controls showed when the dialog went, for the snapshots after the end.
struct ControlView {
    std::string text;
    std::vector<std::string> items;
    int32_t selection = -1;
    bool checked = false;
};
std::map<uint32_t, ControlView> last_view;
std::map<uint32_t, bool> last_menu;

using Step = std::function<bool()>; // true when it has done its part
std::deque<Step> steps;
bool action_over;
gint64 action_deadline;
GtkWidget* answered_box;
uint32_t ticks_since_answer;
// Where the open list or menu showed its items at the last tick: GTK lays them out in
// frames of its own clock, which the X server does not see, so an item is clicked only
// when it stood at the same place for two ticks.
std::string last_list_geometry;

// VIDOMAT_SCRIPT_TRACE=1 in the environment: what the driver does goes to standard error.
const bool tracing = std::getenv("VIDOMAT_SCRIPT_TRACE") != nullptr;

template <typename... Values> void trace(const char* format, Values... values) {
    if (tracing) {
        std::fprintf(stderr, "[%lld] ", static_cast<long long>(g_get_monotonic_time() / 1000));
        std::fprintf(stderr, format, values...);
        std::fputc('\n', stderr);
    }
}

Display* x_display() {
    return GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
}

// --- The real widgets -------------------------------------------------------------------

bool dialog_alive() {
    return running && gtk_platform_window() != nullptr;
}

std::string entry_text(uint32_t id) {
    GtkWidget* const entry = gtk_platform_entry(id);
    return entry != nullptr ? utf8_to_windows1252(gtk_entry_get_text(GTK_ENTRY(entry))) : "";
}

std::vector<std::string> list_items(uint32_t id) {
    std::vector<std::string> items;
    GtkListStore* const store = gtk_platform_list_store(id);
    if (store == nullptr) {
        return items;
    }
    GtkTreeIter iter;
    for (gboolean more = gtk_tree_model_get_iter_first(GTK_TREE_MODEL(store), &iter); more;
         more = gtk_tree_model_iter_next(GTK_TREE_MODEL(store), &iter)) {
        gchar* text = nullptr;
        gtk_tree_model_get(GTK_TREE_MODEL(store), &iter, 0, &text, -1);
        items.push_back(utf8_to_windows1252(text != nullptr ? text : ""));
        g_free(text);
    }
    return items;
}

bool button_checked(uint32_t id) {
    GtkWidget* const button = gtk_platform_control(id);
    return button != nullptr && GTK_IS_TOGGLE_BUTTON(button) &&
           gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(button));
}

bool menu_item_checked(uint32_t command) {
    GtkWidget* const item = gtk_platform_menu_item(command);
    return item != nullptr && GTK_IS_CHECK_MENU_ITEM(item) &&
           gtk_check_menu_item_get_active(GTK_CHECK_MENU_ITEM(item));
}

void remember_view() {
    for (const uint32_t id : all_combo_boxes) {
        ControlView& view = last_view[id];
        view.text = entry_text(id);
        view.items = list_items(id);
        view.selection = gtk_platform_selection(id);
    }
    for (const uint32_t id : checkable_buttons) {
        last_view[id].checked = button_checked(id);
    }
    for (const uint32_t command : checked_menu_commands) {
        last_menu[command] = menu_item_checked(command);
    }
}

void watch_message_box(const char* text, const char* caption, uint32_t style) {
    messages.push_back(DrivenMessageBox{caption, text, style});
}

void watch_about_box() {
    ++about_count;
}

bool menu_open() {
    for (const uint32_t command : menu_commands) {
        GtkWidget* const title = gtk_platform_menu_title(command);
        GtkWidget* const menu =
            title != nullptr ? gtk_menu_item_get_submenu(GTK_MENU_ITEM(title)) : nullptr;
        if (menu != nullptr && gtk_widget_get_mapped(menu)) {
            return true;
        }
    }
    return false;
}

// --- Input ------------------------------------------------------------------------------

struct Point {
    int x;
    int y;
};

// The centre of a widget on the screen.
Point centre(GtkWidget* widget) {
    GtkAllocation allocation;
    gtk_widget_get_allocation(widget, &allocation);
    gint left = 0;
    gint top = 0;
    gdk_window_get_origin(gtk_widget_get_window(widget), &left, &top);
    return Point{left + allocation.x + allocation.width / 2,
                 top + allocation.y + allocation.height / 2};
}

void click_at(Point at, unsigned button = 1) {
    Display* const display = x_display();
    XTestFakeMotionEvent(display, -1, at.x, at.y, CurrentTime);
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XFlush(display);
}

void click_widget(GtkWidget* widget) {
    click_at(centre(widget));
}

KeyCode keycode(KeySym symbol) {
    return XKeysymToKeycode(x_display(), symbol);
}

void key_event(KeyCode code, bool press) {
    XTestFakeKeyEvent(x_display(), code, press ? True : False, CurrentTime);
}

// Keys pressed together: the first ones held while the last one is pressed.
void press_together(std::vector<KeySym> keys) {
    for (const KeySym key : keys) {
        key_event(keycode(key), true);
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        key_event(keycode(*key), false);
    }
    XFlush(x_display());
}

void press(KeySym key) {
    press_together({key});
}

// The key symbol of a Windows-1252 byte: Latin-1 characters are their own key symbols,
// every other character is its Unicode code point with 0x01000000.
KeySym key_symbol(char byte) {
    const std::string utf8 = windows1252_to_utf8(std::string(1, byte));
    const gunichar character = g_utf8_get_char(utf8.c_str());
    return character < 0x100 ? static_cast<KeySym>(character)
                             : static_cast<KeySym>(0x01000000 | character);
}

// A keycode the keyboard map leaves empty, which a character outside the map borrows.
KeyCode spare_keycode() {
    static KeyCode spare = 0;
    if (spare != 0) {
        return spare;
    }
    Display* const display = x_display();
    int first = 0;
    int last = 0;
    XDisplayKeycodes(display, &first, &last);
    int per_code = 0;
    KeySym* const map =
        XGetKeyboardMapping(display, static_cast<KeyCode>(first), last - first + 1, &per_code);
    for (int code = last; code >= first && spare == 0; --code) {
        bool empty = true;
        for (int i = 0; i < per_code; ++i) {
            empty = empty && map[(code - first) * per_code + i] == NoSymbol;
        }
        if (empty) {
            spare = static_cast<KeyCode>(code);
        }
    }
    XFree(map);
    if (spare == 0) {
        std::fprintf(stderr, "vidomat-script: the keyboard map has no free keycode to borrow\n");
        std::exit(2);
    }
    return spare;
}

KeySym borrowed_symbol = NoSymbol;

// The display outlives the driver, so the borrowed keycode is left empty again when the
// driver ends: otherwise every run would take one more keycode from the map until none
// is free.
void give_back_spare_keycode() {
    if (borrowed_symbol == NoSymbol) {
        return;
    }
    KeySym empty[2] = {NoSymbol, NoSymbol};
    XChangeKeyboardMapping(x_display(), spare_keycode(), 2, empty, 1);
    XSync(x_display(), False);
    borrowed_symbol = NoSymbol;
}

// How a character is typed: its keycode, and whether Shift goes with it; a keycode of 0
// when the keyboard map does not hold it.
struct Typing {
    KeyCode code;
    bool shift;
};

Typing typing_of(KeySym symbol) {
    Display* const display = x_display();
    const KeyCode code = XKeysymToKeycode(display, symbol);
    if (code != 0) {
        if (XkbKeycodeToKeysym(display, code, 0, 0) == symbol) {
            return Typing{code, false};
        }
        if (XkbKeycodeToKeysym(display, code, 0, 1) == symbol) {
            return Typing{code, true};
        }
    }
    return Typing{0, false};
}

void type_symbol(const Typing& typing) {
    const KeyCode shift = keycode(XK_Shift_L);
    if (typing.shift) {
        key_event(shift, true);
    }
    key_event(typing.code, true);
    key_event(typing.code, false);
    if (typing.shift) {
        key_event(shift, false);
    }
}

// Steps that type a text: runs of characters the keyboard map holds go in one step; a
// character outside it first has the spare keycode remapped to it (the program must
// see the new map before the key comes), then is typed.
std::deque<Step> typing_steps(const std::string& text) {
    std::deque<Step> out;
    std::vector<KeySym> run;
    auto flush = [&out, &run] {
        if (run.empty()) {
            return;
        }
        out.push_back([symbols = run] {
            for (const KeySym symbol : symbols) {
                type_symbol(typing_of(symbol));
            }
            XFlush(x_display());
            return true;
        });
        run.clear();
    };
    // The character the spare keycode will hold when each step runs: a borrowing step
    // planned here changes it for every step after it.
    KeySym borrowed_then = borrowed_symbol;
    for (const char byte : text) {
        const KeySym symbol = key_symbol(byte);
        const KeyCode code = typing_of(symbol).code;
        if ((code != 0 && code != spare_keycode()) || symbol == borrowed_then) {
            run.push_back(symbol);
            continue;
        }
        borrowed_then = symbol;
        flush();
        out.push_back([symbol] {
            KeySym symbols[2] = {symbol, symbol};
            XChangeKeyboardMapping(x_display(), spare_keycode(), 2, symbols, 1);
            XSync(x_display(), False);
            borrowed_symbol = symbol;
            return true;
        });
        out.push_back([symbol] {
            if (typing_of(symbol).code == 0) {
                return false; // the new map has not arrived yet
            }
            type_symbol(typing_of(symbol));
            XFlush(x_display());
            return true;
        });
    }
    flush();
    return out;
}

// --- Running an action ------------------------------------------------------------------

// The X server and GTK have nothing left for the program.
bool quiet() {
    Display* const display = x_display();
    XSync(display, False);
    return XPending(display) == 0 && !gdk_display_has_pending(gdk_display_get_default());
}

// A message box is answered with a click on OK, or on Yes or No as the script prepared;
// the About box with a click on its OK button. A click that did not close the box is
// made again after a while.
void answer(GtkWidget* box) {
    if (!gtk_widget_get_mapped(box) || (box == answered_box && ++ticks_since_answer < patience)) {
        return;
    }
    GtkWidget* button = gtk_dialog_get_widget_for_response(GTK_DIALOG(box), GTK_RESPONSE_YES);
    if (button != nullptr) {
        button = gtk_dialog_get_widget_for_response(
            GTK_DIALOG(box), next_answer_yes ? GTK_RESPONSE_YES : GTK_RESPONSE_NO);
        next_answer_yes = false;
    } else {
        button = gtk_window_get_default_widget(GTK_WINDOW(box));
    }
    if (button == nullptr) {
        button = gtk_dialog_get_widget_for_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
    }
    if (button == nullptr) {
        return;
    }
    answered_box = box;
    ticks_since_answer = 0;
    trace("answer a box");
    click_widget(button);
}

gboolean tick(gpointer) {
    if (g_get_monotonic_time() > action_deadline) {
        std::fprintf(stderr, "vidomat-script: the program did not finish an action within %lld s\n",
                     static_cast<long long>(action_time_limit / G_USEC_PER_SEC));
        std::cout.flush();
        std::exit(3);
    }
    if (!quiet()) {
        return G_SOURCE_CONTINUE;
    }
    GtkWidget* const box = gtk_platform_open_box();
    if (box != nullptr) {
        answer(box);
        return G_SOURCE_CONTINUE;
    }
    if (!steps.empty()) {
        trace("step (%u left)", static_cast<unsigned>(steps.size()));
        if (steps.front()()) {
            steps.pop_front();
        }
        return G_SOURCE_CONTINUE;
    }
    if (g_main_depth() == 1 && !menu_open()) {
        trace("action over");
        action_over = true;
    }
    return G_SOURCE_CONTINUE;
}

// Runs the program's loop until the action is over or the program ended.
void run(std::deque<Step> action) {
    steps = std::move(action);
    last_list_geometry.clear();
    action_over = false;
    action_deadline = g_get_monotonic_time() + action_time_limit;
    const guint timer =
        g_timeout_add_full(G_PRIORITY_LOW, tick_milliseconds, tick, nullptr, nullptr);
    while (!action_over && !gtk_platform_quit_posted()) {
        g_main_context_iteration(nullptr, TRUE);
    }
    if (running && gtk_platform_quit_posted()) {
        running = false;
        last_exit_code = gtk_platform_exit_code();
    }
    g_source_remove(timer);
    steps.clear();
}

// A user reaches only enabled controls of a running program.
bool reachable(uint32_t id) {
    GtkWidget* const widget = gtk_platform_control(id);
    return dialog_alive() && widget != nullptr && gtk_widget_is_sensitive(widget);
}

Step step(std::function<void()> act) {
    return [act] {
        act();
        return true;
    };
}

std::deque<Step> then(std::deque<Step> first, std::deque<Step> second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Into the edit part, right of where a short text ends.
void click_edit(uint32_t id) {
    GtkWidget* const entry = gtk_platform_entry(id);
    GtkAllocation allocation;
    gtk_widget_get_allocation(entry, &allocation);
    const Point middle = centre(entry);
    click_at(Point{middle.x + allocation.width / 2 - 4, middle.y});
}

// Clicks into the edit part, caret to the end of the text.
std::deque<Step> into_edit_at_end(uint32_t id) {
    return {step([id] { click_edit(id); }), step([] { press(XK_End); })};
}

// The whole text selected: Shift+Home from its end.
std::deque<Step> select_all(uint32_t id) {
    return then(into_edit_at_end(id), {step([] { press_together({XK_Shift_L, XK_Home}); })});
}

int32_t find_item(uint32_t id, const std::string& text) {
    const std::vector<std::string> items = list_items(id);
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

// The widget stands where it stood at the last tick (see last_list_geometry).
bool standing_still(GtkWidget* widget) {
    const Point at = centre(widget);
    const std::string geometry = std::to_string(at.x) + " " + std::to_string(at.y);
    if (geometry != last_list_geometry) {
        last_list_geometry = geometry;
        return false;
    }
    return true;
}

// Clicks the item in the open list; scrolls it into view first with the mouse wheel.
bool click_item(GtkWidget* list, int32_t index) {
    GtkTreePath* start = nullptr;
    GtkTreePath* end = nullptr;
    if (!gtk_tree_view_get_visible_range(GTK_TREE_VIEW(list), &start, &end)) {
        return false;
    }
    const int first = gtk_tree_path_get_indices(start)[0];
    const int last = gtk_tree_path_get_indices(end)[0];
    gtk_tree_path_free(start);
    gtk_tree_path_free(end);
    GtkTreePath* const path = gtk_tree_path_new_from_indices(index, -1);
    GdkRectangle cell;
    gtk_tree_view_get_cell_area(GTK_TREE_VIEW(list), path, nullptr, &cell);
    gtk_tree_path_free(path);
    gint left = 0;
    gint top = 0;
    gdk_window_get_origin(gtk_tree_view_get_bin_window(GTK_TREE_VIEW(list)), &left, &top);
    GtkAllocation allocation;
    gtk_widget_get_allocation(list, &allocation);
    const std::string geometry = std::to_string(first) + " " + std::to_string(last) + " " +
                                 std::to_string(cell.y) + " " + std::to_string(cell.height) + " " +
                                 std::to_string(left) + " " + std::to_string(top) + " " +
                                 std::to_string(allocation.height);
    if (geometry != last_list_geometry) {
        last_list_geometry = geometry;
        return false;
    }
    const bool whole = index > first && index < last;
    if (!whole && !(index >= first && index <= last && cell.y >= 0 &&
                    cell.y + cell.height <= allocation.height)) {
        click_at(centre(list), index <= first ? 4 : 5);
        last_list_geometry.clear();
        return false;
    }
    click_at(Point{left + cell.x + cell.width / 2, top + cell.y + cell.height / 2});
    return true;
}

Step when_list_open(uint32_t id, std::function<void(GtkWidget*)> act) {
    return [id, act] {
        GtkWidget* const list = gtk_platform_open_list(id);
        if (list == nullptr || !gtk_widget_get_mapped(list)) {
            return false;
        }
        act(list);
        return true;
    };
}

} // namespace

// --- The program ------------------------------------------------------------------------

void driven_start() {
    if (!opened) {
        if (!gtk_platform_open()) {
            std::fprintf(stderr, "vidomat-script: no X display to run on\n");
            std::exit(2);
        }
        int event = 0;
        int error = 0;
        int major = 0;
        int minor = 0;
        if (!XTestQueryExtension(x_display(), &event, &error, &major, &minor)) {
            std::fprintf(stderr, "vidomat-script: the X display has no XTEST extension\n");
            std::exit(2);
        }
        g_object_set(gtk_settings_get_default(), "gtk-cursor-blink", FALSE, nullptr);
        gtk_platform_watch(GtkWatcher{watch_message_box, watch_about_box, remember_view});
        std::atexit(give_back_spare_keycode);
        opened = true;
    }
    // A new process: whatever the program before left open ends with it.
    fault_file_system_wrap();
    fault_close_files();
    last_view.clear();
    last_menu.clear();
    running = true;
    // Message boxes of the start (a settings file that cannot be read) are answered by
    // the ticks inside their own loops.
    std::deque<Step> wait_for_window = {[] {
        GtkWidget* const window = gtk_platform_window();
        return window == nullptr || gtk_widget_get_mapped(window);
    }};
    steps = wait_for_window;
    action_over = false;
    action_deadline = g_get_monotonic_time() + action_time_limit;
    const guint timer =
        g_timeout_add_full(G_PRIORITY_LOW, tick_milliseconds, tick, nullptr, nullptr);
    running = start_calculator();
    g_source_remove(timer);
    if (running) {
        run(wait_for_window);
    }
}

bool driven_running() {
    return running;
}

uint32_t driven_exit_code() {
    return last_exit_code;
}

void driven_answer_next_yes_no(bool yes) {
    next_answer_yes = yes;
}

// --- What the user does -----------------------------------------------------------------

void driven_focus(uint32_t id) {
    if (reachable(id)) {
        run({step([id] { click_edit(id); })});
    }
}

void driven_type(uint32_t id, const std::string& text) {
    if (reachable(id)) {
        run(then(into_edit_at_end(id), typing_steps(text)));
    }
}

void driven_backspace(uint32_t id, uint32_t count) {
    if (reachable(id)) {
        run(then(into_edit_at_end(id), {step([count] {
                     for (uint32_t i = 0; i < count; ++i) {
                         press(XK_BackSpace);
                     }
                 })}));
    }
}

void driven_replace(uint32_t id, const std::string& text) {
    if (!reachable(id)) {
        return;
    }
    if (text.empty()) {
        run(then(select_all(id), {step([] { press(XK_Delete); })}));
    } else {
        run(then(select_all(id), typing_steps(text)));
    }
}

void driven_paste(uint32_t id, const std::string& text) {
    if (reachable(id)) {
        run(then(select_all(id), {step([text] {
                                      const std::string utf8 = windows1252_to_utf8(text);
                                      gtk_clipboard_set_text(
                                          gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), utf8.c_str(),
                                          -1);
                                  }),
                                  step([] {
                                      press_together({XK_Control_L, XK_v});
                                  })}));
    }
}

bool driven_choose(uint32_t id, const std::string& text) {
    if (!running || find_item(id, text) < 0) {
        return false;
    }
    if (!reachable(id)) {
        return true;
    }
    run({step([id] { click_widget(gtk_platform_arrow(id)); }), [id, text] {
             GtkWidget* const list = gtk_platform_open_list(id);
             if (list == nullptr || !gtk_widget_get_mapped(list)) {
                 return false;
             }
             const int32_t index = find_item(id, text);
             if (index < 0) {
                 click_widget(gtk_platform_arrow(id)); // the item went: closed unchosen
                 return true;
             }
             return click_item(list, index);
         }});
    return true;
}

void driven_dropdown(uint32_t id) {
    if (reachable(id)) {
        run({step([id] { click_widget(gtk_platform_arrow(id)); }),
             when_list_open(id, [id](GtkWidget*) { click_widget(gtk_platform_arrow(id)); })});
    }
}

void driven_click(uint32_t id) {
    if (reachable(id)) {
        run({step([id] { click_widget(gtk_platform_control(id)); })});
    }
}

void driven_menu(uint32_t command) {
    if (!dialog_alive() || gtk_platform_menu_item(command) == nullptr) {
        return;
    }
    run({step([command] { click_widget(gtk_platform_menu_title(command)); }), [command] {
             GtkWidget* const item = gtk_platform_menu_item(command);
             if (!gtk_widget_get_mapped(item) || !standing_still(item)) {
                 return false;
             }
             click_widget(item);
             return true;
         }});
}

void driven_key_enter() {
    if (dialog_alive()) {
        run({step([] { press(XK_Return); })});
    }
}

void driven_key_escape() {
    if (dialog_alive()) {
        run({step([] { press(XK_Escape); })});
    }
}

void driven_key_about(char key) {
    if (dialog_alive()) {
        // The key as this keyboard map makes it: "?" needs Shift on most.
        const Typing typing = typing_of(key == '?' ? XK_question : XK_slash);
        run({step([typing] {
            const KeyCode alt = keycode(XK_Alt_L);
            key_event(alt, true);
            type_symbol(typing);
            key_event(alt, false);
            XFlush(x_display());
        })});
    }
}

void driven_close_box() {
    trace("close box %p", static_cast<void*>(dialog_alive() ? gtk_platform_close_box() : nullptr));
    if (dialog_alive() && gtk_platform_close_box() != nullptr) {
        run({step([] { click_widget(gtk_platform_close_box()); })});
    }
}

// --- What the user sees -----------------------------------------------------------------

std::string driven_field_text(uint32_t id) {
    return dialog_alive() ? entry_text(id) : last_view[id].text;
}

uint32_t driven_list_count(uint32_t id) {
    return static_cast<uint32_t>(dialog_alive() ? list_items(id).size()
                                                : last_view[id].items.size());
}

std::string driven_list_item(uint32_t id, uint32_t index) {
    const std::vector<std::string> items = dialog_alive() ? list_items(id) : last_view[id].items;
    return index < items.size() ? items[index] : "";
}

int32_t driven_selection(uint32_t id) {
    return dialog_alive() ? gtk_platform_selection(id) : last_view[id].selection;
}

bool driven_checked(uint32_t id) {
    return dialog_alive() ? button_checked(id) : last_view[id].checked;
}

bool driven_menu_checked(uint32_t command) {
    return dialog_alive() ? menu_item_checked(command) : last_menu[command];
}

uint32_t driven_focus_owner() {
    return dialog_alive() ? gtk_platform_focus_owner() : driven_no_focus;
}

uint32_t driven_message_count() {
    return static_cast<uint32_t>(messages.size());
}

DrivenMessageBox driven_message(uint32_t index) {
    return messages.at(index);
}

uint32_t driven_about_count() {
    return about_count;
}
