#include "platform/shared/text_encoding.h"

#include <cstdint>

namespace {

// The characters of the bytes 0x80 to 0x9F; the others stand for themselves.
const uint16_t high_control_range[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr uint32_t invalid = 0xFFFFFFFF;

bool is_control(uint32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

char to_windows1252(uint32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    for (uint32_t i = 0; i < 32; ++i) {
        if (high_control_range[i] == code) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

// Decodes one character at `at` and moves past it; `invalid` for a malformed sequence,
// of which one byte is consumed.
uint32_t decode(const std::string& text, size_t& at) {
    const uint8_t lead = static_cast<uint8_t>(text[at++]);
    uint32_t length = 0;
    uint32_t code = 0;
    if (lead < 0x80) {
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3;
        code = lead & 0x07;
    } else {
        return invalid;
    }
    size_t next = at;
    for (uint32_t i = 0; i < length; ++i, ++next) {
        const uint8_t byte = next < text.size() ? static_cast<uint8_t>(text[next]) : 0;
        if ((byte & 0xC0) != 0x80) {
            return invalid;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    const uint32_t smallest[4] = {0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return invalid;
    }
    at = next;
    return code;
}

void encode(uint32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::string utf8_to_windows1252(const std::string& text) {
    std::string out;
    for (size_t at = 0; at < text.size();) {
        const uint32_t code = decode(text, at);
        if (code == invalid) {
            out += '?';
        } else if (!is_control(code)) {
            out += to_windows1252(code);
        }
    }
    return out;
}

std::string windows1252_to_utf8(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const uint8_t byte = static_cast<uint8_t>(c);
        encode(byte >= 0x80 && byte < 0xA0 ? high_control_range[byte - 0x80] : byte, out);
    }
    return out;
}
