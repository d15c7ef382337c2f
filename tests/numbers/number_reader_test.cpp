#include "numbers/number_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t none = no_comma_denominator;

struct DecimalCase {
    const char* text;
    uint64_t whole;
    uint32_t numerator;
    uint32_t denominator;
};

TEST(NumberReader, DecimalText) {
    const DecimalCase cases[] = {
        {"224 000", 224000, 0, none},
        {"218,75", 218, 75, 100},
        {"4,7", 4, 7, 10},
        {"1.234,5", 1234, 5, 10},
        {"0,000044703", 0, 44703, 1000000000}, // nine decimals keep the comma
        {"0,0000000001", 1, 0, none},          // ten do not
        {",5", 0, 5, 10},
        {"5,", 5, 0, none},
        {"1,2,3", 1, 23, 100}, // the leftmost comma decides
        {"-5", 5, 0, none},
        {"12 MB", 0, 0, none},
        {"x1,5", 15, 0, none}, // digits right of a foreign character form an integer
        {"", 0, 0, none},
        {"1,50", 1, 50, 100},                                    // the fraction is not reduced
        {"900000000000000000012", 12, 0, none},                  // the rightmost 20 digits
        {"99999999999999999999", 7766279631452241919u, 0, none}, // wraps modulo 2^64
    };
    for (const DecimalCase& c : cases) {
        SCOPED_TRACE(c.text);
        const MixedNumber value = read_decimal_text(c.text);
        EXPECT_EQ(value.whole, c.whole);
        EXPECT_EQ(value.numerator, c.numerator);
        EXPECT_EQ(value.denominator, c.denominator);
    }
}

struct LengthCase {
    const char* text;
    bool good;
    uint64_t value;
};

TEST(NumberReader, FrameText) {
    const LengthCase cases[] = {
        {"90 000", true, 90000},
        {"12", true, 12},
        {"1.000", true, 1000},
        {"1,5", false, 0},
        {"", false, 0},
        {"1:5", false, 0},
        {"12a", false, 0},
        {"123456789012", true, 23456789012u}, // 11 digits
        {"x23456789012", true, 23456789012u}, // the 12th character is never looked at
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.text);
        uint64_t frames = 77;
        EXPECT_EQ(read_frames_text(c.text, &frames), c.good);
        EXPECT_EQ(frames, c.good ? c.value : 77u);
    }
}

TEST(NumberReader, TimeText) {
    const uint32_t factors[20] = {60, 3600};
    const LengthCase cases[] = {
        {"1 : 00 : 00", true, 3600},
        {"0 : 75 : 00", true, 4500}, // not range-checked
        {"1:30", true, 90},
        {"90", true, 90},
        {"100:00", true, 6000},
        {"1:2:3", true, 3723},
        {"1:2:3:4", true, 7384}, // digits left of a third colon add nothing
        {"1,5", false, 0},
        {"", false, 0},
        {"1:x", false, 0},
        {"12345678901234567890", true, 12345678901234567890u}, // 20 digits, the first is c1
        {" 12345678901234567890", false, 0}, // a 20th digit that is not the first character
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.text);
        uint64_t seconds = 77;
        EXPECT_EQ(read_time_text(c.text, factors, 20, &seconds), c.good);
        EXPECT_EQ(seconds, c.good ? c.value : 77u);
    }
}

TEST(NumberReader, ColonsPastTheTableHavePlaceValueZero) {
    const uint32_t factors[20] = {60, 3600};
    std::string text = "7";
    for (int i = 0; i < 25; ++i) {
        text += ":";
    }
    text += "5";
    uint64_t seconds = 0;
    ASSERT_TRUE(read_time_text(text.c_str(), factors, 20, &seconds));
    EXPECT_EQ(seconds, 5u);
}

} // namespace
