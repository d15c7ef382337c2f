// The calculator dialog's one message handler and the start of the calculator.
#ifndef VIDOMAT_DIALOG_DIALOG_PROCEDURE_H
#define VIDOMAT_DIALOG_DIALOG_PROCEDURE_H

#include "platform/platform.h"

#include <cstdint>

// Handles the initialisation message (returns 1) and every command (returns 0).
intptr_t dialog_procedure(PlatformHandle window, uint32_t message, uintptr_t word_parameter,
                          intptr_t long_parameter);

// Enter, "OK": shows the field being typed in anew from its stored value (for the
// medium field, applies the typed text) and clears the pending edit.
void apply_pending_edit();

// Every front end starts the calculator the same way: the state at its initial values,
// the colon table of the time reader, then the creation of the calculator dialog, which
// loads the settings, initialises every field and shows the dialog. Returns false when
// the dialog cannot be created.
bool start_calculator();

#endif
