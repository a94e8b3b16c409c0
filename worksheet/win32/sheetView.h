// The sheet as the window shows it: the worksheet's visible texts drawn into
// the off-screen bitmap.
#ifndef QUORIN_SHEET_VIEW_H
#define QUORIN_SHEET_VIEW_H

// Starts the engine and the line rings, and reads lineHeight from the
// off-screen bitmap's font. Returns the height of 30 lines.
int startWorksheet();

// Draws the most recent texts into sheetRect of the off-screen bitmap and
// has the window repaint it.
void redrawSheet();

#endif
