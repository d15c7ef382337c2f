// Draws the program's icons and writes them as .ico files: a silver disc with three
// rising green bars in front of it, the disc that is filled and the rate that fills it.
// Both pictures use the 16 standard colours (4 bits per pixel).
//
// Usage: write_icons LARGE.ico SMALL.ico   (32 x 32 and 16 x 16 pixels)
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The standard 16-colour palette, as the system's VGA colours.
enum Colour : uint8_t {
    black = 0,
    dark_green = 2,
    silver = 7,
    grey = 8,
    lime = 10,
    yellow = 11,
    cyan = 14,
    white = 15,
    transparent = 0xFF, // masked out: the desktop shows through
};
const uint8_t palette[16][3] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
}; // red, green, blue

struct Bar {
    int left; // first column
    int width;
    int top; // first row; every bar stands on the bottom row
};

struct Picture {
    int size;
    double centre_x;
    double centre_y;
    double radius;     // outer edge of the disc
    double hub_radius; // the grey ring around the hole
    double hole_radius;
    std::vector<Bar> bars;
};

const double pi = 3.14159265358979323846;

// The disc: dark rim, silver surface with two light reflections, grey hub, hole.
Colour disc_colour(const Picture& picture, int x, int y) {
    const double dx = x + 0.5 - picture.centre_x;
    const double dy = y + 0.5 - picture.centre_y;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r > picture.radius || r < picture.hole_radius) {
        return transparent;
    }
    if (r > picture.radius - 1.0) {
        return grey;
    }
    if (r < picture.hub_radius) {
        return r > picture.hub_radius - 1.2 ? grey : white;
    }
    // Reflections: a white and cyan band up left, a yellow and cyan one down right.
    const double angle = std::atan2(-dy, dx) * 180.0 / pi; // counter-clockwise from east
    if (r > picture.hub_radius + 1.0 && r < picture.radius - 1.5) {
        if (angle > 115.0 && angle < 140.0) {
            return white;
        }
        if (angle > 140.0 && angle < 155.0) {
            return cyan;
        }
        if (angle > -65.0 && angle < -50.0) {
            return yellow;
        }
        if (angle > -50.0 && angle < -35.0) {
            return cyan;
        }
    }
    return silver;
}

// Bars: a black outline around a lime face with a dark green right edge.
Colour bar_colour(const Picture& picture, int x, int y) {
    const int bottom = picture.size - 1;
    for (const Bar& bar : picture.bars) {
        const int right = bar.left + bar.width - 1;
        if (x < bar.left || x > right || y < bar.top) {
            continue;
        }
        if (x == bar.left || x == right || y == bar.top || y == bottom) {
            return black;
        }
        return x == right - 1 && bar.width > 4 ? dark_green : lime;
    }
    return transparent;
}

std::vector<uint8_t> draw(const Picture& picture) {
    std::vector<uint8_t> pixels(static_cast<size_t>(picture.size * picture.size));
    for (int y = 0; y < picture.size; ++y) {
        for (int x = 0; x < picture.size; ++x) {
            const Colour bar = bar_colour(picture, x, y);
            pixels[static_cast<size_t>(y * picture.size + x)] =
                bar != transparent ? bar : disc_colour(picture, x, y);
        }
    }
    return pixels;
}

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
std::string icon_file(const Picture& picture) {
    const std::vector<uint8_t> pixels = draw(picture);
    const uint32_t size = static_cast<uint32_t>(picture.size);
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
    for (const uint8_t* colour : palette) {
        out += static_cast<char>(colour[2]);
        out += static_cast<char>(colour[1]);
        out += static_cast<char>(colour[0]);
        out += static_cast<char>(0);
    }
    for (uint32_t row = size; row-- > 0;) {
        std::string line(colour_row, '\0');
        for (uint32_t x = 0; x < size; ++x) {
            const uint8_t pixel = pixels[row * size + x];
            const uint8_t index = pixel == transparent ? 0 : pixel;
            line[x / 2] = static_cast<char>(line[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out += line;
    }
    for (uint32_t row = size; row-- > 0;) {
        std::string line(mask_row, '\0');
        for (uint32_t x = 0; x < size; ++x) {
            if (pixels[row * size + x] == transparent) {
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
    const Picture large = {32, 13.0, 14.0, 13.0, 5.0, 2.2, {{19, 5, 23}, {23, 5, 16}, {27, 5, 8}}};
    const Picture small = {16, 6.5, 7.0, 6.6, 2.6, 1.1, {{9, 3, 11}, {11, 3, 7}, {13, 3, 3}}};
    return write_file(argv[1], icon_file(large)) && write_file(argv[2], icon_file(small)) ? 0 : 1;
}
