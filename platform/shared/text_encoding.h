// The edges of the program: its texts are Windows-1252; scripts, snapshots and the Linux
// toolkit take UTF-8.
#ifndef VIDOMAT_PLATFORM_SHARED_TEXT_ENCODING_H
#define VIDOMAT_PLATFORM_SHARED_TEXT_ENCODING_H

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
