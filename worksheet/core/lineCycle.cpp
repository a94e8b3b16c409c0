// The worksheet's lifetime, and running one line: it goes on the sheet and
// into the history, then to the command branch, nowhere (a comment) or the
// engine.
#include "QuorinDLL.h"
#include "loadedInput.h"
#include "rings.h"

namespace worksheet {

// The slots are not cleared: a slot is read only once written, but for the
// first byte of a history slot, which marks it unwritten.
worksheetCore::worksheetCore(observer& watcher)
    : watcher(watcher), answerLines(std::make_unique_for_overwrite<ringSlot[]>(ringSlots)),
      historyLines(std::make_unique_for_overwrite<ringSlot[]>(ringSlots)) {
    displayLines.fill("");
    for (int slot = 0; slot < ringSlots; ++slot) {
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
    // The stored copy is what is shown and runs: the line may lie in the
    // history slot that recording clears.
    char* recorded = recordInHistory(line, length);
    showInPlace(recorded, length, shownAs);
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
    char* slot = answerLines[displayNext];
    copyIntoSlot(slot, text, length);
    showInPlace(slot, length, kind);
}

// A text that stays where it lies for as long as its entry is shown.
void worksheetCore::showInPlace(const char* text, std::size_t length, textKind kind) {
    displayLines[displayNext] = text;
    displayNext = nextSlot(displayNext);
    watcher.textShown(text, length, kind, loadDepth());
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

// The engine writes straight into the answer slot the text is shown from:
// its answer from the slot's start, or its error behind the "# " that starts
// the slot. It writes only the one buffer its outcome names, so both may
// lie in the slot. That slot belongs to the oldest entry, which no one reads
// while the engine runs.
void worksheetCore::evaluateLine(char* line) {
    char* answerSlot = answerLines[displayNext];
    answerSlot[0] = '#';
    answerSlot[1] = ' ';
    answerSlot[2] = '\0'; // an error without a text shows as "# "
    static_assert(slotBytes == QUORIN_RESULT_BUFFER_SIZE);
    static_assert(slotBytes - 2 == QUORIN_ERROR_BUFFER_SIZE);
    evalExpression(line, answerSlot, answerSlot + 2);
    showInPlace(answerSlot, lengthInSlot(answerSlot), textKind::answer);
}

} // namespace worksheet
