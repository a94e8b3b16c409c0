// The worksheet's dialogs: the about box, the question before quitting and
// the open-file dialog that loads a file.
#ifndef QUORIN_DIALOGS_H
#define QUORIN_DIALOGS_H

#include <windows.h>

INT_PTR CALLBACK aboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Modal to owner; returns when its OK button is pressed.
void showAboutBox(HWND owner);

// Asks whether to quit; true for Yes.
bool confirmQuit(HWND owner);

// Lets the user pick a file and runs a load command for it, exactly as if
// typed. The caller redraws the sheet.
void chooseFile(HWND owner);

#endif
