// The settings file on kernel32: native_file_system (platform/file_system.h) of the
// Windows program. A name lies in the working directory.
#include "platform/file_system.h"

#include <windows.h>

namespace {

HANDLE native(PlatformHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

PlatformHandle file_handle(HANDLE file) {
    return file == INVALID_HANDLE_VALUE ? no_handle : reinterpret_cast<PlatformHandle>(file);
}

HANDLE open_settings(const char* name, DWORD disposition) {
    return CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

PlatformHandle open_existing(const char* name) {
    return file_handle(open_settings(name, OPEN_EXISTING));
}

PlatformHandle open_always(const char* name, bool* existed) {
    const HANDLE file = open_settings(name, OPEN_ALWAYS);
    *existed = GetLastError() == ERROR_ALREADY_EXISTS;
    return file_handle(file);
}

bool read_file(PlatformHandle file, void* buffer, uint32_t size, uint32_t* count) {
    DWORD read = 0;
    const BOOL ok = ReadFile(native(file), buffer, size, &read, nullptr);
    *count = read;
    return ok != FALSE;
}

bool seek_start(PlatformHandle file) {
    return SetFilePointer(native(file), 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
}

bool write_file(PlatformHandle file, const void* buffer, uint32_t size) {
    DWORD written = 0;
    return WriteFile(native(file), buffer, size, &written, nullptr) != FALSE && written == size;
}

void close_file(PlatformHandle file) {
    CloseHandle(native(file));
}

} // namespace

const FileSystem native_file_system = {open_existing, open_always, read_file,
                                       seek_start,    write_file,  close_file};
