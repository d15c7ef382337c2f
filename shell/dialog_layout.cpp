#include "shell/dialog_layout.h"

namespace {

// Style words of the dialog's controls. Every control is a visible child window.
constexpr uint32_t radio_group_start = 0x50030009; // auto radio button, WS_GROUP, tab stop
constexpr uint32_t radio = 0x50010009;             // auto radio button, tab stop
constexpr uint32_t radio_disabled = 0x58010009;
constexpr uint32_t group_box = 0x50000007;
constexpr uint32_t entry_field = 0x50230941; // CBS_SIMPLE, sorted, only the edit part shows
constexpr uint32_t entry_field_disabled = 0x58230941;
constexpr uint32_t sorted_drop_down = 0x50230942;
constexpr uint32_t drop_down_scrolled = 0x50230842;
constexpr uint32_t drop_down = 0x50030002;
constexpr uint32_t push_like_check_box = 0x50031003; // BS_AUTOCHECKBOX | BS_PUSHLIKE
constexpr uint32_t text = 0x50020200;                // left-aligned, vertically centred
constexpr uint32_t text_disabled = 0x58020200;
constexpr uint32_t accepts_files = 0x00000010; // WS_EX_ACCEPTFILES, carried by every combo box

// In creation order, which is also the order of the radio groups and tab stops.
const ControlLayout controls[] = {
    {1189, class_button, "DVD", 13, 19, 34, 8, radio_group_start, 0},
    {1190, class_button, "VCD", 14, 41, 34, 8, radio_disabled, 0},
    {1192, class_button, "SVCD", 49, 19, 34, 8, radio_disabled, 0},
    {1193, class_button, "frei", 89, 19, 31, 8, radio, 0},
    {1001, class_button, "Ausgabeformat", 7, 7, 117, 51, group_box, 0},
    {1002, class_button, "L\xE4nge", 7, 62, 117, 43, group_box, 0},
    {1198, class_button, "Frames", 13, 92, 38, 8, radio_group_start, 0},
    {1199, class_button, "Std : Min : Sek", 55, 92, 67, 8, radio, 0},
    {169, class_combo_box, "", 14, 75, 74, 12, entry_field, accepts_files},
    {1003, class_button, "max. Datenmenge", 7, 112, 117, 43, group_box, 0},
    {170, class_combo_box, "", 14, 125, 74, 12, entry_field, accepts_files},
    {172, class_combo_box, "", 92, 125, 27, 67, drop_down, accepts_files},
    {1004, class_button, "Audio-Datenrate", 133, 112, 117, 43, group_box, 0},
    {175, class_combo_box, "", 140, 124, 74, 77, sorted_drop_down, accepts_files},
    {176, class_combo_box, "", 218, 124, 27, 67, drop_down, accepts_files},
    {1006, class_button, "resultierende Datenmenge", 7, 162, 117, 43, group_box, 0},
    {171, class_combo_box, "", 14, 175, 74, 12, entry_field, accepts_files},
    {178, class_combo_box, "", 92, 175, 27, 67, drop_down, accepts_files},
    {1007, class_button, "Video-Datenrate", 133, 162, 117, 43, group_box, 0},
    {168, class_combo_box, "", 140, 175, 74, 12, entry_field, accepts_files},
    {180, class_combo_box, "", 218, 175, 27, 67, drop_down, accepts_files},
    {1201, class_button, "Bytes", 21, 142, 29, 8, radio_group_start, 0},
    {1202, class_button, "Bits", 57, 142, 25, 8, radio, 0},
    {1205, class_button, "Bytes", 21, 193, 29, 8, radio_group_start, 0},
    {1206, class_button, "Bits", 57, 193, 29, 8, radio, 0},
    {1204, class_button, "Bytes", 146, 142, 29, 8, radio_group_start, 0},
    {1203, class_button, "Bits", 183, 142, 29, 8, radio, 0},
    {1212, class_button, "Bytes", 146, 193, 29, 8, radio_group_start, 0},
    {1208, class_button, "Bits", 183, 193, 29, 8, radio, 0},
    {174, class_combo_box, "", 50, 39, 71, 132, drop_down, accepts_files},
    {1005, class_button, "reservieren", 133, 62, 117, 43, group_box, 0},
    {177, class_combo_box, "", 140, 74, 74, 12, entry_field, accepts_files},
    {2, class_button, "BEENDEN", 127, 213, 54, 18, push_like_check_box, 0},
    {179, class_combo_box, "", 218, 74, 27, 67, drop_down, accepts_files},
    {1215, class_button, "Bytes", 146, 92, 29, 8, radio_group_start, 0},
    {1216, class_button, "Bits", 183, 92, 29, 8, radio, 0},
    {1008, class_button, "optimieren f\xFCr :", 133, 7, 117, 30, group_box, 0},
    {181, class_combo_box, "", 140, 18, 105, 72, drop_down_scrolled, accepts_files},
    {183, class_combo_box, "", 75, 213, 38, 12, entry_field_disabled, accepts_files},
    {-1, class_static, "Anzahl der Kapitel", 7, 213, 62, 12, text_disabled, 0},
    {1214, class_button, "OK", 196, 213, 54, 18, push_like_check_box, 0},
    {182, class_combo_box, "", 214, 44, 36, 12, entry_field, accepts_files},
    {-1, class_static, "Sicherheitsreserve (%) :", 133, 44, 75, 12, text, 0},
};

} // namespace

const DialogLayout calculator_dialog = {
    130,
    "Berechnung von Video-Datenraten",
    "MS Sans Serif",
    8,
    0,
    0,
    257,
    238,
    0x00CA0060, // caption, system menu, minimise box, DS_SETFONT, DS_LOCALEDIT; hidden
    0x00020000, // WS_EX_STATICEDGE
    109,
    controls,
    sizeof controls / sizeof controls[0],
};

const MenuItemLayout calculator_menu[] = {
    {"&Datei", "&Beenden", 105},
    {"&Hilfe", "&Info...", 104},
    {"&Optionen", "&Einstellungen merken", 32771},
    {"&Optionen", "&Werte merken", 32772},
};
const uint32_t calculator_menu_count = sizeof calculator_menu / sizeof calculator_menu[0];

const AcceleratorLayout calculator_accelerators[] = {
    {0x12, '/', 104},    // Alt+"/": About box
    {0x12, '?', 104},    // Alt+"?": About box
    {0x03, 0x1B, 32774}, // Escape: close
    {0x83, 0x0D, 32773}, // Enter: apply the pending edit; last entry
};
const uint32_t calculator_accelerator_count =
    sizeof calculator_accelerators / sizeof calculator_accelerators[0];

const ControlLayout* find_control(int32_t id) {
    for (const ControlLayout& control : controls) {
        if (control.id == id && id != -1) {
            return &control;
        }
    }
    return nullptr;
}
