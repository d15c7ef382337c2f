// What the fuzz targets that run the whole calculator share: a working folder of their
// own for the settings file, and the invariants of the calculator state.
#ifndef VIDOMAT_FUZZ_FUZZ_SESSION_H
#define VIDOMAT_FUZZ_FUZZ_SESSION_H

#include "engine/calculator_state.h"
#include "fuzz/read_back_check.h"
#include "settings/settings_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

// The process works in a folder of its own under /tmp (made at the first input, removed
// at exit) while an input runs, and in the folder it was started in otherwise, so the
// fuzzer's corpus and crash files land where it was told.
class WorkFolder {
  public:
    WorkFolder() {
        char name[] = "/tmp/vidomat-fuzz-XXXXXX";
        require(mkdtemp(name) != nullptr);
        path() = name;
        std::atexit([] {
            std::remove((path() + "/" + settings_file_name).c_str());
            rmdir(path().c_str());
        });
    }
    void enter() {
        home_ = open(".", O_RDONLY | O_DIRECTORY);
        require(home_ >= 0 && chdir(path().c_str()) == 0);
    }
    void leave() {
        require(fchdir(home_) == 0);
        close(home_);
    }

  private:
    static std::string& path() {
        static std::string folder;
        return folder;
    }
    int home_ = -1;
};

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
