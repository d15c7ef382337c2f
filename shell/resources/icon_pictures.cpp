#include "shell/resources/icon_pictures.h"

#include <cmath>

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
    transparent = icon_transparent,
};

} // namespace

const uint8_t icon_palette[16][3] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

namespace {

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

const Picture large_picture = {
    32, 13.0, 14.0, 13.0, 5.0, 2.2, {{19, 5, 23}, {23, 5, 16}, {27, 5, 8}}};
const Picture small_picture = {16, 6.5, 7.0, 6.6, 2.6, 1.1, {{9, 3, 11}, {11, 3, 7}, {13, 3, 3}}};

} // namespace

std::vector<uint8_t> draw_icon_picture(bool large) {
    return draw(large ? large_picture : small_picture);
}

uint32_t icon_picture_size(bool large) {
    return static_cast<uint32_t>((large ? large_picture : small_picture).size);
}
