// The prompt loop of the interactive worksheet.
#include "interactiveSession.h"

#include "sheetPrinter.h"
#include "worksheet.h"

#include <cstdio>
#include <optional>
#include <string>

namespace quorin {

namespace {

constexpr const char* greeting =
    "Worvane worksheet: type a line, or Ctrl-D to end (quorin --help explains).\n";
constexpr const char* prompt = "> ";

// A line as typed, without its line feed; nothing at the end of input.
std::optional<std::string> readTypedLine() {
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

// Diagnostics of the line go out before its answers.
void flushOutputs() {
    std::fflush(stdout);
    flushSheet();
}

} // namespace

void runInteractiveSession(bool sheetOnTerminal) {
    std::fputs(greeting, stderr);
    worksheet::lineInput input("<stdin>");
    for (;;) {
        std::fputs(prompt, stderr);
        const std::optional<std::string> line = readTypedLine();
        if (!line) {
            std::fputs("\n", stderr);
            return;
        }
        if (sheetOnTerminal) {
            skipNextSheetText();
        }
        input.feed(line->data(), line->size());
        input.feed("\n", 1);
        cancelSkip();
        flushOutputs();
    }
}

} // namespace quorin
