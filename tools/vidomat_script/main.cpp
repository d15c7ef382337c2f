// vidomat-script [SCRIPT]: plays a scenario script (standard input when SCRIPT is
// omitted or "-") on the in-memory calculator dialog and prints a JSON snapshot for
// every "dump" line.
#include "tools/vidomat_script/script_runner.h"

#include <cstring>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: vidomat-script [SCRIPT]\n";
        return 2;
    }
    if (argc == 1 || std::strcmp(argv[1], "-") == 0) {
        return run_script(std::cin, std::cout, std::cerr);
    }
    std::ifstream script(argv[1], std::ios::binary);
    if (!script) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 2;
    }
    return run_script(script, std::cout, std::cerr);
}
