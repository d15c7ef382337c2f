#include "shell/dialog_layout.h"

#include "shell/control_ids.h"

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
    {radio_dvd, class_button, "DVD", 13, 19, 34, 8, radio_group_start, 0},
    {radio_vcd, class_button, "VCD", 14, 41, 34, 8, radio_disabled, 0},
    {radio_svcd, class_button, "SVCD", 49, 19, 34, 8, radio_disabled, 0},
    {radio_free, class_button, "frei", 89, 19, 31, 8, radio, 0},
    {group_output_format, class_button, "Ausgabeformat", 7, 7, 117, 51, group_box, 0},
    {group_length, class_button, "L\xE4nge", 7, 62, 117, 43, group_box, 0},
    {radio_frames, class_button, "Frames", 13, 92, 38, 8, radio_group_start, 0},
    {radio_time, class_button, "Std : Min : Sek", 55, 92, 67, 8, radio, 0},
    {field_length, class_combo_box, "", 14, 75, 74, 12, entry_field, accepts_files},
    {group_max_size, class_button, "max. Datenmenge", 7, 112, 117, 43, group_box, 0},
    {field_max_size, class_combo_box, "", 14, 125, 74, 12, entry_field, accepts_files},
    {selector_max_size, class_combo_box, "", 92, 125, 27, 67, drop_down, accepts_files},
    {group_audio_rate, class_button, "Audio-Datenrate", 133, 112, 117, 43, group_box, 0},
    {field_audio_rate, class_combo_box, "", 140, 124, 74, 77, sorted_drop_down, accepts_files},
    {selector_audio, class_combo_box, "", 218, 124, 27, 67, drop_down, accepts_files},
    {group_result_size, class_button, "resultierende Datenmenge", 7, 162, 117, 43, group_box, 0},
    {field_result_size, class_combo_box, "", 14, 175, 74, 12, entry_field, accepts_files},
    {selector_result, class_combo_box, "", 92, 175, 27, 67, drop_down, accepts_files},
    {group_video_rate, class_button, "Video-Datenrate", 133, 162, 117, 43, group_box, 0},
    {field_video_rate, class_combo_box, "", 140, 175, 74, 12, entry_field, accepts_files},
    {selector_video, class_combo_box, "", 218, 175, 27, 67, drop_down, accepts_files},
    {radio_max_size_bytes, class_button, "Bytes", 21, 142, 29, 8, radio_group_start, 0},
    {radio_max_size_bits, class_button, "Bits", 57, 142, 25, 8, radio, 0},
    {radio_result_bytes, class_button, "Bytes", 21, 193, 29, 8, radio_group_start, 0},
    {radio_result_bits, class_button, "Bits", 57, 193, 29, 8, radio, 0},
    {radio_audio_bytes, class_button, "Bytes", 146, 142, 29, 8, radio_group_start, 0},
    {radio_audio_bits, class_button, "Bits", 183, 142, 29, 8, radio, 0},
    {radio_video_bytes, class_button, "Bytes", 146, 193, 29, 8, radio_group_start, 0},
    {radio_video_bits, class_button, "Bits", 183, 193, 29, 8, radio, 0},
    {field_medium, class_combo_box, "", 50, 39, 71, 132, drop_down, accepts_files},
    {group_reserve, class_button, "reservieren", 133, 62, 117, 43, group_box, 0},
    {field_reserve, class_combo_box, "", 140, 74, 74, 12, entry_field, accepts_files},
    {id_close, class_button, "BEENDEN", 127, 213, 54, 18, push_like_check_box, 0},
    {selector_reserve, class_combo_box, "", 218, 74, 27, 67, drop_down, accepts_files},
    {radio_reserve_bytes, class_button, "Bytes", 146, 92, 29, 8, radio_group_start, 0},
    {radio_reserve_bits, class_button, "Bits", 183, 92, 29, 8, radio, 0},
    {group_optimise, class_button, "optimieren f\xFCr :", 133, 7, 117, 30, group_box, 0},
    {field_optimise, class_combo_box, "", 140, 18, 105, 72, drop_down_scrolled, accepts_files},
    {field_chapters, class_combo_box, "", 75, 213, 38, 12, entry_field_disabled, accepts_files},
    {id_static_text, class_static, "Anzahl der Kapitel", 7, 213, 62, 12, text_disabled, 0},
    {button_ok, class_button, "OK", 196, 213, 54, 18, push_like_check_box, 0},
    {field_margin, class_combo_box, "", 214, 44, 36, 12, entry_field, accepts_files},
    {id_static_text, class_static, "Sicherheitsreserve (%) :", 133, 44, 75, 12, text, 0},
};

} // namespace

const DialogLayout calculator_dialog = {
    resource_calculator_dialog,
    "Berechnung von Video-Datenraten",
    "MS Sans Serif",
    8,
    0,
    0,
    257,
    238,
    0x00CA0060, // caption, system menu, minimise box, DS_SETFONT, DS_LOCALEDIT; hidden
    0x00020000, // WS_EX_STATICEDGE
    resource_menu,
    controls,
    sizeof controls / sizeof controls[0],
};

const MenuItemLayout calculator_menu[] = {
    {"&Datei", "&Beenden", cmd_exit},
    {"&Hilfe", "&Info...", cmd_about},
    {"&Optionen", "&Einstellungen merken", cmd_remember_settings},
    {"&Optionen", "&Werte merken", cmd_remember_values},
};
const uint32_t calculator_menu_count = sizeof calculator_menu / sizeof calculator_menu[0];

const AcceleratorLayout calculator_accelerators[] = {
    {0x12, '/', cmd_about},  // Alt+"/": About box
    {0x12, '?', cmd_about},  // Alt+"?": About box
    {0x03, 0x1B, cmd_close}, // Escape: close
    {0x83, 0x0D, cmd_apply}, // Enter: apply the pending edit; last entry
};
const uint32_t calculator_accelerator_count =
    sizeof calculator_accelerators / sizeof calculator_accelerators[0];

const ControlLayout* find_control(int32_t id) {
    for (const ControlLayout& control : controls) {
        if (control.id == id && id != id_static_text) {
            return &control;
        }
    }
    return nullptr;
}
