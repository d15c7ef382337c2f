// The Windows program around the calculator: the hidden frame window that owns the
// calculator dialog, the accelerators and the message loop. vidomat.exe runs it whole;
// the Windows scenario driver uses the same start-up and the same handling of each
// message around its own input.
#ifndef VIDOMAT_SHELL_APPLICATION_H
#define VIDOMAT_SHELL_APPLICATION_H

#include <windows.h>

// Start-up before the calculator: loads the window title and class name, registers the
// frame window class, creates the hidden frame window and loads the accelerators. False
// when the frame window cannot be created.
bool open_application(HINSTANCE instance);

// One message of the loop: the accelerators are translated for the calculator dialog,
// and a message they do not take is translated and dispatched.
void handle_application_message(MSG* message);

// The whole program: start-up, the calculator, the message loop. Returns the exit code.
int run_application(HINSTANCE instance);

#endif
