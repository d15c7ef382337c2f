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
// (dx, dy) is the point's offset from the disc's centre, in pixels.
Colour disc_colour_at(const Picture& picture, double dx, double dy) {
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

// The disc at the centre of pixel (x, y).
Colour disc_colour(const Picture& picture, int x, int y) {
    return disc_colour_at(picture, x + 0.5 - picture.centre_x, y + 0.5 - picture.centre_y);
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

namespace {

// One sample of the large picture's design at a point in its 32 x 32 pixel grid.
Colour design_colour(double u, double v) {
    const Picture& design = large_picture;
    const double bottom = design.size;
    for (const Bar& bar : design.bars) {
        const double left = bar.left;
        const double right = bar.left + bar.width;
        if (u < left || u >= right || v < bar.top || v >= bottom) {
            continue;
        }
        if (u < left + 1.0 || u >= right - 1.0 || v < bar.top + 1.0 || v >= bottom - 1.0) {
            return black;
        }
        return u >= right - 2.0 && bar.width > 4 ? dark_green : lime;
    }
    return disc_colour_at(design, u - design.centre_x, v - design.centre_y);
}

} // namespace

std::vector<uint8_t> draw_icon_rgba(uint32_t size) {
    std::vector<uint8_t> rgba(static_cast<size_t>(size) * size * 4);
    if (size == icon_picture_size(true) || size == icon_picture_size(false)) {
        const std::vector<uint8_t> pixels = draw_icon_picture(size == icon_picture_size(true));
        for (size_t i = 0; i < pixels.size(); ++i) {
            if (pixels[i] != icon_transparent) {
                rgba[i * 4] = icon_palette[pixels[i]][0];
                rgba[i * 4 + 1] = icon_palette[pixels[i]][1];
                rgba[i * 4 + 2] = icon_palette[pixels[i]][2];
                rgba[i * 4 + 3] = 0xFF;
            }
        }
        return rgba;
    }
    constexpr int samples = 4;
    const double scale = static_cast<double>(large_picture.size) / size;
    for (uint32_t y = 0; y < size; ++y) {
        for (uint32_t x = 0; x < size; ++x) {
            uint32_t sum[3] = {0, 0, 0};
            uint32_t covered = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double u = (x + (sx + 0.5) / samples) * scale;
                    const double v = (y + (sy + 0.5) / samples) * scale;
                    const Colour colour = design_colour(u, v);
                    if (colour == transparent) {
                        continue;
                    }
                    for (int c = 0; c < 3; ++c) {
                        sum[c] += icon_palette[colour][c];
                    }
                    ++covered;
                }
            }
            uint8_t* const pixel = &rgba[(static_cast<size_t>(y) * size + x) * 4];
            if (covered > 0) {
                for (int c = 0; c < 3; ++c) {
                    pixel[c] = static_cast<uint8_t>(sum[c] / covered);
                }
                pixel[3] = static_cast<uint8_t>(covered * 255 / (samples * samples));
            }
        }
    }
    return rgba;
}
