#include "platform/posix/posix_file_system.h"

#include "platform/file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uint32_t max_open_files = 8;
constexpr int no_descriptor = -1;

// Descriptors opened here; a handle is its slot number plus 1.
int open_files[max_open_files] = {no_descriptor, no_descriptor, no_descriptor, no_descriptor,
                                  no_descriptor, no_descriptor, no_descriptor, no_descriptor};

std::string settings_folder; // empty: the working directory

std::string path_of(const char* name) {
    if (settings_folder.empty() || name[0] == '/') {
        return name;
    }
    return settings_folder + "/" + name;
}

// Makes every missing folder on the way to the settings folder; false when one is
// missing and cannot be made, or is not a folder.
bool make_settings_folder() {
    if (settings_folder.empty()) {
        return true;
    }
    for (size_t end = 1; end <= settings_folder.size(); ++end) {
        if (end < settings_folder.size() && settings_folder[end] != '/') {
            continue;
        }
        const std::string folder = settings_folder.substr(0, end);
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat status;
    return stat(settings_folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
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
    const std::string path = path_of(name);
    struct stat status;
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        (status.st_mode & S_IWUSR) == 0) {
        return no_handle;
    }
    const int fd = open(path.c_str(), O_RDWR);
    return fd == no_descriptor ? no_handle : keep(fd);
}

PlatformHandle open_always(const char* name, bool* existed) {
    *existed = false;
    if (name[0] != '/' && !make_settings_folder()) {
        return no_handle;
    }
    const int fd = open(path_of(name).c_str(), O_RDWR | O_CREAT | O_EXCL, 0666);
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

bool read_file(PlatformHandle file, void* buffer, uint32_t size, uint32_t* count) {
    *count = 0;
    const int fd = descriptor(file);
    if (fd == no_descriptor) {
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

bool seek_start(PlatformHandle file) {
    const int fd = descriptor(file);
    return fd != no_descriptor && lseek(fd, 0, SEEK_SET) == 0;
}

bool write_file(PlatformHandle file, const void* buffer, uint32_t size) {
    const int fd = descriptor(file);
    if (fd == no_descriptor) {
        return false;
    }
    const uint8_t* const bytes = static_cast<const uint8_t*>(buffer);
    uint32_t written = 0;
    while (written < size) {
        const ssize_t put = write(fd, bytes + written, size - written);
        if (put <= 0) {
            return false;
        }
        written += static_cast<uint32_t>(put);
    }
    return true;
}

void close_file(PlatformHandle file) {
    const int fd = descriptor(file);
    if (fd != no_descriptor) {
        close(fd);
        open_files[file - 1] = no_descriptor;
    }
}

} // namespace

const FileSystem native_file_system = {open_existing, open_always, read_file,
                                       seek_start,    write_file,  close_file};

void posix_file_system_set_folder(const char* folder) {
    settings_folder = folder != nullptr ? folder : "";
    while (settings_folder.size() > 1 && settings_folder.back() == '/') {
        settings_folder.pop_back();
    }
}
