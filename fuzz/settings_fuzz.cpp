// Fuzz target: any settings file of up to 1000 bytes, then a whole run of the calculator
// on the in-memory dialog: the start-up that loads the file (message boxes are answered
// at once) and the close that saves it. No run may break the state's invariants, and a
// file that was not accepted at the start stays as it was, byte for byte.
#include "dialog/dialog_procedure.h"
#include "engine/calculator_state.h"
#include "fuzz/fuzz_session.h"
#include "platform/memory/memory_dialog.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr size_t max_file_size = 1000;
const char magic[4] = {0x55, 0x44, 0x33, 0x22};

uint32_t word_at(const std::string& bytes, uint32_t offset) {
    uint32_t word = 0;
    for (uint32_t i = 0; i < 4; ++i) {
        word |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
    }
    return word;
}

std::string file_content() {
    const uint8_t* bytes = nullptr;
    uint32_t size = 0;
    require(memory_file_get(settings_file_name, &bytes, &size));
    return std::string(reinterpret_cast<const char*>(bytes), size);
}

void run(const std::string& before) {
    require(
        memory_file_put(settings_file_name, before.data(), static_cast<uint32_t>(before.size())));
    memory_forget_messages();
    require(start_calculator() && memory_dialog_shown());
    require_state_invariants();
    const uint32_t messages_at_start = memory_message_count();

    memory_key_escape();
    require(!memory_running() && memory_exit_code() == 0);
    require_state_invariants();

    // An empty file is accepted; any other must begin with the magic.
    const bool accepted =
        before.empty() || (before.size() >= 4 && std::memcmp(before.data(), magic, 4) == 0);
    const std::string after = file_content();
    if (!accepted) {
        require(messages_at_start == 1 &&
                memory_message(0).text == "Fehler beim Laden der Ini-Datei (1)!");
        require(after == before);
        return;
    }
    require(messages_at_start == 0);
    if ((calc.mode_flags & (remember_settings | remember_values)) == 0) {
        require(after == before);
        return;
    }
    // A whole record of the state as it was at the close; what lay past it stays.
    require(after.size() == std::max<size_t>(before.size(), settings_record_size));
    require(std::memcmp(after.data(), magic, 4) == 0);
    require(word_at(after, record_mode_flags) == calc.mode_flags);
    require(word_at(after, record_factor_num) == calc.video_factor_num);
    require(word_at(after, record_factor_den) == calc.video_factor_den);
    for (uint32_t format = 0; format < media_format_count; ++format) {
        require(std::strcmp(after.c_str() + record_media_choice + format * media_choice_size,
                            calc.media_choice[format]) == 0);
    }
    require(after.compare(settings_record_size, std::string::npos, before,
                          std::min(before.size(), size_t{settings_record_size})) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > max_file_size) {
        return 0;
    }
    use_memory_files();
    run(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
