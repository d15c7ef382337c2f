// The one description of the calculator dialog (template 130), its menu and its
// accelerators. The in-memory dialog is built from it, and the Windows resources are
// generated from it, so the two can never drift apart. Texts are Windows-1252.
#ifndef VIDOMAT_SHELL_DIALOG_LAYOUT_H
#define VIDOMAT_SHELL_DIALOG_LAYOUT_H

#include <cstdint>

// Window and control styles the layout uses (the window system's values).
constexpr uint32_t style_disabled = 0x08000000; // WS_DISABLED
constexpr uint32_t style_group = 0x00020000;    // WS_GROUP
constexpr uint32_t style_tab_stop = 0x00010000; // WS_TABSTOP
constexpr uint32_t button_type_mask = 0x0000000F;
constexpr uint32_t button_auto_check_box = 0x3; // BS_AUTOCHECKBOX
constexpr uint32_t button_group_box = 0x7;      // BS_GROUPBOX
constexpr uint32_t button_auto_radio = 0x9;     // BS_AUTORADIOBUTTON
constexpr uint32_t combo_type_mask = 0x00000003;
constexpr uint32_t combo_simple = 0x1;              // CBS_SIMPLE
constexpr uint32_t combo_drop_down = 0x2;           // CBS_DROPDOWN
constexpr uint32_t combo_auto_hscroll = 0x00000040; // CBS_AUTOHSCROLL
constexpr uint32_t combo_sort = 0x00000100;         // CBS_SORT

enum ControlClass : uint32_t { class_button, class_combo_box, class_static };

struct ControlLayout {
    int32_t id; // -1 for the texts that need none
    ControlClass control_class;
    const char* caption; // "" when the control has none
    int16_t x;
    int16_t y;
    int16_t width;
    int16_t height;
    uint32_t style;
    uint32_t extended_style;
};

struct DialogLayout {
    uint32_t id;
    const char* caption;
    const char* font;
    uint32_t point_size;
    int16_t x;
    int16_t y;
    int16_t width;
    int16_t height;
    uint32_t style;
    uint32_t extended_style;
    uint32_t menu_id;
    const ControlLayout* controls;
    uint32_t control_count;
};

struct MenuItemLayout {
    const char* popup; // the menu bar entry the item stands under
    const char* caption;
    uint32_t command;
};

struct AcceleratorLayout {
    uint8_t flags; // as stored: FVIRTKEY 0x01, FNOINVERT 0x02, FALT 0x10, end mark 0x80
    uint16_t key;
    uint16_t command;
};

extern const DialogLayout calculator_dialog;
extern const MenuItemLayout calculator_menu[];
extern const uint32_t calculator_menu_count;
extern const AcceleratorLayout calculator_accelerators[];
extern const uint32_t calculator_accelerator_count;

// The layout of one control, or nullptr when the dialog has no control with that id.
const ControlLayout* find_control(int32_t id);

#endif
