// Numbers from the command line reach the calculator only when the field's reader reads
// them as written and their value fits the quantity.
#include "calculator_fixture.h"
#include "tools/vidomat_calc/value_check.h"
#include "tools/vidomat_calc/value_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueTextTest, SplitsNumberAndUnit) {
    const struct {
        const char* text;
        ValueSyntax syntax;
        const char* number;
        const char* unit; // "" for none
    } cases[] = {
        {"4,7 GB", value_ok, "4,7", "GB"},
        {"224000b", value_ok, "224000", "b"},
        {"4 703 000 000", value_ok, "4 703 000 000", ""},
        {"4.7", value_ok, "4.7", ""},
        {"4,7  GB", value_not_a_number, "", ""}, // two spaces before the unit
        {"4  703", value_not_a_number, "", ""},
        {" 47", value_not_a_number, "", ""},
        {"4,", value_not_a_number, "", ""},
        {",5", value_not_a_number, "", ""},
        {"4.7.1", value_not_a_number, "", ""},
        {"4,7 1", value_not_a_number, "", ""},
        {"GB", value_not_a_number, "", ""},
        {"12x", value_unknown_unit, "", ""},
        {"1 kB", value_unknown_unit, "", ""},
    };
    for (const auto& c : cases) {
        ValueText value;
        EXPECT_EQ(split_value(c.text, value), c.syntax) << c.text;
        if (c.syntax == value_ok) {
            EXPECT_EQ(value.number, c.number) << c.text;
            EXPECT_EQ(value.has_unit ? unit_name(value.unit) : "", std::string(c.unit)) << c.text;
        }
    }
}

TEST(ValueCheckTest, ANumberMustReadAsWritten) {
    const struct {
        const char* field_text;
        bool good;
    } cases[] = {
        {"0", true},
        {"007", true},
        {"0,000044703", true},            // nine decimals: the most the reader keeps
        {"0,0000000001", false},          // ten: the reader drops the comma
        {"18446744073709551615", true},   // 2^64 - 1
        {"18446744073709551616", false},  // wraps
        {"123456789012345678901", false}, // 21 digits: the reader keeps 20
        {"1 234,50", true},
    };
    for (const auto& c : cases) {
        MixedNumber read{};
        EXPECT_EQ(check_decimal(c.field_text, read).empty(), c.good) << c.field_text;
    }
}

TEST(ValueCheckTest, ARateMustStayBelow2To32BitsPerSecond) {
    const struct {
        const char* field_text;
        const char* unit;
        bool good;
    } cases[] = {
        {"4294967295", "b", true},   {"4294967296", "b", false},
        {"536870911", "B", true},  // 4 294 967 288 b/s
        {"536870912", "B", false}, // 2^32
        {"3,999999999", "Gb", true}, {"4", "Gb", false},
        {"0,4999999", "GB", true},   {"0,5", "GB", false}, // 2^32
    };
    for (const auto& c : cases) {
        MixedNumber read{};
        Unit unit{};
        ASSERT_TRUE(parse_unit(c.unit, unit));
        ASSERT_EQ(check_decimal(c.field_text, read), "") << c.field_text;
        EXPECT_EQ(check_rate_range(read, unit).empty(), c.good) << c.field_text << " " << c.unit;
    }
    MixedNumber read{};
    ASSERT_EQ(check_decimal("2147483648", read), "");
    EXPECT_FALSE(check_amount_range(read, Unit{false, 3}).empty()); // 2^31 GB = 2^64 bit
    ASSERT_EQ(check_decimal("2147483647", read), "");
    EXPECT_TRUE(check_amount_range(read, Unit{false, 3}).empty());
}

using LengthCheckTest = CalculatorTest;

TEST_F(LengthCheckTest, ALengthMustReadAsWritten) {
    EXPECT_EQ(check_frames("90 000"), "");
    EXPECT_EQ(check_frames("99999999999"), "");
    EXPECT_NE(check_frames("100000000000"), ""); // twelve digits: the reader keeps eleven
    EXPECT_NE(check_frames("1,5"), "");
    EXPECT_EQ(check_time("1:30:00"), "");
    EXPECT_EQ(check_time("0:75:00"), ""); // positional, as the field reads it
    EXPECT_EQ(check_time("90"), "");
    EXPECT_EQ(check_time("1193046:28:15"), ""); // 4 294 967 295 s
    EXPECT_NE(check_time("1193046:28:16"), ""); // 2^32 s
    EXPECT_NE(check_time("1:2:3:4"), "");
    EXPECT_NE(check_time("1::3"), "");
    EXPECT_NE(check_time("1 : 30 : 00"), "");
}

} // namespace
