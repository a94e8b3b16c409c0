// The one-line edit pane below the sheet: a subclassed EDIT control that
// runs the typed line on Return and recalls earlier lines on Up and Down.
#ifndef QUORIN_EDIT_PANE_H
#define QUORIN_EDIT_PANE_H

#include <windows.h>

// Creates the pane as a child of the worksheet window at the place the
// layout gives for the current size, and subclasses it.
HWND createEditPane(HWND owner);

// Gives the pane back the procedure it had before it was subclassed.
void restoreEditPane(HWND pane);

LRESULT CALLBACK editPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam);

// Dispatches exactly one queued message, waiting for it.
void pumpOneMessage();

#endif
