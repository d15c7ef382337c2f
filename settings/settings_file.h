// The remembered state: one 300-byte little-endian record in "Vidomat.ini" in the
// working directory, read when the dialog is created and written when it closes.
#ifndef VIDOMAT_SETTINGS_SETTINGS_FILE_H
#define VIDOMAT_SETTINGS_SETTINGS_FILE_H

#include <cstdint>

constexpr const char* settings_file_name = "Vidomat.ini";

// Record layout: offsets of the fields.
constexpr uint32_t record_magic = 0;
constexpr uint32_t record_mode_flags = 4;
constexpr uint32_t record_max_size_bits = 8;
constexpr uint32_t record_audio_rate = 16;
constexpr uint32_t record_video_rate = 20;
constexpr uint32_t record_length_seconds = 24;
constexpr uint32_t record_description = 28;
constexpr uint32_t record_length_frames = 72;
constexpr uint32_t record_reserve_bits = 80;
constexpr uint32_t record_factor_num = 88;
constexpr uint32_t record_factor_den = 92;
constexpr uint32_t record_chapter_count = 96;
constexpr uint32_t record_media_choice = 100; // four fields of 50 bytes

// Restores what the file's stored flags say is remembered; reports a foreign or
// unreadable file with a message and then ignores it.
void load_settings();
// Writes the record when a remember option is on and the file may be written (it was
// accepted at the start, or the save creates it, and it holds a record or nothing), then
// destroys the frame window, on every path.
void save_settings();

#endif
