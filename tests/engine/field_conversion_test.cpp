#include "engine/field_conversion.h"

#include "calculator_fixture.h"

namespace {

using FieldConversion = CalculatorTest;

struct RateCase {
    uint32_t unit_flags; // audio_in_bytes and the audio prefix
    uint32_t rate;
    const char* text;
    uint32_t read_back;
};

TEST_F(FieldConversion, RateShownInItsUnitAndReadBack) {
    const RateCase cases[] = {
        {0, 224000, "224 000", 224000},
        {1u << audio_prefix_shift, 224000, "218,75", 224000},
        {audio_in_bytes | 1u << audio_prefix_shift, 224000, "27,344", 224002},
        {audio_in_bytes, 224001, "28 000", 224000}, // whole bytes; the bits only round
        {audio_in_bytes, 224003, "28 001", 224008},  // 3/8 of a byte rounds up
        {3u << audio_prefix_shift, 48000, "0,000044704", 48000},
    };
    for (const RateCase& c : cases) {
        SCOPED_TRACE(c.text);
        calc.mode_flags = (calc.mode_flags & ~preset_unit_mask) | c.unit_flags;
        calc.audio_rate = c.rate;
        calc.edit_state &= ~audio_reread_done;
        show_audio_rate();
        EXPECT_EQ(field(field_audio_rate), c.text);
        EXPECT_EQ(calc.audio_rate_shown, c.read_back);
        EXPECT_EQ(calc.audio_rate, c.rate);
        EXPECT_NE(calc.edit_state & audio_reread_done, 0u);
    }
}

TEST_F(FieldConversion, VideoRateInMegabitsReadsBackRoundedDown) {
    calc.mode_flags = (calc.mode_flags & ~preset_unit_mask) | 2u << video_prefix_shift;
    calc.video_rate = 10037558;
    calc.edit_state &= ~video_reread_done;
    show_video_rate();
    EXPECT_EQ(field(field_video_rate), "9,572561");
    EXPECT_EQ(calc.video_rate_shown, 10037557u);

    // With the bit set the shown rate keeps its value although the text changes.
    calc.video_rate = 1;
    show_video_rate();
    EXPECT_EQ(field(field_video_rate), "0,000001");
    EXPECT_EQ(calc.video_rate_shown, 10037557u);
}

TEST_F(FieldConversion, DataAmountsInEachUnit) {
    MixedNumber display{};
    EXPECT_EQ(size_to_display(37020000000u, false, 3, display), 7u);
    EXPECT_EQ(display.whole, 4u);
    EXPECT_EQ(display.numerator, 332532704u);

    calc.max_size_bits = 37020000000u;
    calc.mode_flags |= 3u << max_size_prefix_shift;
    show_max_size();
    EXPECT_EQ(field(field_max_size), "4,3096952");

    calc.mode_flags = (calc.mode_flags & ~preset_unit_mask) | max_size_in_bits;
    calc.max_size_bits = 37020000001u;
    show_max_size();
    EXPECT_EQ(field(field_max_size), "37 020 000 001");
}

TEST_F(FieldConversion, ReadingScalesBackToBitsRoundedDown) {
    MixedNumber display{};
    platform_set_field_text(field_max_size, "4,7");
    EXPECT_EQ(read_size_field(field_max_size, false, 3, display), 40372692582u);
    platform_set_field_text(field_max_size, "1,1");
    EXPECT_EQ(read_size_field(field_max_size, true, 0, display), 1u); // bits: no fraction
    platform_set_field_text(field_audio_rate, "218,75");
    EXPECT_EQ(read_rate_field(field_audio_rate, false, 1, display), 224000u);
    // A rate needs no more than 32 bits: ten digits beyond that read as 0.
    platform_set_field_text(field_video_rate, "5000000000");
    EXPECT_EQ(read_rate_field(field_video_rate, false, 0, display), 0u);
    platform_set_field_text(field_video_rate, "4294967295");
    EXPECT_EQ(read_rate_field(field_video_rate, false, 0, display), 4294967295u);
    // Bytes times 8 wrap at 32 bits like every rate product.
    EXPECT_EQ(read_rate_field(field_video_rate, true, 0, display), 4294967288u);
}

} // namespace
