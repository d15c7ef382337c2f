// The formatter's promise, shared by the fuzz targets: a text it wrote for a value reads
// back (read_decimal_text) to that value cut to the shown decimals, or to one unit of the
// last shown place more when the rest exceeded a third of that unit. A broken promise
// aborts, so the fuzzer reports it as a crash.
#ifndef VIDOMAT_FUZZ_READ_BACK_CHECK_H
#define VIDOMAT_FUZZ_READ_BACK_CHECK_H

#include "numbers/mixed_number.h"
#include "numbers/number_reader.h"

#include <cstdint>
#include <cstdlib>

__extension__ typedef unsigned __int128 fuzz_uint128;

inline void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

inline fuzz_uint128 power_of_ten_wide(uint32_t k) {
    fuzz_uint128 power = 1;
    for (uint32_t i = 0; i < k; ++i) {
        power *= 10;
    }
    return power;
}

// Whether `text` reads back to `value` shown with `decimals` places, rounded as the
// formatter rounds.
inline bool reads_back(const char* text, const MixedNumber& value, uint32_t decimals) {
    const uint64_t whole = value.whole;
    const uint32_t numerator = value.numerator;
    const uint32_t denominator = numerator == 0 ? 1 : value.denominator;
    const MixedNumber back = read_decimal_text(text);

    // Compare whole + numerator / denominator with the value read, both scaled by
    // denominator * 10^decimals and rounded down (128 bits hold every product here).
    const fuzz_uint128 scale = power_of_ten_wide(decimals);
    const fuzz_uint128 exact = (static_cast<fuzz_uint128>(whole) * denominator + numerator) * scale;
    const fuzz_uint128 unit = denominator; // one unit of the last shown place, scaled
    const fuzz_uint128 cut = exact / unit * unit;
    const fuzz_uint128 rest = exact - cut;
    fuzz_uint128 shown = static_cast<fuzz_uint128>(back.whole) * scale;
    if (back.numerator != 0) {
        if (back.denominator == 0 || back.denominator > scale) {
            return false;
        }
        shown += static_cast<fuzz_uint128>(back.numerator) * (scale / back.denominator);
    }
    shown *= denominator;
    const bool rounds_up = rest != 0 && 3 * rest > unit;
    return shown == (rounds_up ? cut + unit : cut);
}

inline void require_reads_back(const char* text, const MixedNumber& value, uint32_t decimals) {
    require(reads_back(text, value, decimals));
}

#endif
