// The sheet as the window shows it: the worksheet's visible texts drawn into
// the off-screen bitmap.
#ifndef QUORIN_SHEET_VIEW_H
#define QUORIN_SHEET_VIEW_H

// Starts the worksheet, and with it the engine; it redraws the sheet
// whenever the lines handed to it have run.
void startWorksheet();
// Ends the worksheet and the engine.
void stopWorksheet();

// Draws the most recent texts into sheetRect of the off-screen bitmap and
// has the window repaint it.
void redrawSheet();

#endif
