#include "platform/shared/dialog_focus.h"

#include "platform/platform.h"

void focus_move(DialogFocus& focus, uint32_t id, const FocusHooks& hooks) {
    const uint32_t old = focus.focus;
    focus.saved_focus = focus_none;
    if (old == id) {
        return;
    }
    focus.focus = id;
    if (hooks.is_combo(old)) {
        hooks.notify(old, notify_sel_end_cancel);
        hooks.notify(old, notify_kill_focus);
    }
    // A handler of the loss may have moved the focus on already.
    if (hooks.is_combo(id) && focus.focus == id) {
        hooks.notify(id, notify_set_focus);
    }
}

void focus_lend(DialogFocus& focus, const FocusHooks& hooks) {
    const uint32_t old = focus.focus;
    if (old == focus_none) {
        return;
    }
    focus_move(focus, focus_none, hooks);
    focus.saved_focus = old;
}

void focus_click_into_dialog(DialogFocus& focus, const FocusHooks& hooks) {
    if (focus.focus == focus_none && focus.saved_focus != focus_none) {
        focus_move(focus, focus.saved_focus, hooks);
    }
}
