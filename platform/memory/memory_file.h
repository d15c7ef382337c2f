// The settings file on the in-memory platform: the file system in use (real files
// through platform/posix, unless a test or fuzz target puts another one in use) under
// the layer that injects failures (platform/fault/fault_file_system.h), so a test or
// script can make any file operation fail.
#ifndef VIDOMAT_PLATFORM_MEMORY_MEMORY_FILE_H
#define VIDOMAT_PLATFORM_MEMORY_MEMORY_FILE_H

// Puts the failure layer in use when it is not yet, and closes every file the platform
// opened and the program left open, as the end of a process does. Pending failures stay.
void memory_close_files();

#endif
