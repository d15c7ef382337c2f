#include "platform/shared/combo_box.h"

#include "platform/platform.h"
#include "platform/shared/edit_width.h"

#include <cstring>

namespace {

uint8_t lower(char c) {
    const uint8_t byte = static_cast<uint8_t>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<uint8_t>(byte + ('a' - 'A')) : byte;
}

// Case-insensitive byte order: the order of a sorted list.
int compare_ignoring_case(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const uint8_t x = lower(*a);
        const uint8_t y = lower(*b);
        if (x != y || x == 0) {
            return x < y ? -1 : (x > y ? 1 : 0);
        }
    }
}

bool begins_with_ignoring_case(const char* text, const char* prefix) {
    for (; *prefix != '\0'; ++text, ++prefix) {
        if (lower(*text) != lower(*prefix)) {
            return false;
        }
    }
    return true;
}

} // namespace

// Up to the terminator, at most 255 characters; what lies past the terminator is never
// read, so it is not cleared either.
void combo_copy_text(char* target, const char* source) {
    const size_t length = strnlen(source, combo_text_capacity - 1);
    std::memmove(target, source, length);
    target[length] = '\0';
}

// Every field but the list's texts, which nothing reads past the item count: clearing
// them would cost 4 KB a box at every start of a dialog.
void combo_init(ComboBox& box, uint32_t id, bool sorted, uint32_t width_limit, const char* text) {
    box.id = id;
    box.sorted = sorted;
    box.selection = combo_no_selection;
    box.text_from_choice = false;
    box.text_by_program = false;
    box.selection_at_open = combo_no_selection;
    box.width_limit = width_limit;
    box.item_count = 0;
    combo_copy_text(box.text, text);
}

void combo_set_text(ComboBox& box, const char* text) {
    combo_copy_text(box.text, text);
    box.text_by_program = true;
}

void combo_reset(ComboBox& box) {
    box.item_count = 0;
    box.selection = combo_no_selection;
    box.selection_at_open = combo_no_selection;
    box.text[0] = '\0';
    box.text_by_program = true;
}

int32_t combo_add(ComboBox& box, const char* text) {
    if (box.item_count == combo_list_capacity) {
        return combo_no_selection;
    }
    uint32_t index = box.item_count;
    if (box.sorted) {
        index = 0; // after every item that sorts before it or equal to it
        while (index < box.item_count && compare_ignoring_case(box.items[index], text) <= 0) {
            ++index;
        }
    }
    for (uint32_t i = box.item_count; i > index; --i) {
        std::memcpy(box.items[i], box.items[i - 1], combo_text_capacity);
    }
    combo_copy_text(box.items[index], text);
    ++box.item_count;
    // The selected item stays selected; its index moves with it.
    if (box.selection >= static_cast<int32_t>(index)) {
        ++box.selection;
    }
    return static_cast<int32_t>(index);
}

int32_t combo_find_item(const ComboBox& box, const char* text) {
    for (uint32_t i = 0; i < box.item_count; ++i) {
        if (std::strcmp(box.items[i], text) == 0) {
            return static_cast<int32_t>(i);
        }
    }
    return combo_no_selection;
}

int32_t combo_prefix_match(const ComboBox& box) {
    if (box.text[0] == '\0') {
        return combo_no_selection;
    }
    for (uint32_t i = 0; i < box.item_count; ++i) {
        if (begins_with_ignoring_case(box.items[i], box.text)) {
            return static_cast<int32_t>(i);
        }
    }
    return combo_no_selection;
}

void combo_report_edit(ComboBox& box, bool cut, bool list_open, ComboNotify notify) {
    box.text_by_program = false;
    if (cut) {
        notify(box.id, notify_err_space);
    }
    notify(box.id, notify_edit_update);
    if (list_open) {
        box.selection = combo_prefix_match(box);
    } else if (box.text_from_choice) {
        box.text_from_choice = false;
    } else {
        box.selection = combo_no_selection;
    }
    notify(box.id, notify_edit_change);
}

void combo_edit_text(ComboBox& box, uint32_t start, uint32_t end, const char* insert,
                     uint32_t count, ComboNotify notify) {
    char* const text = box.text;
    const uint32_t length = static_cast<uint32_t>(std::strlen(text));
    const uint32_t kept = length - (end - start);
    if (count > combo_text_capacity - 1 - kept) {
        count = combo_text_capacity - 1 - kept;
    }
    std::memmove(text + start + count, text + end, length - end + 1);
    std::memcpy(text + start, insert, count);
    const uint32_t fitting = edit_fitting_count(text, start, count, box.width_limit);
    if (fitting < count) {
        std::memmove(text + start + fitting, text + start + count,
                     std::strlen(text + start + count) + 1);
    }
    combo_report_edit(box, fitting < count, false, notify);
}

void combo_open_list(ComboBox& box, ComboNotify notify) {
    notify(box.id, notify_drop_down);
    // Opening the list ends the exception of the first change after a choice: the next
    // typed change drops the selection (measured under Wine 8).
    box.text_from_choice = false;
    box.selection = combo_prefix_match(box);
    box.selection_at_open = box.selection;
    if (box.selection != combo_no_selection) {
        combo_copy_text(box.text, box.items[box.selection]);
        box.text_by_program = false;
    }
}

void combo_choose(ComboBox& box, int32_t index, ComboNotify notify) {
    box.selection = index;
    notify(box.id, notify_sel_end_ok);
    notify(box.id, notify_close_up);
    notify(box.id, notify_sel_change);
    const int32_t chosen = box.selection;
    combo_copy_text(box.text, chosen >= 0 && static_cast<uint32_t>(chosen) < box.item_count
                                  ? box.items[chosen]
                                  : "");
    box.text_from_choice = true;
    box.text_by_program = false;
}

void combo_close_unchosen(ComboBox& box, bool with_mouse, ComboNotify notify) {
    if (with_mouse) {
        box.selection = box.selection_at_open < static_cast<int32_t>(box.item_count)
                            ? box.selection_at_open
                            : combo_no_selection;
    }
    notify(box.id, notify_sel_end_cancel);
    notify(box.id, notify_close_up);
}

void combo_key_step(ComboBox& box, int32_t delta, bool list_open, ComboNotify notify) {
    if (box.item_count == 0) {
        return;
    }
    const int32_t last = static_cast<int32_t>(box.item_count) - 1;
    int32_t index = box.selection < 0 ? 0 : box.selection + delta;
    index = index < 0 ? 0 : (index > last ? last : index);
    box.selection = index;
    if (!list_open) {
        notify(box.id, notify_sel_end_ok);
    }
    notify(box.id, notify_sel_change);
    const int32_t chosen = box.selection;
    combo_copy_text(box.text, chosen >= 0 && chosen <= last ? box.items[chosen] : "");
    box.text_from_choice = true;
    box.text_by_program = false;
}
