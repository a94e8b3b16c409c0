// Failed loads: the "# load error" line, and where and why for the load
// error observer.
#ifndef QUORIN_WORKSHEET_LOAD_ERRORS_H
#define QUORIN_WORKSHEET_LOAD_ERRORS_H

#include "worksheet.h"

#include <string>

namespace worksheet {

// Makes input the one whose line runs, for as long as it lives; load errors
// meanwhile say they happened at that input's current line.
class runningInput {
  public:
    explicit runningInput(const lineInput& input);
    ~runningInput();
    runningInput(const runningInput&) = delete;
    runningInput& operator=(const runningInput&) = delete;

  private:
    const lineInput* outer;
};

// Runs the line "# load error" and tells the load error observer.
void reportLoadError(const std::string& reason);

} // namespace worksheet

#endif
