/* The About box 103: its texts and size in dialog units, shared by the Windows resource
   script and the GTK front end. Plain macros, because the resource compiler reads this
   header too. */
#ifndef VIDOMAT_SHELL_ABOUT_BOX_H
#define VIDOMAT_SHELL_ABOUT_BOX_H

#define ABOUT_BOX_CAPTION "Info"
#define ABOUT_BOX_VERSION_TEXT "Vidomat Version 0.1"
#define ABOUT_BOX_DATE_TEXT "10.03.2006"
#define ABOUT_BOX_WIDTH 203
#define ABOUT_BOX_HEIGHT 69

#endif
