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
    EXPECT_EQ(edit_char_width(0xAD), 0u); // a soft hyphen shows only at a line break
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
    // As the edit field lays out its line: a soft hyphen, and the blanks right after it, take
    // no room (measured under Wine).
    const struct {
        const char* text;
        uint32_t width;
    } laid_out[] = {
        {"86\xAD"
         "7",
         18},
        {"000\xAD  ", 18},
        {"00\xAD 0 ", 21},
        {"0\xAD 0\xAD 0", 18},
        {"0 \xAD"
         "0",
         15},
        {"\xAD", 0},
    };
    for (const auto& t : laid_out) {
        EXPECT_EQ(edit_text_width(t.text, std::strlen(t.text)), t.width) << t.text;
    }
}

TEST(EditWidth, AnInsertionLosesItsLastCharactersUntilTheTextFits) {
    const struct {
        const char* text; // after the change
        uint32_t start;
        uint32_t count;
        uint32_t limit;
        uint32_t kept;
    } cases[] = {
        {"0000", 0, 4, 18, 3},       // "000" fills 18 pixels
        {"000\xAD  0", 3, 4, 18, 3}, // the soft hyphen and its blanks take no room
        {"00\xAD 0 ", 2, 4, 18, 3},  // a blank after "0" does
        {"0\xAD"
         "0 0",
         1, 2, 12, 1},                         // " 0" after the insertion follows the soft hyphen
        {"4,7 GB Rohling vom", 0, 18, 84, 16}, // "o" and "m" do not fit
        {"ab", 0, 2, 0, 2},                    // no limit
    };
    for (const auto& c : cases) {
        EXPECT_EQ(edit_fitting_count(c.text, c.start, c.count, c.limit), c.kept) << c.text;
    }
}

} // namespace
