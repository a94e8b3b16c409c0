// The prompt loop of the interactive worksheet.
#include "interactiveSession.h"

#include "commandLine.h"
#include "lineEditor.h"
#include "sheetPrinter.h"
#include "worksheet.h"

#include <cstdio>

namespace quorin {

namespace {

constexpr const char* greeting =
    "Worvane worksheet: type a line, or Ctrl-D to end (quorin --help explains).\n";
constexpr const char* prompt = "> ";

} // namespace

void runInteractiveSession(bool sheetOnTerminal) {
    std::fputs(greeting, stderr);
    startLineEditor(prompt);
    // One input for the session: load errors count its lines. Each typed
    // line ends with a line end of its own, so that a line too long does not
    // stop the lines after it.
    worksheet::lineInput input(standardInputLabel);
    while (const auto line = readTypedLine()) {
        skipNextEcho(sheetOnTerminal);
        input.feed(line->data(), line->size());
        input.feed("\n", 1);
        skipNextEcho(false);
        flushSheet();
    }
    stopLineEditor();
    std::fputs("\n", stderr);
}

} // namespace quorin
