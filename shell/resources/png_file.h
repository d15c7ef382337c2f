// Writes a picture as a PNG file: 8-bit RGBA, no filter, the image data in stored
// (uncompressed) deflate blocks, so no compression library is needed.
#ifndef VIDOMAT_SHELL_RESOURCES_PNG_FILE_H
#define VIDOMAT_SHELL_RESOURCES_PNG_FILE_H

#include <cstdint>
#include <string>
#include <vector>

// `rgba` holds width * height pixels, row by row from the top, 4 bytes each (red,
// green, blue, alpha). Returns the whole file.
std::string png_file(uint32_t width, uint32_t height, const std::vector<uint8_t>& rgba);

#endif
