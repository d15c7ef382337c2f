// The combo box rules that only the keyboard reaches (the in-memory dialog's tests cover
// the rest through its user actions): Down and Up at the ends of the list, and what a
// closed list keeps of a selection made with the keys.
#include "platform/shared/combo_box.h"

#include "platform/platform.h"
#include "shell/control_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> heard; // "code text selection" at each notification
ComboBox box;

void hear(uint32_t, uint32_t code) {
    heard.push_back(std::to_string(code) + " " + box.text + " " + std::to_string(box.selection));
}

void fill(std::initializer_list<const char*> items, const char* text) {
    combo_init(box, field_audio_rate, false, 0, "");
    for (const char* item : items) {
        combo_add(box, item);
    }
    combo_set_text(box, text);
    heard.clear();
}

TEST(ComboBoxKeys, DownAndUpChooseWithinTheEndsAndShowTheItemAfterwards) {
    fill({"a", "b"}, "x");
    combo_key_step(box, -1, false, hear); // from no selection: the first item
    combo_key_step(box, 1, false, hear);
    combo_key_step(box, 1, false, hear); // at the last item: stays, still reported
    const std::vector<std::string> expected = {"9 x 0", "1 x 0", "9 a 1",
                                               "1 a 1", "9 b 1", "1 b 1"};
    EXPECT_EQ(heard, expected);
    EXPECT_STREQ(box.text, "b");
    fill({}, "x");
    combo_key_step(box, 1, false, hear); // an empty list: nothing
    EXPECT_TRUE(heard.empty());
}

TEST(ComboBoxKeys, AClosedListKeepsTheKeysChoiceOnlyWhenClosedWithTheKeyboard) {
    for (const bool with_mouse : {true, false}) {
        fill({"a", "b", "c"}, "a");
        combo_open_list(box, hear);         // selects "a", 0
        combo_key_step(box, 1, true, hear); // open: only 1, then "b"
        combo_close_unchosen(box, with_mouse, hear);
        EXPECT_EQ(box.selection, with_mouse ? 0 : 1) << with_mouse;
        EXPECT_STREQ(box.text, "b") << with_mouse; // the text stays either way
        const std::string close = with_mouse ? " b 0" : " b 1";
        const std::vector<std::string> expected = {"7 a -1", "1 a 1", "10" + close, "8" + close};
        EXPECT_EQ(heard, expected) << with_mouse;
    }
}

} // namespace
