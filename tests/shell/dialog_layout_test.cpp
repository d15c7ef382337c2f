#include "shell/dialog_layout.h"

#include "shell/control_ids.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Ids = std::vector<int32_t>;

Ids controls_where(bool (*predicate)(const ControlLayout&)) {
    Ids ids;
    for (uint32_t i = 0; i < calculator_dialog.control_count; ++i) {
        if (predicate(calculator_dialog.controls[i])) {
            ids.push_back(calculator_dialog.controls[i].id);
        }
    }
    return ids;
}

bool is_auto_radio(const ControlLayout& control) {
    return control.control_class == class_button &&
           (control.style & button_type_mask) == button_auto_radio;
}

} // namespace

TEST(DialogLayout, RadioGroupsFollowTheGroupStyleInCreationOrder) {
    std::vector<Ids> groups;
    for (uint32_t i = 0; i < calculator_dialog.control_count; ++i) {
        const ControlLayout& control = calculator_dialog.controls[i];
        if (i == 0 || (control.style & style_group) != 0) {
            groups.emplace_back();
        }
        if (is_auto_radio(control)) {
            groups.back().push_back(control.id);
        }
    }
    std::vector<Ids> radio_groups;
    for (const Ids& group : groups) {
        if (!group.empty()) {
            radio_groups.push_back(group);
        }
    }
    const std::vector<Ids> expected = {
        {radio_dvd, radio_vcd, radio_svcd, radio_free}, {radio_frames, radio_time},
        {radio_max_size_bytes, radio_max_size_bits},    {radio_result_bytes, radio_result_bits},
        {radio_audio_bytes, radio_audio_bits},          {radio_video_bytes, radio_video_bits},
        {radio_reserve_bytes, radio_reserve_bits}};
    EXPECT_EQ(radio_groups, expected);
}

// What no behaviour test would notice: a control gone, a disabled control enabled (the
// SVCD choice stays closed to the user), a combo box without the extended style the
// window system gives it.
TEST(DialogLayout, ControlsNoBehaviourTestWouldMiss) {
    EXPECT_EQ(calculator_dialog.control_count, 43u);
    EXPECT_EQ(controls_where([](const ControlLayout& c) {
                  return c.id != -1 && (c.style & style_disabled) != 0;
              }),
              (Ids{radio_vcd, radio_svcd, field_chapters}));
    EXPECT_EQ(controls_where([](const ControlLayout& c) {
                  return (c.control_class == class_combo_box) != (c.extended_style == 0x10);
              }),
              Ids{});
}

TEST(DialogLayout, LookupAndWindows1252Captions) {
    ASSERT_NE(find_control(1002), nullptr);
    EXPECT_STREQ(find_control(1002)->caption, "L\xE4nge");
    EXPECT_STREQ(find_control(1008)->caption, "optimieren f\xFCr :");
    EXPECT_EQ(find_control(-1), nullptr); // the two texts have no id to find them by
    EXPECT_EQ(find_control(1191), nullptr);
}
