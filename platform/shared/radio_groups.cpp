#include "platform/shared/radio_groups.h"

#include "shell/dialog_layout.h"

namespace {

bool is_auto_radio(const ControlLayout& layout) {
    return layout.control_class == class_button &&
           (layout.style & button_type_mask) == button_auto_radio;
}

} // namespace

uint32_t radio_group_start(uint32_t index) {
    uint32_t start = 0;
    for (uint32_t i = 0; i <= index && i < calculator_dialog.control_count; ++i) {
        if ((calculator_dialog.controls[i].style & style_group) != 0) {
            start = i;
        }
    }
    return start;
}

void radio_group_walk(uint32_t id, void (*uncheck)(uint32_t other)) {
    uint32_t index = calculator_dialog.control_count;
    for (uint32_t i = 0; i < calculator_dialog.control_count; ++i) {
        if (calculator_dialog.controls[i].id == static_cast<int32_t>(id)) {
            index = i;
        }
    }
    if (index == calculator_dialog.control_count) {
        return;
    }
    const uint32_t first = radio_group_start(index);
    for (uint32_t i = first; i < calculator_dialog.control_count; ++i) {
        const ControlLayout& other = calculator_dialog.controls[i];
        if (i != first && (other.style & style_group) != 0) {
            break;
        }
        if (i != index && is_auto_radio(other) && (other.style & style_disabled) == 0) {
            uncheck(static_cast<uint32_t>(other.id));
        }
    }
}
