// The settings file on the in-memory platform: real files in the current working
// directory, with failures that a test or script can inject.
#ifndef VIDOMAT_PLATFORM_MEMORY_MEMORY_FILE_H
#define VIDOMAT_PLATFORM_MEMORY_MEMORY_FILE_H

#include <cstdint>

// The next open (existing or always), read or write fails once, whenever it comes; a
// pending failure survives memory_reset. A failed read reads nothing and reports 0
// bytes; a failed write writes nothing.
void memory_fail_next_open();
void memory_fail_next_read();
void memory_fail_next_write();
// The next write stops after its first `count` bytes and fails, as on a full disk.
void memory_fail_next_write_after(uint32_t count);

// Closes every file the platform opened and the program left open, as the end of a
// process does.
void memory_close_files();

#endif
