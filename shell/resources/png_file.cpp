#include "shell/resources/png_file.h"

namespace {

uint32_t crc_table_entry(uint32_t n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) {
        c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return c;
}

uint32_t crc32(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc = crc_table_entry((crc ^ static_cast<uint8_t>(byte)) & 0xFF) ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

uint32_t adler32(const std::string& bytes) {
    constexpr uint32_t modulus = 65521;
    uint32_t a = 1;
    uint32_t b = 0;
    for (const char byte : bytes) {
        a = (a + static_cast<uint8_t>(byte)) % modulus;
        b = (b + a) % modulus;
    }
    return b << 16 | a;
}

void put32_big_endian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void put_chunk(std::string& out, const char* type, const std::string& data) {
    put32_big_endian(out, static_cast<uint32_t>(data.size()));
    const std::string typed = std::string(type) + data;
    out += typed;
    put32_big_endian(out, crc32(typed));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each).
std::string zlib_stored(const std::string& data) {
    std::string out = "\x78\x01";
    constexpr size_t block_limit = 65535;
    size_t at = 0;
    do {
        const size_t length = data.size() - at < block_limit ? data.size() - at : block_limit;
        const bool last = at + length == data.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out.append(data, at, length);
        at += length;
    } while (at < data.size());
    put32_big_endian(out, adler32(data));
    return out;
}

} // namespace

std::string png_file(uint32_t width, uint32_t height, const std::vector<uint8_t>& rgba) {
    std::string header;
    put32_big_endian(header, width);
    put32_big_endian(header, height);
    header += '\x08';               // bits per sample
    header += '\x06';               // red, green, blue and alpha
    header += std::string(3, '\0'); // deflate, adaptive filtering, not interlaced

    std::string rows;
    const size_t row_bytes = static_cast<size_t>(width) * 4;
    for (uint32_t y = 0; y < height; ++y) {
        rows += '\0'; // filter: none
        rows.append(reinterpret_cast<const char*>(rgba.data()) + y * row_bytes, row_bytes);
    }

    std::string out = "\x89PNG\r\n\x1a\n";
    put_chunk(out, "IHDR", header);
    put_chunk(out, "IDAT", zlib_stored(rows));
    put_chunk(out, "IEND", "");
    return out;
}
