#include "platform/shared/edit_width.h"

#include "platform/shared/dialog_units.h"
#include "platform/shared/edit_font_widths.h"
#include "shell/dialog_layout.h"

#include <cstring>

namespace {

// Measured under Wine 8 on the real dialog: with horizontal base units of 6 pixels a
// combo box of 27 units is 41 pixels wide and one of 71 units 107 pixels. The edit
// field's formatting rectangle (EM_GETRECT, no margins: left 0) is its client area, which
// the combo box's frame and arrow button leave: 23 pixels less, 18 and 84 pixels.
constexpr int32_t frame_and_arrow = 23;

} // namespace

uint32_t edit_width_limit(uint32_t id) {
    const ControlLayout* const layout = find_control(static_cast<int32_t>(id));
    // The dialog has such fields only among its drop-down combo boxes; the geometry above
    // is theirs.
    if (layout == nullptr || layout->control_class != class_combo_box ||
        (layout->style & combo_type_mask) != combo_drop_down ||
        (layout->style & combo_auto_hscroll) != 0) {
        return 0;
    }
    // Every such combo box of the dialog is at least 27 units wide.
    return static_cast<uint32_t>(dialog_x_to_pixels(layout->width) - frame_and_arrow);
}

uint32_t edit_char_width(uint8_t code) {
    return code >= edit_font_first_code ? edit_font_widths[code - edit_font_first_code] : 0;
}

uint32_t edit_text_width(const char* text, size_t length) {
    uint32_t width = 0;
    for (size_t i = 0; i < length; ++i) {
        width += edit_char_width(static_cast<uint8_t>(text[i]));
    }
    return width;
}

uint32_t edit_fitting_count(const char* text, uint32_t start, uint32_t count, uint32_t limit) {
    if (limit == 0) {
        return count;
    }
    // The width of the text with the whole insertion, then less one inserted character at
    // a time from the end of the insertion.
    uint32_t width = edit_text_width(text, std::strlen(text));
    while (count > 0 && width > limit) {
        --count;
        width -= edit_char_width(static_cast<uint8_t>(text[start + count]));
    }
    return count;
}
