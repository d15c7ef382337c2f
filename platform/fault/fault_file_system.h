// A file system that passes every operation to the one beneath it and fails the ones a
// test or script asks to fail, as a damaged disk, a full disk or another program would.
// It counts the operations that pass through it, so that a test can fail each of them
// in turn.
//
// A failed open opens nothing (*existed false); a failed read reads nothing and reports 0
// bytes; a failed seek leaves the position; a failed write writes nothing, or its first
// bytes when it was asked to stop partway; a failed close leaves the file open beneath
// until fault_close_files. Pending failures stay until their operation comes, across any
// number of program starts.
#ifndef VIDOMAT_PLATFORM_FAULT_FAULT_FILE_SYSTEM_H
#define VIDOMAT_PLATFORM_FAULT_FAULT_FILE_SYSTEM_H

#include <cstdint>

// Puts the layer in use on top of the file system in use; nothing when it is in use
// already.
void fault_file_system_wrap();

// The next open (existing or always), read or write fails once, whenever it comes.
void fault_fail_next_open();
void fault_fail_next_read();
void fault_fail_next_write();
// The next write stops after its first `count` bytes and fails, as on a full disk.
void fault_fail_next_write_after(uint32_t count);

// The operation `n` operations from now fails (1 is the next one), whatever it is; a
// write writes its first `count` bytes before it fails. n 0 drops such a failure.
void fault_fail_operation(uint32_t n);
void fault_fail_operation_after(uint32_t n, uint32_t count);

// Drops every pending failure.
void fault_clear();

// The operations that passed through the layer so far, failed ones included.
uint32_t fault_operation_count();

// Closes every file opened through the layer and not closed beneath, as the end of a
// process does.
void fault_close_files();

#endif
