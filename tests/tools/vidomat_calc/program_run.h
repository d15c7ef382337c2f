// Runs a program as a script would: in a given folder, with its standard output and
// standard error caught, and its exit status.
#ifndef VIDOMAT_TESTS_TOOLS_VIDOMAT_CALC_PROGRAM_RUN_H
#define VIDOMAT_TESTS_TOOLS_VIDOMAT_CALC_PROGRAM_RUN_H

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct ProgramRun {
    int status; // the exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

inline std::string read_whole_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Runs `program` with `arguments` in `folder`. The output is caught in files outside it.
inline ProgramRun run_program(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& folder) {
    char out_name[] = "/tmp/vidomat-calc-out-XXXXXX";
    char err_name[] = "/tmp/vidomat-calc-err-XXXXXX";
    const int out = mkstemp(out_name);
    const int err = mkstemp(err_name);
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        if (dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(folder.c_str()) != 0) {
            _exit(127);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    close(out);
    close(err);
    ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_whole_file(out_name),
                   read_whole_file(err_name)};
    std::remove(out_name);
    std::remove(err_name);
    return run;
}

inline ProgramRun run_calc(const std::vector<std::string>& arguments, const std::string& folder) {
    return run_program(VIDOMAT_CALC_PROGRAM, arguments, folder);
}

#endif
