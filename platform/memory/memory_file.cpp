#include "platform/memory/memory_file.h"

#include "platform/fault/fault_file_system.h"

void memory_close_files() {
    fault_file_system_wrap();
    fault_close_files();
}
