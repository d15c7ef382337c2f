#include "platform/memory/memory_file.h"

#include "platform/platform.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uint32_t max_open_files = 8;
constexpr int no_descriptor = -1;

// Descriptors opened through the platform; a handle is its slot number plus 1.
int open_files[max_open_files] = {no_descriptor, no_descriptor, no_descriptor, no_descriptor,
                                  no_descriptor, no_descriptor, no_descriptor, no_descriptor};

bool fail_open = false;
bool fail_read = false;
bool fail_write = false;
uint32_t bytes_before_failure = 0; // what the failing write still writes

// Consumes a pending failure.
bool take(bool& pending) {
    const bool was = pending;
    pending = false;
    return was;
}

int descriptor(PlatformHandle file) {
    if (file == no_handle || file > max_open_files) {
        return no_descriptor;
    }
    return open_files[file - 1];
}

PlatformHandle keep(int fd) {
    for (uint32_t slot = 0; slot < max_open_files; ++slot) {
        if (open_files[slot] == no_descriptor) {
            open_files[slot] = fd;
            return slot + 1;
        }
    }
    close(fd);
    return no_handle;
}

// An existing file opens for reading and writing only when it is a plain file without
// the read-only mark (no write permission for its owner); this holds for every user,
// the superuser included, as the read-only attribute does.
PlatformHandle open_existing(const char* name) {
    struct stat status;
    if (stat(name, &status) != 0 || !S_ISREG(status.st_mode) || (status.st_mode & S_IWUSR) == 0) {
        return no_handle;
    }
    const int fd = open(name, O_RDWR);
    return fd == no_descriptor ? no_handle : keep(fd);
}

} // namespace

void memory_fail_next_open() {
    fail_open = true;
}

void memory_fail_next_read() {
    fail_read = true;
}

void memory_fail_next_write() {
    memory_fail_next_write_after(0);
}

void memory_fail_next_write_after(uint32_t count) {
    fail_write = true;
    bytes_before_failure = count;
}

void memory_close_files() {
    for (int& fd : open_files) {
        if (fd != no_descriptor) {
            close(fd);
            fd = no_descriptor;
        }
    }
}

PlatformHandle platform_file_open_existing(const char* name) {
    if (take(fail_open)) {
        return no_handle;
    }
    return open_existing(name);
}

PlatformHandle platform_file_open_always(const char* name, bool* existed) {
    *existed = false;
    if (take(fail_open)) {
        return no_handle;
    }
    const int fd = open(name, O_RDWR | O_CREAT | O_EXCL, 0666);
    if (fd != no_descriptor) {
        return keep(fd);
    }
    if (errno != EEXIST) {
        return no_handle;
    }
    const PlatformHandle file = open_existing(name);
    *existed = file != no_handle;
    return file;
}

bool platform_file_read(PlatformHandle file, void* buffer, uint32_t size, uint32_t* count) {
    *count = 0;
    const int fd = descriptor(file);
    if (take(fail_read) || fd == no_descriptor) {
        return false;
    }
    uint8_t* const bytes = static_cast<uint8_t*>(buffer);
    while (*count < size) {
        const ssize_t got = read(fd, bytes + *count, size - *count);
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break; // end of file
        }
        *count += static_cast<uint32_t>(got);
    }
    return true;
}

bool platform_file_seek_start(PlatformHandle file) {
    const int fd = descriptor(file);
    return fd != no_descriptor && lseek(fd, 0, SEEK_SET) == 0;
}

bool platform_file_write(PlatformHandle file, const void* buffer, uint32_t size) {
    const int fd = descriptor(file);
    const bool failing = take(fail_write);
    if (fd == no_descriptor) {
        return false;
    }
    const uint32_t limit = failing && bytes_before_failure < size ? bytes_before_failure : size;
    const uint8_t* const bytes = static_cast<const uint8_t*>(buffer);
    uint32_t written = 0;
    while (written < limit) {
        const ssize_t put = write(fd, bytes + written, limit - written);
        if (put <= 0) {
            return false;
        }
        written += static_cast<uint32_t>(put);
    }
    return !failing;
}

void platform_file_close(PlatformHandle file) {
    const int fd = descriptor(file);
    if (fd != no_descriptor) {
        close(fd);
        open_files[file - 1] = no_descriptor;
    }
}
