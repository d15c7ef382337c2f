// The driver's edges: scripts and snapshots are UTF-8, the program's texts Windows-1252.
#ifndef VIDOMAT_TOOLS_VIDOMAT_SCRIPT_TEXT_ENCODING_H
#define VIDOMAT_TOOLS_VIDOMAT_SCRIPT_TEXT_ENCODING_H

#include <string>

// UTF-8 to Windows-1252: a character that Windows-1252 cannot hold (and every byte that
// is no valid UTF-8) becomes "?"; control characters (U+0000 to U+001F, U+007F to
// U+009F) are dropped.
std::string utf8_to_windows1252(const std::string& text);

// Windows-1252 to UTF-8. The five bytes that Windows-1252 leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the characters of the same number, as the window system
// converts them.
std::string windows1252_to_utf8(const std::string& text);

#endif
