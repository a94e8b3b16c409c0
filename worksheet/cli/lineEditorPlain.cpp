// The prompt without line editing, for systems without libedit.
#include "lineEditor.h"

#include "interrupts.h"

#include <cstdio>

namespace quorin {

namespace {
const char* promptText = "";
} // namespace

void startLineEditor(const char* prompt, worksheet::worksheetCore&) {
    promptText = prompt;
}

// The console breaks off its read at Ctrl-C, as at the end of input; the
// interrupt handler tells them apart.
std::optional<std::string> readTypedLine() {
    for (;;) {
        clearInterrupt();
        std::fputs(promptText, stderr);
        std::string line;
        int character;
        while ((character = std::getc(stdin)) != EOF && character != '\n') {
            line.push_back(static_cast<char>(character));
        }
        if (character != EOF) return line;
        if (!interruptRequested()) {
            return line.empty() ? std::nullopt : std::optional(line);
        }
        std::clearerr(stdin);
        std::fputs("\n", stderr);
    }
}

void stopLineEditor() {}

} // namespace quorin
