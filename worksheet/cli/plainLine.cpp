#include "plainLine.h"

#include "interrupts.h"

#include <cstdio>

namespace quorin {

// The console breaks off its read at Ctrl-C, as at the end of input; the
// interrupt handler tells them apart.
std::optional<std::string> readPlainLine(const char* prompt) {
    for (;;) {
        clearInterrupt();
        std::fputs(prompt, stderr);
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

} // namespace quorin
