// A settings record with both remember options on: "frei" with 13 GB (medium index 11),
// 96 000 b/s, one hour (90 000 frames), the safety factor 9991/10000.
#ifndef VIDOMAT_TESTS_TOOLS_VIDOMAT_CALC_REMEMBERED_RECORD_H
#define VIDOMAT_TESTS_TOOLS_VIDOMAT_CALC_REMEMBERED_RECORD_H

#include <cstdint>
#include <cstring>
#include <string>

inline void put_little_endian(std::string& record, uint32_t offset, uint64_t value, uint32_t size) {
    for (uint32_t i = 0; i < size; ++i) {
        record[offset + i] = static_cast<char>(value >> (8 * i));
    }
}

inline std::string remembered_record() {
    std::string record(300, '\0');
    put_little_endian(record, 0, 0x22334455, 4);
    put_little_endian(record, 4, 0x0B300003, 4);
    put_little_endian(record, 8, 105920000000, 8);
    put_little_endian(record, 16, 96000, 4);
    put_little_endian(record, 24, 3600, 4);
    put_little_endian(record, 72, 90000, 8);
    put_little_endian(record, 88, 9991, 4);
    put_little_endian(record, 92, 10000, 4);
    const char* const media[] = {"4,7 GB", "700 MB / 80 Min.", "700 MB / 80 Min.", "13 GB"};
    for (uint32_t format = 0; format < 4; ++format) {
        std::memcpy(&record[100 + 50 * format], media[format], std::strlen(media[format]));
    }
    return record;
}

#endif
