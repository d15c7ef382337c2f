#include "numbers/mixed_number.h"

MixedNumber mixed_divide(uint32_t a, uint32_t d) {
    return MixedNumber{a / d, a % d, d};
}

MixedNumber mixed_divide_wide(uint64_t a, uint32_t d) {
    return MixedNumber{a / d, static_cast<uint32_t>(a % d), d};
}

uint64_t wide_multiply(uint64_t a, uint32_t m) {
    return a * m; // unsigned: wraps modulo 2^64
}

uint32_t mixed_scale(MixedNumber& x, uint32_t m) {
    uint32_t whole = static_cast<uint32_t>(x.whole) * m; // modulo 2^32
    if (x.denominator != 0) {
        const uint64_t p = static_cast<uint64_t>(x.numerator) * m;
        // numerator < denominator, so the quotient is below m and fits in 32 bits.
        whole += static_cast<uint32_t>(p / x.denominator); // modulo 2^32, no carry
        x.numerator = static_cast<uint32_t>(p % x.denominator);
    }
    x.whole = whole;
    return whole;
}

uint64_t mixed_scale_wide(MixedNumber& x, uint32_t m) {
    x.whole *= m; // modulo 2^64
    if (x.denominator != 0) {
        const uint64_t p = static_cast<uint64_t>(x.numerator) * m;
        x.whole += p / x.denominator; // modulo 2^64
        x.numerator = static_cast<uint32_t>(p % x.denominator);
    }
    return x.whole;
}

uint32_t mul_div(uint32_t a, uint32_t b, uint32_t c) {
    const uint64_t quotient = static_cast<uint64_t>(a) * b / c;
    return quotient > max_uint32 ? max_uint32 : static_cast<uint32_t>(quotient);
}

uint64_t wide_subtract(uint64_t a, uint64_t b) {
    return a - b;
}

uint64_t wide_add(uint64_t a, uint64_t b) {
    return a + b;
}
