// Putting texts on the sheet, and telling an observer about each of them.
#include "sheetLines.h"

#include "rings.h"

namespace worksheet {

namespace {
lineObserver currentObserver = nullptr;
} // namespace

void setLineObserver(lineObserver observer) {
    currentObserver = observer;
}

void showLine(const char* text, textKind kind) {
    showText(text, cutLength(text), kind);
}

void showText(const char* text, std::size_t length, textKind kind) {
    ringSlot& slot = displayLines[displayNext];
    copyIntoSlot(slot, text, length);
    displayNext = nextSlot(displayNext);
    if (currentObserver != nullptr) {
        currentObserver(slot, length, kind);
    }
}

} // namespace worksheet
