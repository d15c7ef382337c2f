// Writes the program's icon for the Linux desktop as PNG files, one per size, in the
// folders of the hicolor icon theme: OUT/<n>x<n>/apps/vidomat.png.
//
// Usage: write_png_icons OUT
#include "shell/resources/icon_pictures.h"
#include "shell/resources/png_file.h"

#include <cerrno>
#include <fstream>
#include <iostream>
#include <string>
#include <sys/stat.h>

namespace {

constexpr uint32_t theme_sizes[] = {16, 32, 48, 64, 128};

bool make_folder(const std::string& path) {
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_png_icons OUT\n";
        return 2;
    }
    for (const uint32_t size : theme_sizes) {
        const std::string folder =
            std::string(argv[1]) + "/" + std::to_string(size) + "x" + std::to_string(size);
        const std::string name = folder + "/apps/vidomat.png";
        if (!make_folder(argv[1]) || !make_folder(folder) || !make_folder(folder + "/apps")) {
            std::cerr << "cannot make " << folder << "/apps\n";
            return 1;
        }
        std::ofstream out(name, std::ios::binary);
        out << png_file(size, size, draw_icon_rgba(size));
        out.close();
        if (!out) {
            std::cerr << "cannot write " << name << "\n";
            return 1;
        }
    }
    return 0;
}
