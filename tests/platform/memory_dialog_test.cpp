// The in-memory dialog notifies as the real controls do. A recording dialog procedure
// stands in for the calculator: it logs every command with what the program would see
// at that moment (the sender's text and selection, the focus), and can react.
#include "platform/memory/memory_dialog.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Seen {
    uint32_t id;
    uint32_t code;
    std::string text;
    int32_t selection;
    uint32_t focus;
};

std::vector<Seen> seen;
std::vector<std::string> marks; // "id:code" per notification, plus what reactions add
std::function<void()> on_init;
std::function<void(uint32_t id, uint32_t code)> on_command;

intptr_t recording_procedure(PlatformHandle, uint32_t message, uintptr_t word, intptr_t) {
    if (message == message_init_dialog) {
        if (on_init) {
            on_init();
        }
        return 1;
    }
    const uint32_t id = word & 0xFFFF;
    const uint32_t code = static_cast<uint32_t>(word >> 16);
    seen.push_back({id, code, memory_field_text(id), memory_selection(id), memory_focus_owner()});
    marks.push_back(std::to_string(id) + ":" + std::to_string(code));
    if (on_command) {
        on_command(id, code);
    }
    return 0;
}

// 175 is the sorted drop-down list of audio rates, 176 an unsorted one, 169 and 170
// simple combo boxes (entry fields), 1198/1199 a radio pair, 1214 a push-like check box.
void fill_dialog() {
    const char* const rates[] = {"96 000", "64 000", "112 000", "0", "128 000"};
    for (const char* rate : rates) {
        platform_list_add(175, rate);
    }
    platform_set_field_text(175, "112 000");
    for (const char* unit : {"b", "Kb", "Mb", "Gb"}) {
        platform_list_add(176, unit);
    }
    platform_set_field_text(176, "b");
    platform_set_field_text(169, "1234");
    platform_check_button(1189, true);
    platform_check_button(1198, true);
    platform_show_dialog();
}

class MemoryDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        memory_reset();
        seen.clear();
        marks.clear();
        on_init = fill_dialog;
        on_command = nullptr;
        ASSERT_NE(platform_create_dialog(recording_procedure), no_handle);
    }
    void TearDown() override {
        on_init = nullptr;
        on_command = nullptr;
        memory_reset();
    }
    // The notifications since the last call, as "id:code" separated by spaces.
    static std::string sequence() {
        std::string out;
        for (const std::string& mark : marks) {
            out += (out.empty() ? "" : " ") + mark;
        }
        marks.clear();
        seen.clear();
        return out;
    }
};

TEST_F(MemoryDialog, StartsSilentlyWithTheFocusOnTheFirstTabStop) {
    EXPECT_EQ(sequence(), "");
    EXPECT_TRUE(memory_dialog_shown());
    EXPECT_TRUE(memory_running());
    EXPECT_EQ(memory_focus_owner(), 1189u);
    EXPECT_FALSE(memory_enabled(1190));
    EXPECT_FALSE(memory_enabled(183));
    EXPECT_TRUE(memory_enabled(175));
}

TEST_F(MemoryDialog, ProgramCallsRaiseNothingAndKeepTheSelectionRules) {
    // The sorted list orders case-insensitively by bytes, whatever the order of adding.
    const char* const sorted[] = {"0", "112 000", "128 000", "64 000", "96 000"};
    ASSERT_EQ(memory_list_count(175), 5u);
    for (uint32_t i = 0; i < 5; ++i) {
        EXPECT_STREQ(memory_list_item(175, i), sorted[i]);
    }
    for (const char* text : {"b", "B", "a", "Zz", "_x"}) {
        platform_list_add(174, text);
    }
    const char* const insertion_order[] = {"b", "B", "a", "Zz", "_x"};
    for (uint32_t i = 0; i < 5; ++i) {
        EXPECT_STREQ(memory_list_item(174, i), insertion_order[i]); // 174 is not sorted
    }

    memory_focus(175);
    ASSERT_TRUE(memory_choose(175, "64 000"));
    sequence();
    platform_set_field_text(175, "7"); // text only: the selection stays
    EXPECT_EQ(memory_selection(175), 3);
    platform_list_add(175, "1"); // sorts before the selected item, which stays selected
    EXPECT_EQ(memory_selection(175), 4);
    EXPECT_STREQ(memory_field_text(175), "7");
    platform_list_reset(175);
    EXPECT_EQ(memory_list_count(175), 0u);
    EXPECT_EQ(memory_selection(175), -1);
    EXPECT_STREQ(memory_field_text(175), "");
    platform_check_menu_item(platform_get_menu(), 32772, menu_checked);
    EXPECT_TRUE(memory_menu_checked(32772));
    EXPECT_FALSE(memory_menu_checked(32771));
    EXPECT_EQ(sequence(), "");

    char buffer[4];
    platform_set_field_text(169, "12345");
    EXPECT_EQ(platform_get_field_text(169, buffer, sizeof buffer), 3u);
    EXPECT_STREQ(buffer, "123");
    char item[256];
    EXPECT_FALSE(platform_list_item_text(175, 0, item));
    EXPECT_FALSE(platform_list_item_text(176, -1, item));
}

TEST_F(MemoryDialog, TellsWhetherTheProgramOrTheUserSetATextLast) {
    EXPECT_TRUE(memory_written_by_program(175));
    EXPECT_FALSE(memory_written_by_program(170)); // never written
    memory_type(175, "1");
    EXPECT_FALSE(memory_written_by_program(175));
    // A text the program writes while it handles the user's change is the program's.
    on_command = [](uint32_t id, uint32_t code) {
        if (id == 169 && code == notify_edit_change) {
            platform_set_field_text(169, "0");
        }
    };
    memory_type(169, "9");
    EXPECT_TRUE(memory_written_by_program(169));
    // The edit shows the chosen item after the close-up: the user's choice.
    on_command = [](uint32_t id, uint32_t code) {
        if (id == 175 && code == notify_close_up) {
            platform_set_field_text(175, "x");
        }
    };
    ASSERT_TRUE(memory_choose(175, "64 000"));
    EXPECT_FALSE(memory_written_by_program(175));
    platform_list_reset(175); // empties the text too
    EXPECT_TRUE(memory_written_by_program(175));
}

TEST_F(MemoryDialog, ProgramRadioCalls) {
    platform_check_button(1199, true); // checks without unchecking the pair
    EXPECT_TRUE(memory_checked(1198));
    EXPECT_TRUE(memory_checked(1199));
    platform_check_radio_button(1189, 1193, 1190); // every id of the range, disabled ones too
    EXPECT_FALSE(memory_checked(1189));
    EXPECT_TRUE(memory_checked(1190));
    EXPECT_TRUE(platform_is_button_checked(1190));
    EXPECT_EQ(sequence(), "");
}

TEST_F(MemoryDialog, FocusMovesBetweenComboBoxesWithCancelKillAndSetFocus) {
    memory_focus(175);
    EXPECT_EQ(sequence(), "175:3");
    memory_focus(175); // into the combo box that has the focus
    EXPECT_EQ(sequence(), "");
    memory_focus(169);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].focus, 169u); // the focus is already the new one while the old reports
    EXPECT_EQ(sequence(), "175:10 175:4 169:3");
    memory_focus(170); // a simple combo box loses the focus the same way
    EXPECT_EQ(sequence(), "169:10 169:4 170:3");
    memory_click(1199);
    EXPECT_EQ(sequence(), "170:10 170:4 1199:0");
    memory_focus(176); // leaving a button says nothing
    EXPECT_EQ(sequence(), "176:3");
}

TEST_F(MemoryDialog, TypingReportsEveryChangeWithTheTextAlreadyChanged) {
    memory_type(169, "5a");
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[1].text, "12345");
    EXPECT_EQ(seen[2].text, "12345");
    EXPECT_EQ(seen[4].text, "12345a"); // nothing is filtered
    EXPECT_EQ(sequence(), "169:3 169:6 169:5 169:6 169:5");

    memory_backspace(169, 2);
    EXPECT_STREQ(memory_field_text(169), "1234");
    EXPECT_EQ(sequence(), "169:6 169:5 169:6 169:5");
    memory_backspace(169, 9); // four characters to delete, then nothing more happens
    EXPECT_EQ(sequence(), "169:6 169:5 169:6 169:5 169:6 169:5 169:6 169:5");
    memory_backspace(169, 1);
    EXPECT_EQ(sequence(), "");

    platform_set_field_text(169, "ab");
    memory_replace(169, "xy"); // the first key replaces the selection, the next one appends
    EXPECT_STREQ(memory_field_text(169), "xy");
    EXPECT_EQ(sequence(), "169:6 169:5 169:6 169:5");
    memory_paste(169, "4 711");
    EXPECT_STREQ(memory_field_text(169), "4 711");
    EXPECT_EQ(sequence(), "169:6 169:5");
    memory_replace(169, ""); // Delete on the selection
    EXPECT_STREQ(memory_field_text(169), "");
    EXPECT_EQ(sequence(), "169:6 169:5");
    memory_replace(169, "");
    memory_paste(169, "");
    EXPECT_EQ(sequence(), "");
}

// The unit selectors (18 pixels) and the medium field 174 (84 pixels) do not scroll.
// How many of one character typing puts into an empty field, as measured on the real
// dialog under Wine.
TEST_F(MemoryDialog, UnscrolledFieldsTakeTypedCharactersOnlyWhileTheyFit) {
    struct Case {
        char c;
        uint32_t unit_selector;
        uint32_t medium;
    };
    const Case cases[] = {{'i', 9, 42}, {'0', 3, 14}, {'W', 1, 7}, {' ', 6, 28}, {'m', 2, 10}};
    for (const uint32_t id : {172u, 174u, 176u, 178u, 179u, 180u}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(id) + " '" + c.c + "'");
            platform_set_field_text(id, "");
            memory_type(id, std::string(60, c.c).c_str());
            EXPECT_EQ(std::string(memory_field_text(id)),
                      std::string(id == 174 ? c.medium : c.unit_selector, c.c));
        }
    }
}

TEST_F(MemoryDialog, ACharacterThatDoesNotFitIsRefusedButReported) {
    platform_set_field_text(174, "");
    memory_type(174, "4,7 GB Rohling vom ");
    // "o" and "m" do not fit after "v"; the narrower blank still does.
    EXPECT_STREQ(memory_field_text(174), "4,7 GB Rohling v ");
    ASSERT_EQ(seen.size(), 1u + 2 * 16 + 3 + 3 + 2);
    const std::vector<Seen> refused(seen.end() - 8, seen.end() - 2);
    sequence();
    for (const Seen& s : refused) {
        EXPECT_EQ(s.text, "4,7 GB Rohling v");
    }
    memory_type(174, "i");
    EXPECT_EQ(sequence(), "174:65535 174:6 174:5");
    EXPECT_STREQ(memory_field_text(174), "4,7 GB Rohling v ");

    // A refused character is a change like any other for the selection: the first one
    // after a choice keeps it, the next one drops it.
    memory_focus(176);
    ASSERT_TRUE(memory_choose(176, "Mb"));
    sequence();
    memory_type(176, "W");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].selection, 2);
    EXPECT_EQ(seen[2].selection, 2);
    EXPECT_EQ(sequence(), "176:65535 176:6 176:5");
    memory_type(176, "W");
    EXPECT_EQ(seen[2].selection, -1);
    EXPECT_STREQ(memory_field_text(176), "Mb");
}

TEST_F(MemoryDialog, APastedTextKeepsItsLongestBeginningThatFits) {
    struct Case {
        uint32_t id;
        const char* pasted;
        const char* kept;
        const char* sequence;
    };
    const Case cases[] = {
        {174, "4,7 GB Rohling vom Discounter", "4,7 GB Rohling v", "174:65535 174:6 174:5"},
        {174, "870 MB", "870 MB", "174:6 174:5"},
        {174, "700 MB / 80 Min.", "700 MB / 80 Min.", "174:6 174:5"}, // 83 pixels
        {176, "MBMBMBMB", "MB", "176:65535 176:6 176:5"},
        {180, "Gb", "Gb", "180:6 180:5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasted);
        memory_focus(c.id);
        sequence();
        memory_paste(c.id, c.pasted);
        EXPECT_STREQ(memory_field_text(c.id), c.kept);
        EXPECT_EQ(sequence(), c.sequence);
    }
}

TEST_F(MemoryDialog, ProgramTextsAndListChoicesKeepAnyWidth) {
    const char* const wide = "4,7 GB Rohling vom Discounter, gepr\xFC"
                             "ft und doppelt gebrannt";
    platform_set_field_text(174, wide);
    platform_set_field_text(176, "MBMBMBMB");
    EXPECT_STREQ(memory_field_text(174), wide);
    EXPECT_STREQ(memory_field_text(176), "MBMBMBMB");
    EXPECT_EQ(sequence(), "");

    platform_list_add(174, "1,4 GB");
    platform_list_add(174, wide);
    memory_focus(174);
    sequence();
    ASSERT_TRUE(memory_choose(174, wide));
    EXPECT_STREQ(memory_field_text(174), wide);
    EXPECT_STREQ(memory_list_item(174, 1), wide);
    EXPECT_EQ(sequence(), "174:7 174:9 174:8 174:1");
}

// A text wider than the field (written by the program or chosen from the list) refuses
// every insertion whole and gives characters up only to Backspace or Delete; a change
// that leaves a text that fits is taken as usual.
TEST_F(MemoryDialog, ATextWiderThanTheFieldRefusesInsertionsOnly) {
    const std::string wide = "4,7 GBxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"; // 49
    platform_set_field_text(174, wide.c_str());
    memory_type(174, "y");
    EXPECT_EQ(memory_field_text(174), wide);
    EXPECT_EQ(sequence(), "174:3 174:65535 174:6 174:5");
    memory_backspace(174, 1);
    EXPECT_EQ(memory_field_text(174), wide.substr(0, 48));
    EXPECT_EQ(sequence(), "174:6 174:5");
    memory_paste(174, "4,7 GB");
    EXPECT_STREQ(memory_field_text(174), "4,7 GB");
    EXPECT_EQ(sequence(), "174:6 174:5");

    platform_set_field_text(176, "MBMBMBMB");
    memory_replace(176, "Kb"); // the first key replaces the whole text
    EXPECT_STREQ(memory_field_text(176), "Kb");
    EXPECT_EQ(sequence(), "174:10 174:4 176:3 176:6 176:5 176:6 176:5");
    platform_set_field_text(176, "MBMBMBMB");
    memory_replace(176, "");
    EXPECT_STREQ(memory_field_text(176), "");
    EXPECT_EQ(sequence(), "176:6 176:5");
}

TEST_F(MemoryDialog, ScrollingFieldsTakeTextOfAnyWidth) {
    for (const uint32_t id : {175u, 169u, 181u}) {
        SCOPED_TRACE(id);
        platform_set_field_text(id, "");
        memory_type(id, std::string(100, 'W').c_str());
        EXPECT_EQ(std::string(memory_field_text(id)), std::string(100, 'W'));
        memory_paste(id, std::string(200, 'W').c_str());
        EXPECT_EQ(std::string(memory_field_text(id)), std::string(200, 'W'));
        EXPECT_EQ(sequence().find("65535"), std::string::npos);
    }
}

TEST_F(MemoryDialog, TypedChangesDropTheSelectionExceptFirstAfterAChoice) {
    memory_focus(175);
    ASSERT_TRUE(memory_choose(175, "64 000"));
    sequence();
    memory_type(175, "96"); // "64 0009", then "64 00096"
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].selection, 3);
    EXPECT_EQ(seen[1].selection, 3); // the first change after the choice keeps the index
    EXPECT_EQ(seen[2].selection, 3);
    EXPECT_EQ(seen[3].selection, -1); // reset between 6 and 5
    sequence();

    memory_replace(175, "96 000"); // equal to an item, still no selection
    EXPECT_EQ(seen.back().selection, -1);
    EXPECT_EQ(memory_selection(175), -1);
}

// Only opening the same list again ends the exception of the first change after a choice;
// what happens in between otherwise leaves it.
TEST_F(MemoryDialog, OnlyOpeningTheSameListEndsTheExceptionOfAChoice) {
    struct Case {
        const char* between;
        std::function<void()> act;
        int32_t selection; // after the first typed change
    };
    const Case cases[] = {
        {"nothing", [] {}, 3},
        {"the same list opened and closed", [] { memory_dropdown(175); }, -1},
        {"the focus moved away and back", [] { memory_focus(169); }, 3},
        {"a text written by the program", [] { platform_set_field_text(175, "64 000"); }, 3},
        {"another list opened and closed", [] { memory_dropdown(176); }, 3},
        {"the same list opened, then an item chosen again",
         [] {
             memory_dropdown(175);
             ASSERT_TRUE(memory_choose(175, "64 000"));
         },
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.between);
        ASSERT_TRUE(memory_choose(175, "64 000"));
        c.act();
        memory_type(175, "1");
        EXPECT_STREQ(memory_field_text(175), "64 0001");
        EXPECT_EQ(memory_selection(175), c.selection);
    }
}

TEST_F(MemoryDialog, ChoosingWithTheMouse) {
    memory_focus(169);
    sequence();
    ASSERT_TRUE(memory_choose(175, "64 000"));
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_EQ(seen[3].code, notify_drop_down);
    EXPECT_EQ(seen[3].selection, -1); // the list is not open yet
    for (size_t i = 4; i < 7; ++i) {  // 9, 8, 1: new index, old text
        EXPECT_EQ(seen[i].selection, 3);
        EXPECT_EQ(seen[i].text, "112 000");
    }
    EXPECT_EQ(sequence(), "169:10 169:4 175:3 175:7 175:9 175:8 175:1");
    EXPECT_STREQ(memory_field_text(175), "64 000"); // only after 1, with no 6 or 5
    EXPECT_EQ(memory_focus_owner(), 175u);

    ASSERT_TRUE(memory_choose(175, "64 000")); // the item already selected
    EXPECT_EQ(sequence(), "175:7 175:9 175:8 175:1");

    EXPECT_FALSE(memory_choose(175, "5"));    // no such item: nothing at all
    EXPECT_FALSE(memory_choose(169, "1234")); // no drop-down list
    EXPECT_EQ(sequence(), "");
}

TEST_F(MemoryDialog, OpeningTheListShowsTheItemTheTextBegins) {
    struct Case {
        uint32_t id;
        const char* typed;
        int32_t selection;
        const char* shown; // the edit text from the opening on
    };
    const Case cases[] = {
        {175, "1", 1, "112 000"},     {175, "12", 2, "128 000"}, {175, "9", 4, "96 000"},
        {175, "96 000", 4, "96 000"}, {175, "5", -1, "5"},       {175, "", -1, ""},
        {176, "MB", 2, "Mb"},         {176, "k", 1, "Kb"},       {176, "Gb", 3, "Gb"},
        {176, "x", -1, "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        memory_replace(c.id, c.typed);
        sequence();
        memory_dropdown(c.id);
        ASSERT_EQ(seen.size(), 3u);
        EXPECT_EQ(seen[0].text, c.typed); // still the typed text while 7 is handled
        EXPECT_EQ(seen[1].text, c.shown);
        EXPECT_EQ(seen[2].text, c.shown);
        const std::string id = std::to_string(c.id);
        EXPECT_EQ(sequence(), id + ":7 " + id + ":10 " + id + ":8"); // no 6 or 5
        EXPECT_EQ(memory_selection(c.id), c.selection);
        EXPECT_STREQ(memory_field_text(c.id), c.shown);
        EXPECT_FALSE(memory_written_by_program(c.id));
    }
    // The next typed change drops the selection again, unlike the first one after a choice.
    memory_replace(175, "9");
    memory_dropdown(175);
    memory_type(175, "1");
    EXPECT_STREQ(memory_field_text(175), "96 0001");
    EXPECT_EQ(memory_selection(175), -1);
}

TEST_F(MemoryDialog, ButtonsChangeStateBeforeTheirClick) {
    on_command = [](uint32_t id, uint32_t) { marks.back() += memory_checked(id) ? "+" : "-"; };
    memory_focus(175);
    sequence();
    memory_click(1199);
    EXPECT_FALSE(memory_checked(1198));
    EXPECT_EQ(memory_focus_owner(), 1199u);
    EXPECT_EQ(sequence(), "175:10- 175:4- 1199:0+");
    memory_click(1199); // already checked: clicked again
    EXPECT_EQ(sequence(), "1199:0+");
    memory_click(1214);
    memory_click(1214);
    EXPECT_EQ(sequence(), "1214:0+ 1214:0-");

    memory_focus(175);
    sequence();
    memory_click(1190); // disabled: nothing at all
    EXPECT_EQ(sequence(), "");
    EXPECT_EQ(memory_focus_owner(), 175u);

    // The group walk skips disabled buttons, so a checked "VCD" stays checked.
    platform_check_button(1190, true);
    memory_click(1193);
    EXPECT_FALSE(memory_checked(1189));
    EXPECT_TRUE(memory_checked(1190));
    EXPECT_TRUE(memory_checked(1193));
}

TEST_F(MemoryDialog, KeysMenuAndCloseBoxLeaveTheFocusAlone) {
    memory_focus(175);
    sequence();
    memory_key_enter();
    memory_key_escape();
    memory_key_about();
    EXPECT_EQ(sequence(), "32773:1 32774:1 104:1");
    memory_menu(32771);
    memory_menu(105);
    memory_menu(1234); // no such menu item
    EXPECT_EQ(sequence(), "32771:0 105:0");
    memory_close_box();
    EXPECT_EQ(sequence(), "2:0");
    EXPECT_EQ(memory_focus_owner(), 175u);
}

TEST_F(MemoryDialog, MessageBoxTakesTheFocusUntilTheNextClick) {
    const uint32_t earlier = memory_message_count(); // the log outlives every restart
    on_command = [](uint32_t id, uint32_t code) {
        if (id == 175 && code == notify_edit_change) {
            marks.push_back("box>");
            marks.push_back("answer " +
                            std::to_string(platform_message_box("text", "FEHLER !", box_ok)));
        }
    };
    memory_type(175, "5");
    EXPECT_EQ(sequence(), "175:3 175:6 175:5 box> 175:10 175:4 answer 1");
    EXPECT_EQ(memory_focus_owner(), memory_no_focus);
    on_command = nullptr;

    memory_key_enter(); // keys do not bring the focus back
    EXPECT_EQ(sequence(), "32773:1");
    memory_focus(169); // the click gives the focus back first, then moves it
    EXPECT_EQ(sequence(), "175:3 175:10 175:4 169:3");

    ASSERT_EQ(memory_message_count(), earlier + 1);
    EXPECT_EQ(memory_message(earlier).caption, "FEHLER !");
    EXPECT_EQ(memory_message(earlier).text, "text");
    EXPECT_EQ(memory_message(earlier).style, box_ok);
}

TEST_F(MemoryDialog, AboutBoxTakesTheFocusLikeAMessageBox) {
    const uint32_t earlier = memory_about_count();
    memory_focus(175);
    sequence();
    platform_run_about_box();
    EXPECT_EQ(sequence(), "175:10 175:4");
    EXPECT_EQ(memory_about_count(), earlier + 1);
    memory_click(1199);
    EXPECT_EQ(sequence(), "175:3 175:10 175:4 1199:0");
}

TEST_F(MemoryDialog, YesNoAnswersArePreparedOnceAndSurviveAReset) {
    const uint32_t messages = memory_message_count();
    const uint32_t about_boxes = memory_about_count();
    const uint32_t question = box_yes_no | box_icon_question | box_default_button2;
    EXPECT_EQ(platform_message_box("q", "c", question), answer_no);
    memory_answer_next_yes_no(true);
    EXPECT_EQ(platform_message_box("ok", "c", box_ok), answer_ok); // an OK box uses nothing
    memory_reset();
    EXPECT_EQ(platform_message_box("q", "c", question), answer_yes);
    EXPECT_EQ(platform_message_box("q", "c", question), answer_no);
    platform_run_about_box();
    memory_reset();
    EXPECT_EQ(memory_message_count(), messages + 4); // the log and the About count stay
    EXPECT_EQ(memory_about_count(), about_boxes + 1);
    EXPECT_FALSE(memory_running());
    EXPECT_FALSE(memory_dialog_shown());
}

TEST_F(MemoryDialog, EndingTheDialogTakesTheFocusFirstAndStopsTheUser) {
    memory_focus(175);
    sequence();
    on_command = [](uint32_t id, uint32_t) {
        if (id == 32774) {
            platform_end_dialog(id);
            marks.push_back("ended");
            platform_destroy_frame_window();
            platform_post_quit(3); // the frame window's quit message came first
        }
    };
    memory_key_escape();
    EXPECT_EQ(sequence(), "32774:1 175:10 175:4 ended");
    EXPECT_TRUE(memory_dialog_ended());
    EXPECT_FALSE(memory_dialog_shown());
    EXPECT_FALSE(memory_running());
    EXPECT_EQ(memory_exit_code(), 0u);
    EXPECT_EQ(memory_focus_owner(), memory_no_focus);

    memory_type(175, "1");
    memory_click(1199);
    memory_key_enter();
    memory_close_box();
    EXPECT_EQ(sequence(), "");
}

} // namespace
