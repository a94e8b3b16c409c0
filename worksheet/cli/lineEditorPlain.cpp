// The prompt without line editing, for systems without libedit.
#include "lineEditor.h"

#include <cstdio>

namespace quorin {

namespace {
const char* promptText = "";
} // namespace

void startLineEditor(const char* prompt) {
    promptText = prompt;
}

std::optional<std::string> readTypedLine() {
    std::fputs(promptText, stderr);
    std::string line;
    int character;
    while ((character = std::getc(stdin)) != EOF && character != '\n') {
        line.push_back(static_cast<char>(character));
    }
    if (character == EOF && line.empty()) {
        return std::nullopt;
    }
    return line;
}

void stopLineEditor() {}

} // namespace quorin
