#include "numbers/mixed_number.h"

#include <gtest/gtest.h>

namespace {

void expect_mixed(const MixedNumber& x, uint64_t whole, uint32_t numerator, uint32_t denominator) {
    EXPECT_EQ(x.whole, whole);
    EXPECT_EQ(x.numerator, numerator);
    EXPECT_EQ(x.denominator, denominator);
}

TEST(MixedNumber, DivisionKeepsTheRemainderAsFraction) {
    expect_mixed(mixed_divide(224000, 8), 28000, 0, 8);
    const MixedNumber bytes = mixed_divide_wide(37020000000u, 8);
    expect_mixed(bytes, 4627500000u, 0, 8);
    expect_mixed(mixed_divide_wide(bytes.whole, 1073741824), 4, 332532704, 1073741824);
    // The quotient is exact across the full 64 bits.
    expect_mixed(mixed_divide_wide(0xFFFFFFFFFFFFFFFFu, 3), 0x5555555555555555u, 0, 3);
}

TEST(MixedNumber, ScalingCarriesTheFraction) {
    MixedNumber kilobits{218, 75, 100};
    EXPECT_EQ(mixed_scale(kilobits, 1024), 224000u);
    expect_mixed(kilobits, 224000, 0, 100);

    MixedNumber zero{0, 0, no_comma_denominator};
    EXPECT_EQ(mixed_scale(zero, 1073741824), 0u);
    EXPECT_EQ(zero.numerator, 0u);

    // Without a denominator only the whole part is multiplied.
    MixedNumber no_fraction{7, 5, 0};
    EXPECT_EQ(mixed_scale(no_fraction, 3), 21u);
    EXPECT_EQ(no_fraction.numerator, 5u);

    // Scaling by 8 and then by 1024 gives the same whole part as scaling by 8192.
    MixedNumber twice{4, 7, 10};
    mixed_scale_wide(twice, 8);
    mixed_scale_wide(twice, 1073741824);
    EXPECT_EQ(twice.whole, 40372692582u);
}

TEST(MixedNumber, NarrowScalingWrapsAt32BitsWideCarriesIntoTheHighWord) {
    MixedNumber wide{1431655765, 2, 3};
    EXPECT_EQ(mixed_scale_wide(wide, 3), 4294967297u);
    EXPECT_EQ(wide.numerator, 0u);

    MixedNumber narrow{1431655765, 2, 3};
    EXPECT_EQ(mixed_scale(narrow, 3), 1u);

    MixedNumber large{0x80000001u, 0, 10};
    EXPECT_EQ(mixed_scale(large, 2), 2u); // only the low 32 bits of the product
}

TEST(MixedNumber, MulDivRoundsDownAndSaturates) {
    EXPECT_EQ(mul_div(224000, 9991, 10000), 223798u);
    EXPECT_EQ(mul_div(0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu), 0xFFFFFFFFu);
    EXPECT_EQ(mul_div(0xFFFFFFFFu, 10000, 9991), 0xFFFFFFFFu); // quotient beyond 32 bits
}

TEST(MixedNumber, WideArithmeticWrapsModulo2To64) {
    EXPECT_EQ(wide_subtract(5, 7), 18446744073709551614u);
    EXPECT_EQ(wide_add(0xFFFFFFFFFFFFFFFFu, 2), 1u);
    EXPECT_EQ(wide_add(0xFFFFFFFFu, 1), 0x100000000u); // carry into the high word
    EXPECT_EQ(wide_multiply(90000, 776), 69840000u);
    EXPECT_EQ(wide_multiply(0x8000000000000000u, 2), 0u);
}

} // namespace
