#include "shell/settings_folder.h"

#include <cstdlib>

std::string settings_folder() {
    const char* const config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        return std::string(config) + "/vidomat";
    }
    const char* const home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/.config/vidomat";
    }
    return "";
}
