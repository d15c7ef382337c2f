#include "engine/safety_margin.h"

#include "calculator_fixture.h"

namespace {

using SafetyMargin = CalculatorTest;

struct MarginCase {
    const char* typed;
    uint32_t numerator; // 0: the factor in force stays
    uint32_t denominator;
    const char* shown;
};

TEST_F(SafetyMargin, TypedMarginBecomesTheFactorAndShowsBack) {
    const MarginCase cases[] = {
        {"0,09", 9991, 10000, "0,09"},
        {"0", 4294967295u, 4294967295u, "0"},
        {"1", 4252017622u, 4294967295u, "1,000000"},
        {"2,5", 975, 1000, "2,5"},
        {"12,34", 8766, 10000, "12,34"},
        {"50", 2147483647u, 4294967295u, "50,000000"},
        {"99,99", 1, 10000, "99,99"},
        {"99,00000001", 9999999, 1000000000, "99,000000"},
        {"0,0000001", 9999999, 10000000, "0,00001"},
        {"99,999999999", 1, 1, "0"},
        {"100", 0, 0, "12,34"},          // refused: the margin in force shows again
        {"4294967296,5", 0, 0, "12,34"}, // beyond 32 bits: refused too
    };
    for (const MarginCase& c : cases) {
        SCOPED_TRACE(c.typed);
        if (c.numerator == 0) {
            calc.video_factor_num = 8766;
            calc.video_factor_den = 10000;
        }
        platform_set_field_text(field_margin, c.typed);
        parse_margin_field();
        EXPECT_EQ(calc.video_factor_num, c.numerator != 0 ? c.numerator : 8766u);
        EXPECT_EQ(calc.video_factor_den, c.numerator != 0 ? c.denominator : 10000u);
        margin_from_factor();
        show_margin();
        EXPECT_EQ(field(field_margin), c.shown);
    }
}

TEST_F(SafetyMargin, ChapterCountTakesWholeNumbersOnly) {
    const struct {
        const char* typed;
        uint32_t count;
    } cases[] = {{"3", 3}, {"3,5", 3}, {"7,0", 7}, {"4294967296", 7}, {"x12", 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        platform_set_field_text(field_chapters, c.typed);
        parse_chapter_field();
        EXPECT_EQ(calc.chapter_count, c.count);
        EXPECT_EQ(calc.edit_state & pending_edit_mask, uint32_t{pending_chapters});
    }
    show_chapter_count();
    EXPECT_EQ(field(field_chapters), "12");
}

} // namespace
