// The radio groups of the calculator dialog, as the dialog manager walks them: a group
// begins at a control with WS_GROUP and runs to the next one, in creation order.
#ifndef VIDOMAT_PLATFORM_SHARED_RADIO_GROUPS_H
#define VIDOMAT_PLATFORM_SHARED_RADIO_GROUPS_H

#include <cstdint>

// The index in the layout of the control that starts the group of control `index`.
uint32_t radio_group_start(uint32_t index);

// The other auto radio buttons of the group of radio button `id` that a click on it
// unchecks: as on the window system, the walk skips disabled buttons. Calls `uncheck`
// with each one's id.
void radio_group_walk(uint32_t id, void (*uncheck)(uint32_t other));

#endif
