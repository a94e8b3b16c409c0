// The inputs a front end hands over whole: a stream it opened, or bytes it
// feeds as they arrive. Each lies at the bottom of the stack while it runs.
#include "loadedInput.h"

namespace worksheet {

int worksheetCore::loadStream(std::FILE* stream, const char* name) {
    resetLoadCount();
    inputs.push_back(std::make_unique<loadedInput>(name, inputKind::file, stream, false));
    runInputs(inputs.size(), true);
    const int error = inputs.back()->readError;
    inputs.pop_back();
    watcher.sheetChanged();
    return error;
}

void worksheetCore::beginInput(const char* name, inputKind kind) {
    inputs.push_back(std::make_unique<loadedInput>(name, kind, nullptr, false));
    fedInputOpen = true;
}

bool worksheetCore::feedInput(const char* bytes, std::size_t count) {
    loadedInput& input = *inputs.front();
    if (!input.ended) {
        input.splitter.take(bytes, count);
        runInputs(1, true);
        watcher.sheetChanged();
    }
    return !input.ended;
}

void worksheetCore::endInput() {
    loadedInput& input = *inputs.front();
    if (!input.ended && input.splitter.finish()) {
        resetLoadCount();
        const std::string_view line = input.splitter.line();
        runLine(line.data(), line.size(), textKind::echo);
        runInputs(1, true);
    }
    inputs.pop_back();
    fedInputOpen = false;
    watcher.sheetChanged();
}

} // namespace worksheet
