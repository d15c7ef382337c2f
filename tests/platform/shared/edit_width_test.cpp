// The widths the in-memory dialog gives the edit fields and their font, as measured on
// the real dialog under Wine.
#include "platform/shared/edit_width.h"
#include "shell/control_ids.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(EditWidth, OnlyDropDownsWithoutAutomaticScrollingHaveALimit) {
    const struct {
        uint32_t id;
        uint32_t limit;
    } fields[] = {
        {selector_max_size, 18},
        {selector_audio, 18},
        {selector_result, 18},
        {selector_reserve, 18},
        {selector_video, 18},
        {field_medium, 84}, // 27 and 71 units
        {field_audio_rate, 0},
        {field_optimise, 0},
        {field_length, 0},
        {field_video_rate, 0},
        {field_chapters, 0}, // CBS_AUTOHSCROLL
        {radio_dvd, 0},
        {group_output_format, 0},
        {0, 0},
        {9999, 0}, // no combo boxes
    };
    for (const auto& field : fields) {
        EXPECT_EQ(edit_width_limit(field.id), field.limit) << field.id;
    }
}

TEST(EditWidth, TextsMeasureAsTheSumOfTheirCharacters) {
    EXPECT_EQ(edit_char_width(' '), 3u);
    EXPECT_EQ(edit_char_width('W'), 11u);
    EXPECT_EQ(edit_char_width('i'), 2u);
    EXPECT_EQ(edit_char_width(0xFC), 6u); // "ü"
    EXPECT_EQ(edit_char_width(0xFF), 5u);
    EXPECT_EQ(edit_char_width(0x1F), 0u); // control characters were not measured
    // Whole texts as GetTextExtentPoint32A measured them.
    const struct {
        const char* text;
        uint32_t width;
    } texts[] = {
        {"4,7 GB Rohling v ", 84},
        {"700 MB / 80 Min.", 83},
        {"AVAWTy", 44},
        {"\xC4rger", 25},
        {"", 0},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(edit_text_width(t.text, std::strlen(t.text)), t.width) << t.text;
    }
    EXPECT_EQ(edit_text_width("4,7 GB Rohling v ", 6), edit_text_width("4,7 GB", 6));
}

} // namespace
