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
constexpr uint8_t soft_hyphen = 0xAD;

// The width of the first `length` bytes of a text without the bytes from `cut` to
// `resume`. The blanks right after a soft hyphen go with it, where a line may break, and
// take no room either (measured under Wine 8: "000", a soft hyphen and two blanks fit a
// field of 18 pixels; "0", a soft hyphen, a blank, "0", a blank and "0" do not).
uint32_t width_without(const char* text, size_t cut, size_t resume, size_t length) {
    uint32_t width = 0;
    bool after_soft_hyphen = false;
    for (size_t i = cut == 0 ? resume : 0; i < length; i = i + 1 == cut ? resume : i + 1) {
        const uint8_t code = static_cast<uint8_t>(text[i]);
        if (code == ' ' && after_soft_hyphen) {
            continue;
        }
        after_soft_hyphen = code == soft_hyphen;
        width += edit_char_width(code);
    }
    return width;
}

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
    // The edit field lays out its line with the system's script shaping, which shows a
    // soft hyphen only where a line breaks: on the field's one line it takes no room,
    // although the font gives it an advance (measured under Wine 8: typed into a full
    // unit field, it is taken).
    if (code == soft_hyphen) {
        return 0;
    }
    return code >= edit_font_first_code ? edit_font_widths[code - edit_font_first_code] : 0;
}

uint32_t edit_text_width(const char* text, size_t length) {
    return width_without(text, length, length, length);
}

uint32_t edit_fitting_count(const char* text, uint32_t start, uint32_t count, uint32_t limit) {
    if (limit == 0) {
        return count;
    }
    // The text with the whole insertion, then with one inserted character less at a time
    // from the end of the insertion, measured whole each time: the room of a blank
    // depends on what comes before it.
    const size_t length = std::strlen(text);
    const uint32_t end = start + count;
    while (count > 0 && width_without(text, start + count, end, length) > limit) {
        --count;
    }
    return count;
}
