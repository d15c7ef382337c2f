// Advance widths in pixels of the font the dialog's edit fields use ("MS Sans Serif",
// 8 points at 96 dots per inch, a character height of 11 pixels), for the bytes
// 0x20 to 0xFF of Windows-1252, as GetTextExtentPoint32A gives them with the edit field's
// own font (WM_GETFONT) selected, measured under Wine 8 on the real dialog. The font has
// no kerning: the extent of a whole text is the sum of its characters' advances.
#ifndef VIDOMAT_PLATFORM_SHARED_EDIT_FONT_WIDTHS_H
#define VIDOMAT_PLATFORM_SHARED_EDIT_FONT_WIDTHS_H

#include <cstdint>

constexpr uint32_t edit_font_first_code = 0x20;
constexpr uint32_t edit_font_code_count = 224;

constexpr uint8_t edit_font_widths[edit_font_code_count] = {
    3,  3, 5, 7, 6, 8, 6,  2,  3, 3,  4, 6, 3,  3, 3, 5, // 0x20
    6,  6, 6, 6, 6, 6, 6,  6,  6, 6,  3, 3, 6,  6, 6, 6, // 0x30
    11, 7, 7, 7, 8, 7, 6,  8,  8, 3,  5, 7, 6,  9, 8, 8, // 0x40
    7,  8, 8, 7, 7, 8, 7,  11, 7, 7,  7, 3, 5,  3, 6, 6, // 0x50
    3,  6, 6, 6, 6, 6, 3,  6,  6, 2,  2, 6, 2,  8, 6, 6, // 0x60
    6,  6, 3, 5, 3, 6, 6,  8,  5, 5,  5, 4, 2,  4, 7, 3, // 0x70
    6,  3, 3, 3, 5, 6, 5,  5,  3, 11, 7, 6, 10, 3, 7, 3, // 0x80
    3,  3, 3, 4, 4, 6, 5,  6,  3, 9,  5, 6, 10, 3, 5, 7, // 0x90
    3,  3, 6, 6, 6, 6, 2,  6,  3, 9,  4, 6, 6,  3, 8, 6, // 0xA0
    4,  6, 3, 3, 3, 6, 6,  3,  3, 3,  4, 6, 8,  8, 8, 6, // 0xB0
    7,  7, 7, 7, 7, 7, 10, 7,  7, 7,  7, 7, 3,  3, 3, 3, // 0xC0
    8,  8, 8, 8, 8, 8, 8,  6,  8, 8,  8, 8, 8,  7, 7, 6, // 0xD0
    6,  6, 6, 6, 6, 6, 10, 6,  6, 6,  6, 6, 2,  4, 4, 4, // 0xE0
    6,  6, 6, 6, 6, 6, 6,  6,  6, 6,  6, 6, 6,  5, 6, 5, // 0xF0
};

#endif
