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
    ringSlot& slot = displayLines[displayNext];
    const std::size_t length = copyIntoSlot(slot, text);
    displayNext = nextSlot(displayNext);
    if (currentObserver != nullptr) {
        currentObserver(slot, length);
    }
}

} // namespace worksheet
