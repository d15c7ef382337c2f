// Where the Linux program keeps "Vidomat.ini": $XDG_CONFIG_HOME/vidomat, or
// ~/.config/vidomat when XDG_CONFIG_HOME is unset, empty or not an absolute path (as the
// XDG base directory rules say to ignore a relative one).
#ifndef VIDOMAT_SHELL_SETTINGS_FOLDER_H
#define VIDOMAT_SHELL_SETTINGS_FOLDER_H

#include <string>

// The folder, or "" when neither XDG_CONFIG_HOME nor HOME names one.
std::string settings_folder();

#endif
