// Which control of the calculator dialog has the keyboard focus, and the notifications
// a change of focus raises, in the order of the real dialog:
// - A combo box that loses the focus cancels its list selection and reports the loss
//   (10, 4) while the focus is already elsewhere; the combo box that gains it reports
//   that last (3). Buttons gain and lose the focus silently.
// - Another window (a message box, the About box) takes the focus; the dialog remembers
//   which control had it and gives it back at the next click into the dialog, before
//   the click does anything else.
#ifndef VIDOMAT_PLATFORM_SHARED_DIALOG_FOCUS_H
#define VIDOMAT_PLATFORM_SHARED_DIALOG_FOCUS_H

#include <cstdint>

constexpr uint32_t focus_none = 0;

struct DialogFocus {
    uint32_t focus;
    // The focus another window took away; restored at the next click into the dialog.
    uint32_t saved_focus;
};

// What the rules need to know of the front end.
struct FocusHooks {
    bool (*is_combo)(uint32_t id);
    void (*notify)(uint32_t id, uint32_t code);
};

// The focus moves to `id` (focus_none: to no control of the dialog).
void focus_move(DialogFocus& focus, uint32_t id, const FocusHooks& hooks);
// Another window takes the focus.
void focus_lend(DialogFocus& focus, const FocusHooks& hooks);
// A click anywhere into the dialog: a focus another window took comes back first.
void focus_click_into_dialog(DialogFocus& focus, const FocusHooks& hooks);

#endif
