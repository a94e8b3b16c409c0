// Drawing the sheet's texts into a device context.
#ifndef QUORIN_SHEET_PAINTER_H
#define QUORIN_SHEET_PAINTER_H

#include <windows.h>

// Fills sheetRect white and draws the texts one below the other, the first
// at the top, each at x = left + 5, clipped to sheetRect.
void paintSheet(HDC dc, const RECT& sheetRect, int lineHeight, const char* const* texts, int count);

// The character height of the device context's font, or 20 if it cannot be read.
int readLineHeight(HDC dc);

#endif
