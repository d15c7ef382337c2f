// Brings every field, list, radio button and menu mark of the calculator dialog into
// line with the state, computes the rates and the result, and shows the dialog.
#ifndef VIDOMAT_DIALOG_DIALOG_INITIALISATION_H
#define VIDOMAT_DIALOG_DIALOG_INITIALISATION_H

void initialise_dialog();

#endif
