// A file system kept in memory: a few files of up to memory_file_capacity bytes, with
// the meaning of the real ones (platform/file_system.h). It touches no disk and no heap,
// so a fuzz target can run the calculator's start and close many thousand times a
// second; put it in use with file_system_use(&memory_file_system) before the first start.
// A write past the capacity stops there and fails, as on a full disk.
#ifndef VIDOMAT_PLATFORM_MEMORY_MEMORY_FILE_SYSTEM_H
#define VIDOMAT_PLATFORM_MEMORY_MEMORY_FILE_SYSTEM_H

#include "platform/file_system.h"

#include <cstdint>

constexpr uint32_t memory_file_capacity = 4096;

extern const FileSystem memory_file_system;

// Puts a file with these bytes, in place of any file of that name; false when it does
// not fit. A read-only file cannot be opened, as a file without write permission.
bool memory_file_put(const char* name, const void* bytes, uint32_t size, bool read_only = false);
void memory_file_remove(const char* name);
// The file's bytes and size, valid until the next change; false when there is no such file.
bool memory_file_get(const char* name, const uint8_t** bytes, uint32_t* size);

#endif
