#include "sheetView.h"

#include "sheetPainter.h"
#include "windowState.h"
#include "worksheet.h"

int startWorksheet() {
    worksheet::startEngine();
    lineHeight = readLineHeight(offscreenDC);
    return worksheet::ringSlots * lineHeight;
}

void redrawSheet() {
    int slots[worksheet::ringSlots];
    const int count = worksheet::visibleSlots(sheetRect.bottom - sheetRect.top, lineHeight, slots);
    const char* texts[worksheet::ringSlots];
    for (int i = 0; i < count; ++i)
        texts[i] = worksheet::displayLines[slots[i]];
    paintSheet(offscreenDC, sheetRect, lineHeight, texts, count);
    InvalidateRect(worksheetWindow, &sheetRect, TRUE);
}
