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
    const char* texts[worksheet::maxVisibleTexts];
    const int count = worksheet::visibleTexts(sheetRect.bottom - sheetRect.top, lineHeight, texts);
    paintSheet(offscreenDC, sheetRect, lineHeight, texts, count);
    InvalidateRect(worksheetWindow, &sheetRect, TRUE);
}
