// The GTK side of platform/platform.h: what the Linux shell and the GTK scenario driver
// need to know of the GTK front end. Only they include this header.
//
// The calculator dialog is a GTK window built from the layout table; its combo boxes
// are the front end's own (an entry, an arrow button and a popup list), so that the
// dialog procedure receives exactly the notifications of the real Win32 controls.
#ifndef VIDOMAT_PLATFORM_GTK_GTK_PLATFORM_H
#define VIDOMAT_PLATFORM_GTK_GTK_PLATFORM_H

#include <gtk/gtk.h>

#include <cstdint>

// Sets up the toolkit's look for the dialog (font, compact controls). False when there
// is no display to show windows on.
bool gtk_platform_open();

// The quit message was posted, and its exit code.
bool gtk_platform_quit_posted();
uint32_t gtk_platform_exit_code();

// What a tool that watches the program (the scenario driver) learns: every message box
// just before it shows, every opening of the About box, and the moment before the
// dialog's window goes. Any of them may be null.
struct GtkWatcher {
    void (*message_box)(const char* text, const char* caption, uint32_t style);
    void (*about_box)();
    void (*before_destroy)();
};
void gtk_platform_watch(const GtkWatcher& watcher);

// --- The real widgets, for the driver -------------------------------------------------
// The calculator dialog's window while it exists, else nullptr.
GtkWidget* gtk_platform_window();
// A control's widget (for a combo box: the box that holds its entry and arrow).
GtkWidget* gtk_platform_control(uint32_t id);
GtkWidget* gtk_platform_entry(uint32_t id);
GtkWidget* gtk_platform_arrow(uint32_t id);
// The tree view of the open drop-down list of combo box `id`, or nullptr.
GtkWidget* gtk_platform_open_list(uint32_t id);
// The store that holds the list's items, in list order, or nullptr.
GtkListStore* gtk_platform_list_store(uint32_t id);
// The selected index as the combo box keeps it (CB_GETCURSEL).
int32_t gtk_platform_selection(uint32_t id);
// The menu bar entry `popup` stands under, and the item of `command`.
GtkWidget* gtk_platform_menu_title(uint32_t command);
GtkWidget* gtk_platform_menu_item(uint32_t command);
// The close box of the dialog's title bar.
GtkWidget* gtk_platform_close_box();
// The open message box or About box, or nullptr; and its button that gives `response`.
GtkWidget* gtk_platform_open_box();
// The control with the keyboard focus as the dialog keeps it, or 0.
uint32_t gtk_platform_focus_owner();

#endif
