// The message boxes and the About box of the GTK front end: modal windows that take the
// focus from the calculator dialog while they are shown.
#ifndef VIDOMAT_PLATFORM_GTK_GTK_BOXES_H
#define VIDOMAT_PLATFORM_GTK_GTK_BOXES_H

#include <gtk/gtk.h>

#include <cstdint>

// The window the boxes stand over (nullptr: none), and what happens when a box takes
// the focus from it.
void gtk_boxes_attach(GtkWidget* window, void (*lend_focus)());
// Who learns of each message box and each opening of the About box; either may be null.
void gtk_boxes_watch(void (*message_box)(const char* text, const char* caption, uint32_t style),
                     void (*about_box)());

// A message box (Windows-1252 texts, MB_ styles of platform.h): caption, text, the
// question icon for box_icon_question, and OK or Yes and No ("Ja", "Nein") with No as
// the default for box_yes_no. Returns answer_ok, answer_yes or answer_no.
uint32_t gtk_boxes_message_box(const char* text, const char* caption, uint32_t style);
// The About box 103: the icon, the version and its date, and "OK".
void gtk_boxes_run_about_box();

// The box that is open, or nullptr.
GtkWidget* gtk_boxes_open_box();

#endif
