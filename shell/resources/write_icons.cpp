// Writes the program's icons as .ico files (icon_pictures.h), 4 bits per pixel.
//
// Usage: write_icons LARGE.ico SMALL.ico   (32 x 32 and 16 x 16 pixels)
#include "shell/resources/icon_pictures.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

void put16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// An icon file with one 4-bit image: directory, bitmap header (twice the height, for
// the colour and the mask part), palette, colour rows and mask rows, both bottom up.
std::string icon_file(bool large) {
    const std::vector<uint8_t> pixels = draw_icon_picture(large);
    const uint32_t size = icon_picture_size(large);
    const uint32_t colour_row = (size / 2 + 3) / 4 * 4;
    const uint32_t mask_row = (size / 8 + 3) / 4 * 4;
    const uint32_t image_bytes = 40 + 16 * 4 + size * (colour_row + mask_row);

    std::string out;
    put16(out, 0); // reserved
    put16(out, 1); // an icon
    put16(out, 1); // one image
    out += static_cast<char>(size);
    out += static_cast<char>(size);
    out += static_cast<char>(16); // colours
    out += static_cast<char>(0);
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, image_bytes);
    put32(out, 6 + 16); // the image follows the directory

    put32(out, 40);
    put32(out, size);
    put32(out, size * 2);
    put16(out, 1);
    put16(out, 4);
    put32(out, 0); // uncompressed
    put32(out, size * (colour_row + mask_row));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (const uint8_t* colour : icon_palette) {
        out += static_cast<char>(colour[2]);
        out += static_cast<char>(colour[1]);
        out += static_cast<char>(colour[0]);
        out += static_cast<char>(0);
    }
    for (uint32_t row = size; row-- > 0;) {
        std::string line(colour_row, '\0');
        for (uint32_t x = 0; x < size; ++x) {
            const uint8_t pixel = pixels[row * size + x];
            const uint8_t index = pixel == icon_transparent ? 0 : pixel;
            line[x / 2] = static_cast<char>(line[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out += line;
    }
    for (uint32_t row = size; row-- > 0;) {
        std::string line(mask_row, '\0');
        for (uint32_t x = 0; x < size; ++x) {
            if (pixels[row * size + x] == icon_transparent) {
                line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out += line;
    }
    return out;
}

bool write_file(const char* name, const std::string& content) {
    std::ofstream out(name, std::ios::binary);
    out << content;
    out.close();
    if (!out) {
        std::cerr << "cannot write " << name << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: write_icons LARGE.ico SMALL.ico\n";
        return 2;
    }
    return write_file(argv[1], icon_file(true)) && write_file(argv[2], icon_file(false)) ? 0 : 1;
}
