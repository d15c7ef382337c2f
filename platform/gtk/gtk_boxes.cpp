#include "platform/gtk/gtk_boxes.h"

#include "platform/gtk/gtk_icons.h"
#include "platform/platform.h"
#include "platform/shared/text_encoding.h"
#include "shell/about_box.h"

#include <string>

namespace {

GtkWidget* owner;
void (*lend_focus_to_box)();
void (*watch_message_box)(const char*, const char*, uint32_t);
void (*watch_about_box)();
GtkWidget* open_box;

std::string to_utf8(const char* text) {
    return windows1252_to_utf8(text);
}

// A title bar of the box's own: a bare X display has no window manager to draw one.
void add_title_bar(GtkWidget* box, const std::string& title) {
    GtkWidget* const bar = gtk_header_bar_new();
    gtk_header_bar_set_title(GTK_HEADER_BAR(bar), title.c_str());
    gtk_header_bar_set_show_close_button(GTK_HEADER_BAR(bar), TRUE);
    gtk_header_bar_set_decoration_layout(GTK_HEADER_BAR(bar), ":close");
    gtk_widget_show(bar);
    gtk_window_set_titlebar(GTK_WINDOW(box), bar);
}

// A box's own loop, which runs until the box is answered or goes with its owner.
struct BoxRun {
    GMainLoop* loop;
    int response;
    bool destroyed;
};

void on_box_response(GtkDialog*, int response, gpointer data) {
    BoxRun& run = *static_cast<BoxRun*>(data);
    run.response = response;
    g_main_loop_quit(run.loop);
}

void on_box_destroy(GtkWidget*, gpointer data) {
    BoxRun& run = *static_cast<BoxRun*>(data);
    run.destroyed = true;
    g_main_loop_quit(run.loop);
}

// Shows the box and runs its loop until it is answered. A modal box (the message boxes,
// task modal) keeps the dialog from input meanwhile; the About box, owned by the hidden
// frame window, leaves the dialog usable, and goes when the dialog closes.
int run_box(GtkWidget* box, bool modal) {
    if (owner != nullptr) {
        gtk_window_set_transient_for(GTK_WINDOW(box), GTK_WINDOW(owner));
        gtk_window_set_destroy_with_parent(GTK_WINDOW(box), TRUE);
    }
    // Over the dialog while it shows, else in the middle of the screen.
    gtk_window_set_position(GTK_WINDOW(box), owner != nullptr && gtk_widget_get_visible(owner)
                                                 ? GTK_WIN_POS_CENTER_ON_PARENT
                                                 : GTK_WIN_POS_CENTER);
    if (!modal) {
        // The About box stands where its template puts it: 22, 17 units from the top left.
        gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_NONE);
        gtk_window_move(GTK_WINDOW(box), 22 * 2, 17 * 2);
    }
    gtk_window_set_modal(GTK_WINDOW(box), modal ? TRUE : FALSE);
    if (lend_focus_to_box != nullptr) {
        lend_focus_to_box();
    }
    BoxRun run = {g_main_loop_new(nullptr, FALSE), GTK_RESPONSE_NONE, false};
    const gulong response_handler =
        g_signal_connect(box, "response", G_CALLBACK(on_box_response), &run);
    const gulong destroy_handler =
        g_signal_connect(box, "destroy", G_CALLBACK(on_box_destroy), &run);
    GtkWidget* const outer = open_box;
    open_box = box;
    gtk_widget_show(box);
    g_main_loop_run(run.loop);
    open_box = outer;
    g_main_loop_unref(run.loop);
    if (!run.destroyed) {
        g_signal_handler_disconnect(box, response_handler);
        g_signal_handler_disconnect(box, destroy_handler);
        gtk_widget_destroy(box);
    }
    return run.response;
}

} // namespace

void gtk_boxes_attach(GtkWidget* window, void (*lend_focus)()) {
    owner = window;
    lend_focus_to_box = lend_focus;
}

void gtk_boxes_watch(void (*message_box)(const char*, const char*, uint32_t), void (*about_box)()) {
    watch_message_box = message_box;
    watch_about_box = about_box;
}

GtkWidget* gtk_boxes_open_box() {
    return open_box;
}

// A message box as the window system draws one: the question icon when asked for, the
// text, and the buttons of the standard size (50 x 14 dialog units) centred below it.
uint32_t gtk_boxes_message_box(const char* text, const char* caption, uint32_t style) {
    if (watch_message_box != nullptr) {
        watch_message_box(text, caption, style);
    }
    const bool yes_no = (style & 0xF) == box_yes_no;
    GtkWidget* const box = gtk_dialog_new();
    const std::string title = to_utf8(caption);
    gtk_window_set_title(GTK_WINDOW(box), title.c_str());
    add_title_bar(box, title);
    gtk_window_set_resizable(GTK_WINDOW(box), FALSE);
    GtkWidget* const row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
    gtk_container_set_border_width(GTK_CONTAINER(row), 12);
    if ((style & box_icon_question) == box_icon_question) {
        gtk_box_pack_start(GTK_BOX(row),
                           gtk_image_new_from_icon_name("dialog-question", GTK_ICON_SIZE_DND),
                           FALSE, FALSE, 0);
    }
    GtkWidget* const label = gtk_label_new(to_utf8(text).c_str());
    gtk_label_set_xalign(GTK_LABEL(label), 0.0F);
    gtk_box_pack_start(GTK_BOX(row), label, TRUE, TRUE, 0);
    gtk_container_add(GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(box))), row);
    gtk_widget_show_all(row);
    if (yes_no) {
        gtk_dialog_add_buttons(GTK_DIALOG(box), "Ja", GTK_RESPONSE_YES, "Nein", GTK_RESPONSE_NO,
                               nullptr);
        gtk_window_set_deletable(GTK_WINDOW(box), FALSE); // Yes or No, nothing else
    } else {
        gtk_dialog_add_button(GTK_DIALOG(box), "OK", GTK_RESPONSE_OK);
    }
    const int default_response = yes_no ? GTK_RESPONSE_NO : GTK_RESPONSE_OK;
    for (const int response : {GTK_RESPONSE_YES, GTK_RESPONSE_NO, GTK_RESPONSE_OK}) {
        GtkWidget* const button = gtk_dialog_get_widget_for_response(GTK_DIALOG(box), response);
        if (button != nullptr) {
            gtk_widget_set_size_request(button, 75, 23);
        }
    }
    gtk_dialog_set_default_response(GTK_DIALOG(box), default_response);
    gtk_widget_grab_focus(gtk_dialog_get_widget_for_response(GTK_DIALOG(box), default_response));
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    GtkWidget* const buttons = gtk_dialog_get_action_area(GTK_DIALOG(box));
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_button_box_set_layout(GTK_BUTTON_BOX(buttons), GTK_BUTTONBOX_CENTER);
    gtk_container_set_border_width(GTK_CONTAINER(buttons), 6);
    const int response = run_box(box, true);
    if (!yes_no) {
        return answer_ok;
    }
    return response == GTK_RESPONSE_YES ? answer_yes : answer_no;
}

// The About box 103, laid out as its template: 203 x 69 units of the "System" font,
// whose base units are 8 x 16 pixels (a unit is 2 pixels each way).
void gtk_boxes_run_about_box() {
    if (watch_about_box != nullptr) {
        watch_about_box();
    }
    GtkWidget* const box = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(box), ABOUT_BOX_CAPTION);
    add_title_bar(box, ABOUT_BOX_CAPTION);
    gtk_window_set_resizable(GTK_WINDOW(box), FALSE);
    GtkWidget* const face = gtk_fixed_new();
    gtk_widget_set_size_request(face, ABOUT_BOX_WIDTH * 2, ABOUT_BOX_HEIGHT * 2);
    GdkPixbuf* const picture = gtk_icon_picture(true);
    GtkWidget* const icon = gtk_image_new_from_pixbuf(picture);
    g_object_unref(picture);
    gtk_fixed_put(GTK_FIXED(face), icon, 7 * 2, 22 * 2);
    GtkWidget* const version = gtk_label_new(ABOUT_BOX_VERSION_TEXT);
    gtk_fixed_put(GTK_FIXED(face), version, 34 * 2, 5 * 2);
    GtkWidget* const date = gtk_label_new(ABOUT_BOX_DATE_TEXT);
    gtk_fixed_put(GTK_FIXED(face), date, 34 * 2, 16 * 2);
    GtkWidget* const ok = gtk_button_new_with_label("OK");
    gtk_widget_set_size_request(ok, 30 * 2, 11 * 2);
    gtk_widget_set_can_default(ok, TRUE);
    g_signal_connect(ok, "clicked", G_CALLBACK(+[](GtkButton* button, gpointer) {
                         gtk_dialog_response(
                             GTK_DIALOG(gtk_widget_get_toplevel(GTK_WIDGET(button))),
                             GTK_RESPONSE_OK);
                     }),
                     nullptr);
    gtk_fixed_put(GTK_FIXED(face), ok, 166 * 2, 5 * 2);
    gtk_container_add(GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(box))), face);
    gtk_widget_show_all(face);
    gtk_widget_grab_default(ok);
    gtk_widget_grab_focus(ok);
    run_box(box, false);
}
