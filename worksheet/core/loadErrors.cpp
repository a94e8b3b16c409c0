// Failed loads: one sheet line for the user of the window, and where and
// why for whoever observes them.
#include "loadErrors.h"

#include "lineCycle.h"

#include <string_view>

namespace worksheet {

namespace {

constexpr std::string_view loadErrorLine = "# load error";

loadErrorObserver currentObserver = nullptr;
// The innermost input whose line runs: a load runs inside a line of the
// input before it.
const lineInput* innermostInput = nullptr;

} // namespace

void setLoadErrorObserver(loadErrorObserver observer) {
    currentObserver = observer;
}

runningInput::runningInput(const lineInput& input) : outer(innermostInput) {
    innermostInput = &input;
}

runningInput::~runningInput() {
    innermostInput = outer;
}

void reportLoadError(const std::string& reason) {
    runLine(loadErrorLine.data(), loadErrorLine.size(), textKind::loadError);
    if (currentObserver == nullptr) {
        return;
    }
    if (innermostInput != nullptr) {
        currentObserver(innermostInput->name(), innermostInput->lineNumber(), reason.c_str());
    } else {
        currentObserver(nullptr, 0, reason.c_str());
    }
}

} // namespace worksheet
