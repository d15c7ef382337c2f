// The Windows side of platform/platform.h: what the platform needs to know of the shell.
// Only the shell and the Windows tools include this header.
#ifndef VIDOMAT_PLATFORM_WIN32_WIN32_PLATFORM_H
#define VIDOMAT_PLATFORM_WIN32_WIN32_PLATFORM_H

#include "shell/control_ids.h"

#include <windows.h>

// Resource numbers of the two dialog templates.
constexpr WORD calculator_dialog_template = resource_calculator_dialog;
constexpr WORD about_box_template = resource_about_box;

// The module the resources come from, the hidden frame window that owns the calculator
// dialog and the About box, and the About box's procedure. Set once by the shell before
// the calculator starts.
void win32_platform_attach(HINSTANCE instance, HWND frame_window, DLGPROC about_procedure);

// What a tool that watches the program (the Windows scenario driver) learns: every
// message box just before it shows, and every opening of the About box. Both stay real
// windows; either function may be null.
struct Win32Watcher {
    void (*message_box)(const char* text, const char* caption, UINT style);
    void (*about_box)();
};
void win32_platform_watch(const Win32Watcher& watcher);

// The calculator dialog, as the core last saw it.
HWND win32_main_dialog();

// The About box, modal, owned by the frame window; returns its result.
INT_PTR win32_run_about_box();

#endif
