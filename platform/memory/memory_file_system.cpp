#include "platform/memory/memory_file_system.h"

#include <cstring>

namespace {

constexpr uint32_t max_files = 4;
constexpr uint32_t max_name = 64;
constexpr uint32_t max_open_files = 8;
constexpr uint32_t no_file = max_files;

struct MemoryFile {
    bool exists;
    bool read_only;
    char name[max_name];
    uint32_t size;
    uint8_t bytes[memory_file_capacity];
};

struct OpenFile {
    uint32_t file; // index in `files`, no_file when the slot is free
    uint32_t position;
};

MemoryFile files[max_files];
OpenFile open_files[max_open_files] = {{no_file, 0}, {no_file, 0}, {no_file, 0}, {no_file, 0},
                                       {no_file, 0}, {no_file, 0}, {no_file, 0}, {no_file, 0}};

uint32_t find(const char* name) {
    for (uint32_t i = 0; i < max_files; ++i) {
        if (files[i].exists && std::strcmp(files[i].name, name) == 0) {
            return i;
        }
    }
    return no_file;
}

uint32_t make(const char* name) {
    if (std::strlen(name) >= max_name) {
        return no_file;
    }
    for (uint32_t i = 0; i < max_files; ++i) {
        if (!files[i].exists) {
            files[i].exists = true;
            files[i].read_only = false;
            std::strcpy(files[i].name, name);
            files[i].size = 0;
            return i;
        }
    }
    return no_file;
}

// The open file of a handle (its slot number plus 1), or null.
OpenFile* opened(PlatformHandle handle) {
    if (handle == no_handle || handle > max_open_files || open_files[handle - 1].file == no_file) {
        return nullptr;
    }
    return &open_files[handle - 1];
}

PlatformHandle open_file(uint32_t file) {
    for (uint32_t slot = 0; slot < max_open_files; ++slot) {
        if (open_files[slot].file == no_file) {
            open_files[slot] = OpenFile{file, 0};
            return slot + 1;
        }
    }
    return no_handle;
}

PlatformHandle open_existing(const char* name) {
    const uint32_t file = find(name);
    if (file == no_file || files[file].read_only) {
        return no_handle;
    }
    return open_file(file);
}

PlatformHandle open_always(const char* name, bool* existed) {
    uint32_t file = find(name);
    *existed = file != no_file;
    if (file == no_file) {
        file = make(name);
    }
    if (file == no_file || files[file].read_only) {
        *existed = false;
        return no_handle;
    }
    return open_file(file);
}

bool read_file(PlatformHandle handle, void* buffer, uint32_t size, uint32_t* count) {
    *count = 0;
    OpenFile* const open = opened(handle);
    if (open == nullptr) {
        return false;
    }
    const MemoryFile& file = files[open->file];
    const uint32_t available = open->position < file.size ? file.size - open->position : 0;
    *count = size < available ? size : available;
    std::memcpy(buffer, file.bytes + open->position, *count);
    open->position += *count;
    return true;
}

bool seek_start(PlatformHandle handle) {
    OpenFile* const open = opened(handle);
    if (open == nullptr) {
        return false;
    }
    open->position = 0;
    return true;
}

bool write_file(PlatformHandle handle, const void* buffer, uint32_t size) {
    OpenFile* const open = opened(handle);
    if (open == nullptr) {
        return false;
    }
    MemoryFile& file = files[open->file];
    const uint32_t room = memory_file_capacity - open->position;
    const uint32_t written = size < room ? size : room;
    if (open->position > file.size) { // past the end: the gap reads as zero bytes
        std::memset(file.bytes + file.size, 0, open->position - file.size);
    }
    std::memcpy(file.bytes + open->position, buffer, written);
    open->position += written;
    if (open->position > file.size) {
        file.size = open->position;
    }
    return written == size;
}

void close_file(PlatformHandle handle) {
    OpenFile* const open = opened(handle);
    if (open != nullptr) {
        open->file = no_file;
    }
}

} // namespace

const FileSystem memory_file_system = {open_existing, open_always, read_file,
                                       seek_start,    write_file,  close_file};

bool memory_file_put(const char* name, const void* bytes, uint32_t size, bool read_only) {
    uint32_t file = find(name);
    if (file == no_file) {
        file = make(name);
    }
    if (file == no_file || size > memory_file_capacity) {
        return false;
    }
    std::memcpy(files[file].bytes, bytes, size);
    files[file].size = size;
    files[file].read_only = read_only;
    return true;
}

void memory_file_remove(const char* name) {
    const uint32_t file = find(name);
    if (file == no_file) {
        return;
    }
    files[file].exists = false;
    // A file removed while open stays readable through its handles on POSIX; here the
    // handles simply end.
    for (OpenFile& open : open_files) {
        if (open.file == file) {
            open.file = no_file;
        }
    }
}

bool memory_file_get(const char* name, const uint8_t** bytes, uint32_t* size) {
    const uint32_t file = find(name);
    if (file == no_file) {
        return false;
    }
    *bytes = files[file].bytes;
    *size = files[file].size;
    return true;
}
