// The program's icon pictures (shell/resources/icon_pictures.h) as GTK images.
#ifndef VIDOMAT_PLATFORM_GTK_GTK_ICONS_H
#define VIDOMAT_PLATFORM_GTK_GTK_ICONS_H

#include <gtk/gtk.h>

// The large (32 x 32, icon 107) or small (16 x 16, icon 108) picture with its
// transparent pixels; the caller owns the reference.
GdkPixbuf* gtk_icon_picture(bool large);

#endif
