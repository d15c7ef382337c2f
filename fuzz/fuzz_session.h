// What the fuzz targets that run the whole calculator share: the settings file in memory,
// and the invariants of the calculator state.
#ifndef VIDOMAT_FUZZ_FUZZ_SESSION_H
#define VIDOMAT_FUZZ_FUZZ_SESSION_H

#include "engine/calculator_state.h"
#include "fuzz/read_back_check.h"
#include "platform/file_system.h"
#include "platform/memory/memory_file_system.h"

#include <cstdint>
#include <cstring>

// The settings file lives in memory while the fuzzer runs: no disk, no heap, and nothing
// left behind. Called at the start of every input; the file system goes in use before
// the first start puts the failure layer on top of it.
inline void use_memory_files() {
    static const bool in_use = file_system_use(&memory_file_system) != nullptr;
    (void)in_use;
}

// Holds whatever the program did: the video factor is a proper fraction of at least
// 1/1, no bit of mode_flags outside the choices is set, every medium text ends in its
// slot.
inline void require_state_invariants() {
    require(calc.video_factor_num >= 1 && calc.video_factor_num <= calc.video_factor_den);
    require((calc.mode_flags & ~mode_flags_used) == 0);
    for (const char* slot : calc.media_choice) {
        require(std::memchr(slot, '\0', media_choice_size) != nullptr);
    }
}

#endif
