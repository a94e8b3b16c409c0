// Input that runs its lines as they arrive: files, and the command-line
// worksheet's standard input.
#include "lineCycle.h"
#include "lineSplitter.h"
#include "loadErrors.h"

#include <string>

namespace worksheet {

namespace {

void runCutLine(const lineSplitter& splitter) {
    const std::string_view line = splitter.line();
    runLine(line.data(), line.size());
}

} // namespace

// On the heap: a nested load keeps one input per level.
lineInput::lineInput(const char* name)
    : inputName(name), splitter(std::make_unique<lineSplitter>()) {}

lineInput::~lineInput() = default;

bool lineInput::feed(const char* bytes, std::size_t count) {
    const runningInput running(*this);
    splitter->take(bytes, count);
    for (;;) {
        switch (splitter->next()) {
        case lineSplitter::cut::line:
            runCutLine(*splitter);
            break;
        case lineSplitter::cut::needMoreInput:
            return true;
        case lineSplitter::cut::lineTooLong:
            reportLoadError("line longer than " + std::to_string(longestLine) + " characters");
            return false;
        }
    }
}

void lineInput::finish() {
    const runningInput running(*this);
    if (splitter->finish()) {
        runCutLine(*splitter);
    }
}

const char* lineInput::name() const {
    return inputName;
}

long lineInput::lineNumber() const {
    return splitter->lineNumber();
}

} // namespace worksheet
