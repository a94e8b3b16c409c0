#include "sheetView.h"

#include "sheetPainter.h"
#include "windowState.h"
#include "worksheet.h"

int startWorksheet() {
    worksheet::startEngine();
    globals.lineHeight = readLineHeight(globals.offscreenDC);
    return worksheet::ringSlots * globals.lineHeight;
}

void redrawSheet() {
    const char* texts[worksheet::maxVisibleTexts];
    const int count = worksheet::visibleTexts(globals.sheetRect.bottom - globals.sheetRect.top,
                                              globals.lineHeight, texts);
    paintSheet(globals.offscreenDC, globals.sheetRect, globals.lineHeight, texts, count);
    InvalidateRect(globals.worksheetWindow, &globals.sheetRect, TRUE);
}
