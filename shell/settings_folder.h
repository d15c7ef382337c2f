// Where the Linux program keeps "Vidomat.ini": $XDG_CONFIG_HOME/vidomat, or
// ~/.config/vidomat when XDG_CONFIG_HOME is unset or empty.
#ifndef VIDOMAT_SHELL_SETTINGS_FOLDER_H
#define VIDOMAT_SHELL_SETTINGS_FOLDER_H

#include <string>

// The folder, or "" when neither XDG_CONFIG_HOME nor HOME names one.
std::string settings_folder();

// Makes the settings file's name resolve in that folder. False when there is none.
bool use_settings_folder();

#endif
