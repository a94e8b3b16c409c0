// The worksheet's lifetime, and running one line: it goes on the sheet and
// into the history, then to the command branch, nowhere (a comment) or the
// engine.
#include "QuorinDLL.h"
#include "loadedInput.h"
#include "rings.h"

namespace worksheet {

worksheetCore::worksheetCore(observer& watcher)
    : watcher(watcher), displayLines(std::make_unique<ringSlot[]>(ringSlots)),
      historyLines(std::make_unique<ringSlot[]>(ringSlots)) {
    for (int slot = 0; slot < ringSlots; ++slot) {
        displayLines[slot][0] = '\0';
        historyLines[slot][0] = unwrittenMark;
    }
    initialize();
}

worksheetCore::~worksheetCore() {
    finalize();
}

void worksheetCore::handleLine(std::string_view line) {
    const std::size_t firstLoad = inputs.size();
    resetLoadCount();
    runLine(line.data(), cutLength(line), textKind::echo);
    runInputs(firstLoad, false);
    watcher.sheetChanged();
}

void worksheetCore::runLine(const char* line, std::size_t length, textKind shownAs) {
    showText(line, length, shownAs);
    // The stored copy is what runs: the line may lie in the history slot
    // that recording clears.
    char* recorded = recordInHistory(line, length);
    switch (recorded[0]) {
    case '!':
        runCommand(recorded + 1);
        break;
    case '#':
        break;
    default:
        evaluateLine(recorded);
        break;
    }
}

void worksheetCore::showText(const char* text, std::size_t length, textKind kind) {
    copyIntoSlot(displayLines[displayNext], text, length);
    showNextSlot(length, kind);
}

// The slot written next already holds the text to show.
void worksheetCore::showNextSlot(std::size_t length, textKind kind) {
    const char* slot = displayLines[displayNext];
    displayNext = nextSlot(displayNext);
    watcher.textShown(slot, length, kind, loadDepth());
}

// Returns the slot that now holds the line.
char* worksheetCore::recordInHistory(const char* line, std::size_t length) {
    char* slot = historyLines[historyNext];
    copyIntoSlot(slot, line, length);
    historyNext = nextSlot(historyNext);
    historyCursor = historyNext;
    historyLines[historyNext][0] = '\0';
    return slot;
}

// The answer goes straight into the display slot it is shown from: that
// slot holds the oldest text, which no one reads while the engine runs,
// and the engine leaves it untouched when it fails.
void worksheetCore::evaluateLine(char* line) {
    char* answerSlot = displayLines[displayNext];
    char error[slotBytes];
    error[0] = '#';
    error[1] = ' ';
    static_assert(slotBytes == QUORIN_RESULT_BUFFER_SIZE);
    static_assert(slotBytes - 2 == QUORIN_ERROR_BUFFER_SIZE);
    if (evalExpression(line, answerSlot, error + 2) != 0) {
        showNextSlot(lengthInSlot(answerSlot), textKind::answer);
    } else {
        showText(error, lengthInSlot(error), textKind::answer);
    }
}

} // namespace worksheet
