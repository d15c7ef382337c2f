#include "settings/settings_file.h"

#include "engine/calculator_state.h"
#include "platform/file_system.h"
#include "platform/platform.h"

#include <cstring>

namespace {

const uint8_t settings_magic[4] = {0x55, 0x44, 0x33, 0x22};
const char settings_description[] = "Inidatei f\xFCr Bitraten-Berechnungsprogramm";

const char* const error_caption = "FEHLER !";

uint32_t get_word(uint32_t offset) {
    const uint8_t* const bytes = calc.settings_record + offset;
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

uint64_t get_wide(uint32_t offset) {
    return static_cast<uint64_t>(get_word(offset)) | static_cast<uint64_t>(get_word(offset + 4))
                                                         << 32;
}

void put_word(uint32_t offset, uint32_t value) {
    uint8_t* const bytes = calc.settings_record + offset;
    for (uint32_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<uint8_t>(value >> (8 * i)); // little-endian, byte by byte
    }
}

void put_wide(uint32_t offset, uint64_t value) {
    put_word(offset, static_cast<uint32_t>(value));
    put_word(offset + 4, static_cast<uint32_t>(value >> 32));
}

void show_error(const char* text) {
    platform_message_box(text, error_caption, box_ok | box_task_modal);
}

void close_settings_file() {
    if (calc.settings_handle != no_handle) {
        platform_file_close(calc.settings_handle);
        calc.settings_handle = no_handle;
    }
}

void restore_values() {
    calc.mode_flags |= remember_values;
    calc.max_size_bits = get_wide(record_max_size_bits);
    calc.video_rate = get_word(record_video_rate);
    calc.length_frames = get_wide(record_length_frames);
    calc.audio_rate = get_word(record_audio_rate);
    calc.reserve_bits = get_wide(record_reserve_bits);
    calc.length_seconds = get_word(record_length_seconds);
    calc.video_factor_num = get_word(record_factor_num);
    calc.chapter_count = get_word(record_chapter_count);
    calc.video_factor_den = get_word(record_factor_den);
    // A factor the calculator could never have stored (a zero, or more than 1) would
    // divide by zero or give a negative margin: the preset factor takes its place.
    if (calc.video_factor_num == 0 || calc.video_factor_den == 0 ||
        calc.video_factor_num > calc.video_factor_den) {
        calc.video_factor_num = preset_factor_num;
        calc.video_factor_den = preset_factor_den;
    }
    for (uint32_t format = 0; format < media_format_count; ++format) {
        // Up to the terminator, but never past the slot's 49 characters.
        const char* const stored = reinterpret_cast<const char*>(
            calc.settings_record + record_media_choice + format * media_choice_size);
        char* const slot = calc.media_choice[format];
        uint32_t length = 0;
        while (length < media_choice_size - 1 && stored[length] != '\0') {
            slot[length] = stored[length];
            ++length;
        }
        slot[length] = '\0';
    }
}

void fill_record() {
    std::memcpy(calc.settings_record + record_magic, settings_magic, sizeof settings_magic);
    put_word(record_mode_flags, calc.mode_flags);
    put_wide(record_max_size_bits, calc.max_size_bits);
    put_word(record_audio_rate, calc.audio_rate);
    put_word(record_video_rate, calc.video_rate);
    put_word(record_length_seconds, calc.length_seconds);
    std::memcpy(calc.settings_record + record_description, settings_description,
                sizeof settings_description);
    put_wide(record_length_frames, calc.length_frames);
    put_wide(record_reserve_bits, calc.reserve_bits);
    put_word(record_factor_num, calc.video_factor_num);
    put_word(record_factor_den, calc.video_factor_den);
    put_word(record_chapter_count, calc.chapter_count);
    for (uint32_t format = 0; format < media_format_count; ++format) {
        char* const field = reinterpret_cast<char*>(calc.settings_record + record_media_choice +
                                                    format * media_choice_size);
        std::memcpy(field, calc.media_choice[format], std::strlen(calc.media_choice[format]) + 1);
    }
}

// Makes settings_handle the file to write. Only a file that was read and accepted at the
// start (its handle is still open) or one that the save creates is written: a file that
// was there but not taken at the start (it could not be opened or read, or it was
// foreign) keeps its content, and so does one that another program has meanwhile filled
// with something other than a record. False when the file must not be written.
// `previous` receives the record the file holds now and *previous_count how many of its
// bytes are there, so that a failed write can put it back; for a new or empty file
// (*previous_count 0) it is a record that restores nothing.
bool find_file_to_write(uint8_t* previous, uint32_t* previous_count) {
    const bool accepted_at_start = calc.settings_handle != no_handle;
    if (!accepted_at_start) {
        bool existed = false;
        calc.settings_handle = platform_file_open_always(settings_file_name, &existed);
        if (calc.settings_handle == no_handle) {
            return false;
        }
        if (!existed) {
            std::memcpy(previous, settings_magic, sizeof settings_magic);
            return true;
        }
    }
    uint32_t count = 0;
    const bool read_ok =
        platform_file_seek_start(calc.settings_handle) &&
        platform_file_read(calc.settings_handle, previous, settings_record_size, &count);
    if (read_ok && count == 0) {
        std::memcpy(previous, settings_magic, sizeof settings_magic);
        return accepted_at_start;
    }
    *previous_count = count;
    // A failed read leaves the content unknown: it is treated like a foreign file.
    if (!read_ok || std::memcmp(previous, settings_magic, sizeof settings_magic) != 0) {
        platform_message_box("Fehler beim Speichern der Ini-Datei !", error_caption,
                             box_yes_no | box_icon_question | box_default_button2 | box_task_modal);
        return false;
    }
    return accepted_at_start;
}

// The record is one write of 300 bytes over the start of the file.
bool write_record(const uint8_t* record) {
    return platform_file_seek_start(calc.settings_handle) &&
           platform_file_write(calc.settings_handle, record, settings_record_size);
}

// After a write that stopped partway (a full disk) the file holds a mix of two records:
// the record that was there goes back over it, zero past the end of what was there. A
// file that still holds exactly its previous bytes (the write put nothing into it) stays
// as it was, so a short or empty file keeps its length.
void put_back(const uint8_t* previous, uint32_t previous_count) {
    uint8_t now[settings_record_size] = {};
    uint32_t count = 0;
    if (platform_file_seek_start(calc.settings_handle) &&
        platform_file_read(calc.settings_handle, now, sizeof now, &count) &&
        count == previous_count && std::memcmp(now, previous, count) == 0) {
        return;
    }
    write_record(previous);
}

} // namespace

void load_settings() {
    calc.settings_handle = platform_file_open_existing(settings_file_name);
    if (calc.settings_handle == no_handle) {
        return; // no file yet: nothing to restore
    }
    uint32_t count = 0;
    if (!platform_file_read(calc.settings_handle, calc.settings_record, settings_record_size,
                            &count)) {
        show_error("Fehler beim Laden der Ini-Datei (2)!");
        close_settings_file();
        return;
    }
    if (count > 0 &&
        std::memcmp(calc.settings_record, settings_magic, sizeof settings_magic) != 0) {
        show_error("Fehler beim Laden der Ini-Datei (1)!");
        close_settings_file();
        return;
    }
    calc.edit_state |= settings_loaded;
    const uint32_t stored_flags = get_word(record_mode_flags);
    if ((stored_flags & remember_values) != 0) {
        restore_values();
    }
    if ((stored_flags & remember_settings) != 0) {
        // Bits that carry nothing stay 0, so the live word always equals a stored one.
        calc.mode_flags = stored_flags & mode_flags_used;
    }
}

void save_settings() {
    if ((calc.mode_flags & (remember_settings | remember_values)) == 0) {
        close_settings_file();
        platform_destroy_frame_window();
        return;
    }
    // The file's record as it is before the save, zero past its end.
    uint8_t previous[settings_record_size] = {};
    uint32_t previous_count = 0;
    if (!find_file_to_write(previous, &previous_count)) {
        calc.edit_state |= settings_write_error;
    }
    if ((calc.edit_state & settings_write_error) != 0) {
        show_error("Fehler beim Speichern der Ini-Datei (2) !");
        close_settings_file();
        platform_destroy_frame_window();
        return;
    }
    fill_record();
    if (!write_record(calc.settings_record)) {
        show_error("Fehler beim Speichern der Ini-Datei (1) !");
        put_back(previous, previous_count);
    }
    close_settings_file();
    platform_destroy_frame_window();
}
