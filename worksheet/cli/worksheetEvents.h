// What quorin does with what the worksheet tells it: texts to the sheet,
// load errors and stops to standard error, and when to stop the work.
#ifndef QUORIN_CLI_WORKSHEET_EVENTS_H
#define QUORIN_CLI_WORKSHEET_EVENTS_H

#include "failures.h"
#include "interrupts.h"
#include "sheetPrinter.h"
#include "worksheet.h"

namespace quorin {

class worksheetEvents final : public worksheet::observer {
  public:
    void textShown(const char* text, std::size_t length, worksheet::textKind kind,
                   int loadDepth) override {
        printSheetText(text, length, kind, loadDepth);
    }
    // Whatever has run goes out before quorin waits for more input.
    void sheetChanged() override { flushSheet(); }
    void loadFailed(worksheet::inputPlace where, const char* reason) override {
        reportLoadError(where, reason);
    }
    // A sheet that cannot be written needs no more lines.
    bool stopRequested() override { return interruptRequested() || outputFailed(); }
    void workStopped(worksheet::inputPlace where) override {
        if (interruptRequested()) reportInterrupted(where);
    }
};

} // namespace quorin

#endif
