#include "platform/fault/fault_file_system.h"

#include "platform/file_system.h"

namespace {

constexpr uint32_t max_open_files = 8;

const FileSystem* beneath = nullptr;

bool fail_open = false;
bool fail_read = false;
bool fail_write = false;
uint32_t bytes_before_write_failure = 0; // what the failing write still writes

uint32_t operations_to_failure = 0; // 0: no counted failure pending
uint32_t bytes_before_counted_failure = 0;

uint32_t operation_count = 0;

// Files open beneath, for fault_close_files.
PlatformHandle open_files[max_open_files] = {};

// Consumes a pending failure.
bool take(bool& pending) {
    const bool was = pending;
    pending = false;
    return was;
}

// Counts an operation; true when it is the one that fails by its number.
bool counted_failure() {
    ++operation_count;
    if (operations_to_failure == 0) {
        return false;
    }
    --operations_to_failure;
    return operations_to_failure == 0;
}

PlatformHandle keep(PlatformHandle file) {
    if (file == no_handle) {
        return no_handle;
    }
    for (PlatformHandle& slot : open_files) {
        if (slot == no_handle) {
            slot = file;
            return file;
        }
    }
    beneath->close(file); // more files than a run of the program ever holds
    return no_handle;
}

void forget(PlatformHandle file) {
    for (PlatformHandle& slot : open_files) {
        if (slot == file) {
            slot = no_handle;
            return;
        }
    }
}

PlatformHandle open_existing(const char* name) {
    const bool failing = counted_failure();
    if (take(fail_open) || failing) {
        return no_handle;
    }
    return keep(beneath->open_existing(name));
}

PlatformHandle open_always(const char* name, bool* existed) {
    *existed = false;
    const bool failing = counted_failure();
    if (take(fail_open) || failing) {
        return no_handle;
    }
    const PlatformHandle file = keep(beneath->open_always(name, existed));
    if (file == no_handle) {
        *existed = false;
    }
    return file;
}

bool read_file(PlatformHandle file, void* buffer, uint32_t size, uint32_t* count) {
    *count = 0;
    const bool failing = counted_failure();
    if (take(fail_read) || failing) {
        return false;
    }
    return beneath->read(file, buffer, size, count);
}

bool seek_start(PlatformHandle file) {
    if (counted_failure()) {
        return false;
    }
    return beneath->seek_start(file);
}

bool write_file(PlatformHandle file, const void* buffer, uint32_t size) {
    const bool failing_by_number = counted_failure();
    const bool failing_by_kind = take(fail_write);
    if (!failing_by_number && !failing_by_kind) {
        return beneath->write(file, buffer, size);
    }
    uint32_t limit = size;
    if (failing_by_number && bytes_before_counted_failure < limit) {
        limit = bytes_before_counted_failure;
    }
    if (failing_by_kind && bytes_before_write_failure < limit) {
        limit = bytes_before_write_failure;
    }
    if (limit > 0) {
        beneath->write(file, buffer, limit);
    }
    return false;
}

void close_file(PlatformHandle file) {
    if (counted_failure()) {
        return;
    }
    forget(file);
    beneath->close(file);
}

const FileSystem fault_file_system = {open_existing, open_always, read_file,
                                      seek_start,    write_file,  close_file};

} // namespace

void fault_file_system_wrap() {
    if (file_system_in_use() != &fault_file_system) {
        beneath = file_system_use(&fault_file_system);
    }
}

void fault_fail_next_open() {
    fail_open = true;
}

void fault_fail_next_read() {
    fail_read = true;
}

void fault_fail_next_write() {
    fault_fail_next_write_after(0);
}

void fault_fail_next_write_after(uint32_t count) {
    fail_write = true;
    bytes_before_write_failure = count;
}

void fault_fail_operation(uint32_t n) {
    fault_fail_operation_after(n, 0);
}

void fault_fail_operation_after(uint32_t n, uint32_t count) {
    operations_to_failure = n;
    bytes_before_counted_failure = count;
}

void fault_clear() {
    fail_open = false;
    fail_read = false;
    fail_write = false;
    operations_to_failure = 0;
}

uint32_t fault_operation_count() {
    return operation_count;
}

void fault_close_files() {
    for (PlatformHandle& file : open_files) {
        if (file != no_handle) {
            beneath->close(file);
            file = no_handle;
        }
    }
}
