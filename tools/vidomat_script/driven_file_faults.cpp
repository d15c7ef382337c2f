// What every driver does for a script's "fail" lines: the settings file goes through the
// failure layer over the file system in use, which fails the next such operation.
#include "tools/vidomat_script/driven_dialog.h"

#include "platform/fault/fault_file_system.h"

void driven_fail_next_open() {
    fault_file_system_wrap();
    fault_fail_next_open();
}

void driven_fail_next_read() {
    fault_file_system_wrap();
    fault_fail_next_read();
}

void driven_fail_next_write() {
    fault_file_system_wrap();
    fault_fail_next_write();
}
