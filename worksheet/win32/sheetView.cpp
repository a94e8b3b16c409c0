#include "sheetView.h"

#include "sheetPainter.h"
#include "windowState.h"
#include "worksheet.h"

namespace {

class sheetRedrawer final : public worksheet::observer {
    void sheetChanged() override { redrawSheet(); }
};

sheetRedrawer redrawer;

} // namespace

void startWorksheet() {
    globals.worksheet = std::make_unique<worksheet::worksheetCore>(redrawer);
}

void stopWorksheet() {
    globals.worksheet.reset();
}

void redrawSheet() {
    const char* texts[worksheet::maxVisibleTexts];
    const int count = globals.worksheet->visibleTexts(
        globals.sheetRect.bottom - globals.sheetRect.top, globals.lineHeight, texts);
    paintSheet(globals.offscreenDC, globals.sheetRect, globals.lineHeight, texts, count);
    InvalidateRect(globals.worksheetWindow, &globals.sheetRect, TRUE);
}
