// The one interface through which the calculator touches the settings file, and the file
// system beneath it. The calculator calls the platform_file_* operations; each goes
// through the file system in use, a table of the same six operations, as an operating
// system layer lies beneath a database.
//
// The real file system is chosen at link time: platform/posix (POSIX files, in a folder
// that can be set) and platform/win32 (kernel32). A layer that injects failures
// (platform/fault) or a file system of its own (the fuzz targets keep the file in memory)
// can be put in use on top of it or in its place.
#ifndef VIDOMAT_PLATFORM_FILE_SYSTEM_H
#define VIDOMAT_PLATFORM_FILE_SYSTEM_H

#include "platform/platform.h"

#include <cstdint>

// --- The settings file ----------------------------------------------------------------
// Opens an existing file for reading and writing (sharing both); no_handle on failure.
PlatformHandle platform_file_open_existing(const char* name);
// Opens or creates the file; *existed tells whether it was there already.
PlatformHandle platform_file_open_always(const char* name, bool* existed);
// Reads up to size bytes; *count receives the number read. False when the read failed.
bool platform_file_read(PlatformHandle file, void* buffer, uint32_t size, uint32_t* count);
bool platform_file_seek_start(PlatformHandle file);
// Writes size bytes; false when not all of them could be written.
bool platform_file_write(PlatformHandle file, const void* buffer, uint32_t size);
void platform_file_close(PlatformHandle file);

// --- File systems ---------------------------------------------------------------------
// The six operations of one file system, with the meaning of the platform_file_*
// operations above. A handle is only ever passed back to the file system that made it.
struct FileSystem {
    PlatformHandle (*open_existing)(const char* name);
    PlatformHandle (*open_always)(const char* name, bool* existed);
    bool (*read)(PlatformHandle file, void* buffer, uint32_t size, uint32_t* count);
    bool (*seek_start)(PlatformHandle file);
    bool (*write)(PlatformHandle file, const void* buffer, uint32_t size);
    void (*close)(PlatformHandle file);
};

// The real file system of the system the program is built for, chosen at link time.
extern const FileSystem native_file_system;

// The file system the platform_file_* operations go through: native_file_system until
// another one is put in use.
const FileSystem* file_system_in_use();
// Puts `system` in use; returns the one that was in use before. Files opened through
// the one before must be closed through it.
const FileSystem* file_system_use(const FileSystem* system);

#endif
