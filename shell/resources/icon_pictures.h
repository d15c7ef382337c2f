// The pictures of the program's icons: a silver disc with three rising green bars in
// front of it, the disc that is filled and the rate that fills it. Both pictures use the
// 16 standard colours; the Windows icons 107 and 108 are written from them at build time
// and the Linux window icon is drawn from them at run time.
#ifndef VIDOMAT_SHELL_RESOURCES_ICON_PICTURES_H
#define VIDOMAT_SHELL_RESOURCES_ICON_PICTURES_H

#include <cstdint>
#include <vector>

constexpr uint8_t icon_transparent = 0xFF; // masked out: the desktop shows through

// The standard 16-colour palette, as the system's VGA colours: red, green, blue.
extern const uint8_t icon_palette[16][3];

// The large (32 x 32) or small (16 x 16) picture, row by row from the top: a palette
// index per pixel, or icon_transparent.
std::vector<uint8_t> draw_icon_picture(bool large);
// Its width and height in pixels.
uint32_t icon_picture_size(bool large);

// The picture at any size in full colour, row by row from the top, 4 bytes a pixel (red,
// green, blue, alpha): at 16 and 32 pixels the two pictures above as they are; at other
// sizes the large picture's design drawn anew at that size, each pixel the mean of 4 x 4
// samples, so that edges stay smooth.
std::vector<uint8_t> draw_icon_rgba(uint32_t size);

#endif
