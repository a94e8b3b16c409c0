// The prompt without line editing, for systems without libedit.
#include "lineEditor.h"

#include "plainLine.h"

namespace quorin {

namespace {
const char* promptText = "";
} // namespace

void startLineEditor(const char* prompt, worksheet::worksheetCore&) {
    promptText = prompt;
}

std::optional<std::string> readTypedLine() {
    return readPlainLine(promptText);
}

void stopLineEditor() {}

} // namespace quorin
