#include "numbers/number_formatter.h"

#include "numbers/number_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FormatCase {
    uint64_t whole;
    uint32_t numerator;
    uint32_t denominator;
    uint32_t decimals;
    const char* text;
};

TEST(NumberFormatter, GroupsRoundsAndDropsTrailingZeros) {
    const FormatCase cases[] = {
        {224000, 0, 1, 0, "224 000"},
        {218, 75, 100, 3, "218,75"},
        {218, 75, 100, 9, "218,75"}, // exact: stops early
        {27, 352, 1024, 3, "27,344"},
        {4, 332532704, 1073741824, 4, "4,3097"},
        {4, 332532704, 1073741824, 7, "4,3096952"},
        {37020000000u, 0, 1, 0, "37 020 000 000"},
        {0, 900, 10000, 6, "0,09"},
        {1, 1003, 10000, 3, "1,100"}, // inexact: trailing zeros stay
        {0, 1, 3, 2, "0,33"},         // exactly a third does not round up
        {0, 2, 3, 2, "0,67"},
        {0, 1996, 10000, 3, "0,2"}, // the carry removes the nines
        {9, 96, 100, 1, "10"},      // and the comma
        {0, 96, 100, 1, "1"},
        {999, 7, 8, 0, "1 000"}, // a new leading digit, regrouped
        {125, 3, 8, 0, "126"},
        {28000, 1, 8, 0, "28 000"},
        {0, 48000, 1073741824, 9, "0,000044704"},
        {0, 0, 1, 0, "0"},
        {0, 5, 0, 3, "0"}, // no denominator: no fraction
        {18446744073709551615u, 0, 1, 0, "18 446 744 073 709 551 615"},
        {18446744073709551615u, 2, 3, 0, "18 446 744 073 709 551 616"}, // carried past 20 digits
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(std::string(format_number(c.whole, c.numerator, c.denominator, c.decimals)),
                  c.text);
    }
}

TEST(NumberFormatter, CommaStandsAtTheFixedPosition) {
    format_mixed(4, 7, 10, 1);
    EXPECT_EQ(finish_number_text(), comma_position - 1);
    format_mixed_wide(37020000000u, 0, 1, 0);
    EXPECT_EQ(finish_number_text(), comma_position - 14);
}

std::string without_trailing_zeros(std::string text) {
    if (text.find(',') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == ',') {
            text.pop_back();
        }
    }
    return text;
}

// The text written for a value reads back to that value's shown digits.
TEST(NumberFormatter, ShownTextReadsBackExactly) {
    const uint32_t denominators[] = {8, 1024, 1048576, 1073741824};
    const uint32_t decimals_for[] = {0, 3, 6, 9};
    for (uint32_t denominator : denominators) {
        for (uint32_t decimals : decimals_for) {
            for (uint32_t numerator = 1; numerator < denominator; numerator = numerator * 7 + 3) {
                const std::string text = format_number(123456, numerator, denominator, decimals);
                const MixedNumber back = read_decimal_text(text.c_str());
                SCOPED_TRACE(text);
                // Read back, then formatted again with ample decimals, gives the same digits.
                EXPECT_EQ(
                    std::string(format_number(back.whole, back.numerator, back.denominator, 9)),
                    without_trailing_zeros(text));
            }
        }
    }
}

} // namespace
