// Running one line: it goes on the sheet and into the history, then to the
// command branch, nowhere (a comment) or the engine.
#include "lineCycle.h"

#include "QuorinDLL.h"
#include "commands.h"
#include "rings.h"
#include "sheetLines.h"

namespace worksheet {

namespace {

// Returns the slot that now holds the line, cut to fit.
char* recordInHistory(const char* line, std::size_t length) {
    ringSlot& slot = historyLines[historyNext];
    copyIntoSlot(slot, line, length);
    historyNext = nextSlot(historyNext);
    historyCursor = historyNext;
    historyLines[historyNext][0] = '\0';
    return slot;
}

// Kept apart from runLine so that its two buffers are not on the stack
// while nested loads run.
void evaluateLine(char* line) {
    char result[QUORIN_RESULT_BUFFER_SIZE];
    char error[slotBytes];
    error[0] = '#';
    error[1] = ' ';
    static_assert(slotBytes - 2 == QUORIN_ERROR_BUFFER_SIZE);
    if (evalExpression(line, result, error + 2) != 0) {
        showLine(result, textKind::answer);
    } else {
        showLine(error, textKind::answer);
    }
}

} // namespace

char* typingSlot() {
    return historyLines[historyNext];
}

void handleLine(const char* line) {
    runLine(line, cutLength(line));
}

void runLine(const char* line, std::size_t length, textKind shownAs) {
    showText(line, length, shownAs);
    // The stored copy is what runs: cut like every text, and safe from the
    // clearing of the next history slot should line be that slot.
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

} // namespace worksheet
