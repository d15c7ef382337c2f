// The settings file on POSIX files: native_file_system (platform/file_system.h) on Linux,
// used by the in-memory platform, the tests and the drivers there.
//
// A name without a leading "/" lies in the settings folder: the working directory until
// another folder is set. Creating the file (open_always) first creates the folders of
// that path that are missing, for the owner only; when one cannot be made, the open fails.
#ifndef VIDOMAT_PLATFORM_POSIX_POSIX_FILE_SYSTEM_H
#define VIDOMAT_PLATFORM_POSIX_POSIX_FILE_SYSTEM_H

// Sets the settings folder; a null or empty folder is the working directory again. The
// folder need not exist yet.
void posix_file_system_set_folder(const char* folder);

#endif
