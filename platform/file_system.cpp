#include "platform/file_system.h"

namespace {

const FileSystem* in_use = &native_file_system;

} // namespace

const FileSystem* file_system_in_use() {
    return in_use;
}

const FileSystem* file_system_use(const FileSystem* system) {
    const FileSystem* const before = in_use;
    in_use = system;
    return before;
}

PlatformHandle platform_file_open_existing(const char* name) {
    return in_use->open_existing(name);
}

PlatformHandle platform_file_open_always(const char* name, bool* existed) {
    return in_use->open_always(name, existed);
}

bool platform_file_read(PlatformHandle file, void* buffer, uint32_t size, uint32_t* count) {
    return in_use->read(file, buffer, size, count);
}

bool platform_file_seek_start(PlatformHandle file) {
    return in_use->seek_start(file);
}

bool platform_file_write(PlatformHandle file, const void* buffer, uint32_t size) {
    return in_use->write(file, buffer, size);
}

void platform_file_close(PlatformHandle file) {
    in_use->close(file);
}
