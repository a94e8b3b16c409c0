// Checks of the windows the worksheet opens: dialogs (the about box, the
// quit question, the open-file dialog) and the popup menu. Each returns the
// probe's exit code.
#ifndef WORVANE_PROBE_DIALOG_CHECKS_H
#define WORVANE_PROBE_DIALOG_CHECKS_H

#include "probeOptions.h"

// expect-dialog CAPTION [TEXT...]: a dialog of the worksheet's process with
// this caption, holding controls with these texts; prints its controls.
int expectDialog(const probeOptions& options);
// expect-no-dialog CAPTION
int expectNoDialog(const probeOptions& options);
// button CAPTION ID: prints "button X Y", the screen centre of control ID.
int printButton(const probeOptions& options);
// expect-close-glyph CAPTION: the dialog's caption shows the close button's
// glyph as the system draws it, and the system draws it with Marlett
// (without it another font draws the letter "r").
int expectCloseGlyph(const probeOptions& options);
// expect-text-ink CAPTION TEXT RIGHT PIXELS: the dialog's control with this
// text shows ink ending at column RIGHT and made of PIXELS pixels: all the
// ink of the text drawn whole (the spy's text-ink). Prints "text-ink RIGHT
// PIXELS" as the screen shows it.
int expectTextInk(const probeOptions& options);
// expect-popup: prints "popup X Y W H" once a popup menu is open.
int expectPopup(const probeOptions& options);
// expect-no-popup
int expectNoPopup(const probeOptions& options);

#endif
