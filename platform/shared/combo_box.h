// The state of one combo box of the calculator dialog and the rules by which the real
// control changes it and notifies, shared by every front end that draws its own combo
// boxes: the edit text, the list, the selected index, and what the user's edits, the
// opening of the list, a choice from it and the program's own calls do to them.
//
// Notifications go through a ComboNotify function, synchronously and in the order of
// the real control; a text written by the program never raises one.
#ifndef VIDOMAT_PLATFORM_SHARED_COMBO_BOX_H
#define VIDOMAT_PLATFORM_SHARED_COMBO_BOX_H

#include <cstdint>

constexpr uint32_t combo_text_capacity = 256; // 255 characters and the terminator
constexpr uint32_t combo_list_capacity = 16;
constexpr int32_t combo_no_selection = -1;
// What the combo box reports when its edit field could not take all of a change
// (CBN_ERRSPACE, the combo box's form of the edit field's EN_MAXTEXT).
constexpr uint32_t notify_err_space = 0xFFFF;

using ComboNotify = void (*)(uint32_t id, uint32_t code);

struct ComboBox {
    uint32_t id;
    bool sorted;
    int32_t selection;
    // The edit text was last written by a list choice: the next typed change leaves the
    // selection alone, once.
    bool text_from_choice;
    // The text was last set by the program, not by the user.
    bool text_by_program;
    // The selection when the list last opened, which closing it with the mouse without
    // a choice brings back.
    int32_t selection_at_open;
    // The width in pixels the user's edits may fill, 0 for any width (edit_width.h).
    uint32_t width_limit;
    uint32_t item_count;
    char text[combo_text_capacity];
    char items[combo_list_capacity][combo_text_capacity];
};

// An empty combo box with the given text (a control's caption).
void combo_init(ComboBox& box, uint32_t id, bool sorted, uint32_t width_limit, const char* text);

// Copies at most 255 bytes of `source` and a terminating zero.
void combo_copy_text(char* target, const char* source);

// --- The program's calls (no notification) --------------------------------------------
void combo_set_text(ComboBox& box, const char* text);
// The list empties, nothing is selected and the edit text is cleared.
void combo_reset(ComboBox& box);
// Adds an item: at the end, or in a sorted list after every item that sorts before it
// or equal to it (case-insensitive byte order). The selected item stays selected.
// Returns its index, or -1 when the list is full.
int32_t combo_add(ComboBox& box, const char* text);

// --- Looking up items -----------------------------------------------------------------
// The first item whose text is `text`, or -1.
int32_t combo_find_item(const ComboBox& box, const char* text);
// The first item the edit text begins with (ignoring case), or -1 (also for an empty text).
int32_t combo_prefix_match(const ComboBox& box);

// --- The user's actions ---------------------------------------------------------------
// The user changed the edit text, which is `box.text` already; `cut` tells that the
// width rule took part of the change away. Reports CBN_ERRSPACE first when cut, then 6
// and 5; with the list closed the selection goes between them, except at the first
// change after a list choice; with the list open it follows the prefix match.
void combo_report_edit(ComboBox& box, bool cut, bool list_open, ComboNotify notify);
// The user's edit of the text: the bytes from `start` to `end` (a selection, or the
// character before the caret for Backspace) give way to `count` bytes of `insert`; the
// text never grows past 255 characters, and a field that does not scroll keeps only
// what fits. Then the change is reported as above.
void combo_edit_text(ComboBox& box, uint32_t start, uint32_t end, const char* insert,
                     uint32_t count, ComboNotify notify);
// The arrow was clicked: CBN_DROPDOWN, then the list selects the item the text begins
// with, and the edit shows that item's own text ("MB" becomes "Mb"); a text that begins
// no item, or an empty one, stays. The next typed change drops the selection, even the
// first one after a choice.
void combo_open_list(ComboBox& box, ComboNotify notify);
// The item `index` of the open list was clicked: 9, 8 and 1, and only then does the
// edit show the item that is selected at that moment.
void combo_choose(ComboBox& box, int32_t index, ComboNotify notify);
// The open list closed without a choice: 10, 8. Closed with the mouse, the list selects
// again what it selected when it opened; closed with the keyboard, it keeps what Up and
// Down selected meanwhile. The edit text stays either way.
void combo_close_unchosen(ComboBox& box, bool with_mouse, ComboNotify notify);
// Down (+1) or Up (-1) in the edit part: the next or previous item is selected (the
// first one when none was, no further than the ends). With the list closed that is
// reported as a choice (9, 1), with the list open as a change of selection (1); the edit
// shows the item only afterwards. Nothing for an empty list.
void combo_key_step(ComboBox& box, int32_t delta, bool list_open, ComboNotify notify);

#endif
