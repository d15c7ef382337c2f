// The GTK dialog's notifications in a real window on the test display: what the dialog
// procedure receives, in which order and with which text visible at that moment, for the
// program's own calls, a focus change, typing and a list choice. Input is made with
// GDK's test events, sent through the X server to the window.
#include "platform/gtk/gtk_platform.h"
#include "platform/platform.h"
#include "shell/control_ids.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <string>
#include <vector>

namespace {

struct Notification {
    uint32_t id;
    uint32_t code;
    std::string text; // the control's text when the notification came
    int32_t selection;
    bool operator==(const Notification& other) const {
        return id == other.id && code == other.code && text == other.text &&
               selection == other.selection;
    }
};

std::vector<Notification> received;

std::ostream& operator<<(std::ostream& out, const Notification& n) {
    return out << "{" << n.id << ", " << n.code << ", \"" << n.text << "\", " << n.selection << "}";
}

intptr_t record(PlatformHandle, uint32_t message, uintptr_t word, intptr_t) {
    if (message == message_command) {
        const uint32_t id = static_cast<uint32_t>(word & 0xFFFF);
        char text[256];
        platform_get_field_text(id, text, sizeof text);
        received.push_back(
            {id, static_cast<uint32_t>(word >> 16), text, platform_list_selection(id)});
    }
    return message == message_init_dialog ? 1 : 0;
}

// Lets GTK handle everything the X server has for it.
void settle() {
    GdkDisplay* const display = gdk_display_get_default();
    for (int round = 0; round < 20; ++round) {
        gdk_display_sync(display);
        while (gtk_events_pending()) {
            gtk_main_iteration();
        }
        g_usleep(5000);
    }
}

// A mouse press and release at the middle of a widget (at `dx` from its right edge when
// dx > 0).
void click(GtkWidget* widget, int dx = 0) {
    GtkAllocation allocation;
    gtk_widget_get_allocation(widget, &allocation);
    GtkWidget* const top = gtk_widget_get_toplevel(widget);
    int x = 0;
    int y = 0;
    gtk_widget_translate_coordinates(widget, top,
                                     dx > 0 ? allocation.width - dx : allocation.width / 2,
                                     allocation.height / 2, &x, &y);
    GdkWindow* const window = gtk_widget_get_window(top);
    gdk_test_simulate_button(window, x, y, 1, GdkModifierType(0), GDK_BUTTON_PRESS);
    gdk_test_simulate_button(window, x, y, 1, GdkModifierType(0), GDK_BUTTON_RELEASE);
    settle();
}

void type(GtkWidget* widget, guint key) {
    gdk_test_simulate_key(gtk_widget_get_window(gtk_widget_get_toplevel(widget)), -1, -1, key,
                          GdkModifierType(0), GDK_KEY_PRESS);
    gdk_test_simulate_key(gtk_widget_get_window(gtk_widget_get_toplevel(widget)), -1, -1, key,
                          GdkModifierType(0), GDK_KEY_RELEASE);
    settle();
}

class GtkDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // GDK's test events are core X events, which GDK reads only without XInput 2.
        g_setenv("GDK_CORE_DEVICE_EVENTS", "1", TRUE);
        ASSERT_TRUE(gtk_platform_open()) << "no X display";
    }

    void SetUp() override {
        ASSERT_NE(platform_create_dialog(record), no_handle);
        platform_list_add(field_audio_rate, "64 000");
        platform_list_add(field_audio_rate, "128 000");
        platform_set_field_text(field_audio_rate, "96 000");
        platform_set_field_text(field_length, "90 000");
        platform_show_dialog();
        settle();
        received.clear();
    }

    void TearDown() override {
        platform_destroy_frame_window();
        settle();
    }
};

TEST_F(GtkDialogTest, TheProgramsOwnCallsRaiseNothing) {
    click(gtk_platform_entry(field_audio_rate), 4);
    received.clear();
    platform_set_field_text(field_audio_rate, "1");
    platform_list_reset(field_audio_rate);
    platform_list_add(field_audio_rate, "0");
    platform_set_field_text(field_length, "12");
    platform_check_button(radio_time, true);
    platform_check_radio_button(radio_max_size_bytes, radio_max_size_bits, radio_max_size_bits);
    platform_check_menu_item(platform_get_menu(), cmd_remember_values, menu_checked);
    settle();
    EXPECT_TRUE(received.empty()) << received.front();
    EXPECT_STREQ(gtk_entry_get_text(GTK_ENTRY(gtk_platform_entry(field_length))), "12");
}

TEST_F(GtkDialogTest, FocusChangeTypingAndAListChoiceNotifyAsWin32) {
    click(gtk_platform_entry(field_length), 4);
    click(gtk_platform_entry(field_audio_rate), 4);
    type(gtk_platform_entry(field_audio_rate), GDK_KEY_5);
    click(gtk_platform_arrow(field_audio_rate));
    GtkWidget* const list = gtk_platform_open_list(field_audio_rate);
    ASSERT_NE(list, nullptr);
    // The second item, "64 000" (sorted: "128 000" first).
    GdkRectangle cell;
    GtkTreePath* const path = gtk_tree_path_new_from_indices(1, -1);
    gtk_tree_view_get_cell_area(GTK_TREE_VIEW(list), path, nullptr, &cell);
    gtk_tree_path_free(path);
    int x = 0;
    int y = 0;
    gtk_tree_view_convert_bin_window_to_widget_coords(GTK_TREE_VIEW(list), cell.x + cell.width / 2,
                                                      cell.y + cell.height / 2, &x, &y);
    GtkWidget* const popup = gtk_widget_get_toplevel(list);
    gtk_widget_translate_coordinates(list, popup, x, y, &x, &y);
    gdk_test_simulate_button(gtk_widget_get_window(popup), x, y, 1, GdkModifierType(0),
                             GDK_BUTTON_PRESS);
    gdk_test_simulate_button(gtk_widget_get_window(popup), x, y, 1, GdkModifierType(0),
                             GDK_BUTTON_RELEASE);
    settle();

    const std::vector<Notification> expected = {
        {field_length, notify_set_focus, "90 000", -1},
        {field_length, notify_sel_end_cancel, "90 000", -1},
        {field_length, notify_kill_focus, "90 000", -1},
        {field_audio_rate, notify_set_focus, "96 000", -1},
        {field_audio_rate, notify_edit_update, "96 0005", -1}, // the text already changed
        {field_audio_rate, notify_edit_change, "96 0005", -1},
        {field_audio_rate, notify_drop_down, "96 0005", -1},
        {field_audio_rate, notify_sel_end_ok, "96 0005", 1}, // the old text, the new index
        {field_audio_rate, notify_close_up, "96 0005", 1},
        {field_audio_rate, notify_sel_change, "96 0005", 1},
    };
    EXPECT_EQ(received, expected);
    EXPECT_STREQ(gtk_entry_get_text(GTK_ENTRY(gtk_platform_entry(field_audio_rate))), "64 000");
    EXPECT_EQ(gtk_platform_open_list(field_audio_rate), nullptr);
}

TEST_F(GtkDialogTest, EnterAndEscapeActWithTheListOpen) {
    click(gtk_platform_arrow(field_audio_rate));
    ASSERT_NE(gtk_platform_open_list(field_audio_rate), nullptr);
    received.clear();
    type(gtk_platform_entry(field_audio_rate), GDK_KEY_Return);
    type(gtk_platform_entry(field_audio_rate), GDK_KEY_Escape);
    const std::vector<Notification> expected = {{cmd_apply, 1, "", -1}, {cmd_close, 1, "", -1}};
    EXPECT_EQ(received, expected);
    EXPECT_NE(gtk_platform_open_list(field_audio_rate), nullptr); // the list stays open
}

// Down and Up choose with the list closed (9, 1), F4 opens the list, Down in the open list
// only changes the selection (1), and F4 closes it keeping that (10, 8); the edit shows
// an item only after its notifications.
TEST_F(GtkDialogTest, KeysStepThroughTheList) {
    GtkWidget* const entry = gtk_platform_entry(field_audio_rate);
    click(entry, 4);
    received.clear();
    for (const guint key :
         {GDK_KEY_Down, GDK_KEY_Down, GDK_KEY_Up, GDK_KEY_F4, GDK_KEY_Down, GDK_KEY_F4}) {
        type(entry, key);
    }
    const std::vector<Notification> expected = {
        {field_audio_rate, notify_sel_end_ok, "96 000", 0},
        {field_audio_rate, notify_sel_change, "96 000", 0},
        {field_audio_rate, notify_sel_end_ok, "128 000", 1},
        {field_audio_rate, notify_sel_change, "128 000", 1},
        {field_audio_rate, notify_sel_end_ok, "64 000", 0},
        {field_audio_rate, notify_sel_change, "64 000", 0},
        {field_audio_rate, notify_drop_down, "128 000", 0},
        {field_audio_rate, notify_sel_change, "128 000", 1},
        {field_audio_rate, notify_sel_end_cancel, "64 000", 1},
        {field_audio_rate, notify_close_up, "64 000", 1},
    };
    EXPECT_EQ(received, expected);
    EXPECT_STREQ(gtk_entry_get_text(GTK_ENTRY(entry)), "64 000");
    EXPECT_EQ(gtk_platform_open_list(field_audio_rate), nullptr);
}

// The About box takes the focus (10, 4) but leaves the dialog usable while it is open: a
// click into another field gives the focus back first (3), then moves it (10, 4, 3).
TEST_F(GtkDialogTest, TheAboutBoxLeavesTheDialogUsable) {
    click(gtk_platform_entry(field_length), 4);
    received.clear();
    bool box_was_open = false;
    struct Visit {
        bool* box_was_open;
    } visit = {&box_was_open};
    g_timeout_add(
        50,
        [](gpointer data) -> gboolean {
            GtkWidget* const box = gtk_platform_open_box();
            *static_cast<Visit*>(data)->box_was_open = box != nullptr;
            click(gtk_platform_entry(field_result_size), 4);
            if (box != nullptr) {
                gtk_dialog_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
            }
            return G_SOURCE_REMOVE;
        },
        &visit);
    platform_run_about_box();
    settle();
    EXPECT_TRUE(box_was_open);
    const std::vector<Notification> expected = {
        {field_length, notify_sel_end_cancel, "90 000", -1},
        {field_length, notify_kill_focus, "90 000", -1},
        {field_length, notify_set_focus, "90 000", -1},
        {field_length, notify_sel_end_cancel, "90 000", -1},
        {field_length, notify_kill_focus, "90 000", -1},
        {field_result_size, notify_set_focus, "", -1},
    };
    EXPECT_EQ(received, expected);
    EXPECT_EQ(gtk_platform_open_box(), nullptr);
}

} // namespace
