// Putting texts on the sheet, and telling an observer about each of them.
#include "rings.h"

namespace worksheet {

namespace {
lineObserver currentObserver = nullptr;
} // namespace

void setLineObserver(lineObserver observer) {
    currentObserver = observer;
}

void showLine(const char* text) {
    showText(text, cutLength(text));
}

void showText(const char* text, std::size_t length) {
    ringSlot& slot = displayLines[displayNext];
    copyIntoSlot(slot, text, length);
    displayNext = nextSlot(displayNext);
    if (currentObserver != nullptr) {
        currentObserver(slot, length);
    }
}

} // namespace worksheet
