// Exact unsigned arithmetic on mixed numbers (whole + numerator / denominator) and on
// 64-bit bit counts. Every truncation and wrap here is deliberate: the calculator's
// results are defined by these operations.
#ifndef VIDOMAT_NUMBERS_MIXED_NUMBER_H
#define VIDOMAT_NUMBERS_MIXED_NUMBER_H

#include <cstdint>

struct MixedNumber {
    uint64_t whole; // 32-bit quantities use the low half
    uint32_t numerator;
    uint32_t denominator; // 0: no fraction to scale
};

// The denominator the readers give a text without a decimal comma.
constexpr uint32_t no_comma_denominator = 0xFFFFFFFFu;
constexpr uint32_t max_uint32 = 0xFFFFFFFFu;

// {a div d, a mod d, d}; d is never 0.
MixedNumber mixed_divide(uint32_t a, uint32_t d);
MixedNumber mixed_divide_wide(uint64_t a, uint32_t d);
// a * m modulo 2^64.
uint64_t wide_multiply(uint64_t a, uint32_t m);
// x := x * m with the fraction's quotient carried into the whole part; returns the new
// whole part. The narrow form keeps the whole part modulo 2^32.
uint32_t mixed_scale(MixedNumber& x, uint32_t m);
uint64_t mixed_scale_wide(MixedNumber& x, uint32_t m);
// (a * b) div c with the product exact in 64 bits. A quotient beyond 32 bits saturates
// at 4294967295; c is never 0.
uint32_t mul_div(uint32_t a, uint32_t b, uint32_t c);
// Modulo 2^64.
uint64_t wide_subtract(uint64_t a, uint64_t b);
uint64_t wide_add(uint64_t a, uint64_t b);

#endif
