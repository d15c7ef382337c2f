#include "tools/vidomat_calc/calculator_start.h"

#include "engine/calculator_state.h"
#include "platform/shared/text_encoding.h"
#include "tools/vidomat_script/driven_dialog.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char settings_file_name[] = "Vidomat.ini";

CalcError bad_settings(const std::string& path, const std::string& problem) {
    return CalcError{status_bad_settings, "--settings: „" + path + "“ " + problem};
}

// The first bytes of the file, as many as the start reads. False when it cannot be read.
bool read_record(const std::string& path, std::string& record) {
    struct stat status;
    // Without waiting: a pipe or a device given by mistake is refused below, not waited on.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    bool good = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    char buffer[settings_record_size];
    size_t count = 0;
    while (good && count < sizeof buffer) {
        const ssize_t got = read(fd, buffer + count, sizeof buffer - count);
        good = got >= 0;
        if (got <= 0) {
            break;
        }
        count += static_cast<size_t>(got);
    }
    close(fd);
    record.assign(buffer, count);
    return good;
}

bool write_file(const std::string& path, const std::string& bytes) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) {
        return false;
    }
    const bool written =
        write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    return close(fd) == 0 && written;
}

// Starts the calculator in a folder of its own that holds the record as "Vidomat.ini",
// and removes the folder again; the start has read the file by then.
bool start_in_folder_with(const std::string& record) {
    const char* const temporary = std::getenv("TMPDIR");
    std::string folder =
        std::string(temporary != nullptr && *temporary != '\0' ? temporary : "/tmp") +
        "/vidomat-calc-XXXXXX";
    if (mkdtemp(&folder[0]) == nullptr) {
        return false;
    }
    const std::string file = folder + "/" + settings_file_name;
    const int here = open(".", O_RDONLY | O_DIRECTORY);
    bool started = false;
    if (here >= 0 && write_file(file, record) && chdir(folder.c_str()) == 0) {
        driven_start();
        started = fchdir(here) == 0;
    }
    if (here >= 0) {
        close(here);
    }
    std::remove(file.c_str());
    rmdir(folder.c_str());
    return started;
}

} // namespace

CalcError start_with_settings(const std::optional<std::string>& settings_path) {
    if (!settings_path) {
        // The start looks for the file and finds none: whatever the working folder holds
        // stays unread.
        driven_fail_next_open();
        driven_start();
        return no_error();
    }
    const std::string& path = *settings_path;
    std::string record;
    if (!read_record(path, record)) {
        return bad_settings(path, "kann nicht gelesen werden");
    }
    if (record.empty()) {
        return bad_settings(path, "ist leer und enthält keine Einstellungen");
    }
    if (!start_in_folder_with(record)) {
        return bad_settings(path, "kann nicht gelesen werden (kein temporärer Ordner)");
    }
    if (driven_message_count() > 0) {
        return bad_settings(path, "enthält keine Einstellungen: " +
                                      windows1252_to_utf8(driven_message(0).text));
    }
    return no_error();
}
