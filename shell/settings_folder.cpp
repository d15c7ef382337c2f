#include "shell/settings_folder.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Creates the folder and the ones above it that are missing.
bool make_folders(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}

} // namespace

std::string settings_folder() {
    const char* const config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        return std::string(config) + "/vidomat";
    }
    const char* const home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.config/vidomat";
    }
    return "";
}

bool use_settings_folder() {
    const std::string folder = settings_folder();
    return !folder.empty() && make_folders(folder) && chdir(folder.c_str()) == 0;
}
