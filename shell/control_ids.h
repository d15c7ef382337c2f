// The identifiers of the calculator's resources and of every control and command of the
// calculator dialog: the one place that names them. The core, every front end, the
// drivers, the fuzz targets and the tests use these names, never the bare numbers.
#ifndef VIDOMAT_SHELL_CONTROL_IDS_H
#define VIDOMAT_SHELL_CONTROL_IDS_H

#include <cstdint>

// --- Resources ------------------------------------------------------------------------
constexpr uint32_t resource_calculator_dialog = 130;
constexpr uint32_t resource_about_box = 103;
constexpr uint32_t resource_menu = 109;
constexpr uint32_t resource_accelerators = 109;
constexpr uint32_t resource_title_string = 103;
constexpr uint32_t resource_class_name_string = 109;
constexpr uint32_t resource_large_icon = 107;
constexpr uint32_t resource_small_icon = 108;

// --- Controls and commands of the calculator dialog -----------------------------------
enum ControlId : uint32_t {
    id_ok_default = 1,
    id_close = 2, // "BEENDEN"
    cmd_about = 104,
    cmd_exit = 105,
    field_video_rate = 168,
    field_length = 169,
    field_max_size = 170,
    field_result_size = 171,
    selector_max_size = 172,
    field_medium = 174,
    field_audio_rate = 175,
    selector_audio = 176,
    field_reserve = 177,
    selector_result = 178,
    selector_reserve = 179,
    selector_video = 180,
    field_optimise = 181,
    field_margin = 182,
    field_chapters = 183,
    group_output_format = 1001,
    group_length = 1002,
    group_max_size = 1003,
    group_audio_rate = 1004,
    group_reserve = 1005,
    group_result_size = 1006,
    group_video_rate = 1007,
    group_optimise = 1008,
    radio_dvd = 1189,
    radio_vcd = 1190,
    radio_svcd = 1192,
    radio_free = 1193,
    radio_frames = 1198,
    radio_time = 1199,
    radio_max_size_bytes = 1201,
    radio_max_size_bits = 1202,
    radio_audio_bits = 1203,
    radio_audio_bytes = 1204,
    radio_result_bytes = 1205,
    radio_result_bits = 1206,
    radio_video_bits = 1208,
    radio_video_bytes = 1212,
    button_ok = 1214,
    radio_reserve_bytes = 1215,
    radio_reserve_bits = 1216,
    cmd_remember_settings = 32771,
    cmd_remember_values = 32772,
    cmd_apply = 32773,
    cmd_close = 32774,
};

// The texts without an identifier ("Anzahl der Kapitel", "Sicherheitsreserve (%) :").
constexpr int32_t id_static_text = -1;

// --- The controls a user acts on, in ascending order -----------------------------------
// clang-format off
// Every combo box of the dialog: the value fields, the medium and the unit selectors.
constexpr uint32_t all_combo_boxes[] = {
    field_video_rate, field_length, field_max_size, field_result_size, selector_max_size,
    field_medium, field_audio_rate, selector_audio, field_reserve, selector_result,
    selector_reserve, selector_video, field_optimise, field_margin, field_chapters};
// The combo boxes with a drop-down list.
constexpr uint32_t drop_down_combo_boxes[] = {
    selector_max_size, field_medium, field_audio_rate, selector_audio, selector_result,
    selector_reserve, selector_video, field_optimise};
// Every button that can be checked: the radio buttons and the two push-like check boxes.
constexpr uint32_t checkable_buttons[] = {
    id_close, radio_dvd, radio_vcd, radio_svcd, radio_free, radio_frames, radio_time,
    radio_max_size_bytes, radio_max_size_bits, radio_audio_bits, radio_audio_bytes,
    radio_result_bytes, radio_result_bits, radio_video_bits, radio_video_bytes, button_ok,
    radio_reserve_bytes, radio_reserve_bits};
// The items of menu 109, in menu order, and the ones that carry a check mark.
constexpr uint32_t menu_commands[] = {
    cmd_exit, cmd_about, cmd_remember_settings, cmd_remember_values};
constexpr uint32_t checked_menu_commands[] = {cmd_remember_settings, cmd_remember_values};
// clang-format on

#endif
