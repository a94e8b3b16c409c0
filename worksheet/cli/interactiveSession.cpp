// The prompt loop of the interactive worksheet.
#include "interactiveSession.h"

#include "commandLine.h"
#include "failures.h"
#include "interrupts.h"
#include "lineEditor.h"

#include <cstdio>
#include <string>

namespace quorin {

namespace {

// Within a console's 80 columns; each system ends a console's input its own way.
#ifdef _WIN32
constexpr const char* greeting =
    "Worvane worksheet: Ctrl-Z Return ends, Ctrl-C stops a load (see quorin --help).\n";
#else
constexpr const char* greeting =
    "Worvane worksheet: Ctrl-D ends, Ctrl-C stops a load (see quorin --help).\n";
#endif
constexpr const char* prompt = "> ";

} // namespace

void runInteractiveSession(worksheet::worksheetCore& sheet) {
    std::fputs(greeting, stderr);
    startLineEditor(prompt, sheet);
    catchInterrupts();
    // One input for the session: load errors count its lines. Each typed
    // line ends with a line end of its own, so that a line too long does not
    // stop the lines after it.
    sheet.beginInput(standardInputLabel, worksheet::inputKind::typed);
    while (!outputFailed()) {
        std::optional<std::string> line = readTypedLine();
        if (!line) break;
        // A Ctrl-C pressed before the line was read stops nothing of it.
        clearInterrupt();
        line->push_back('\n');
        sheet.feedInput(line->data(), line->size());
    }
    sheet.endInput();
    releaseInterrupts();
    stopLineEditor();
    std::fputs("\n", stderr);
}

} // namespace quorin
